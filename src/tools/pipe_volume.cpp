#include "tools/pipe_volume.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/tool_input.h"
#include "base/number_format.h"
#include "units/unit_factors.h"

namespace tolvane {

namespace {

constexpr double kSquareYard = 0.8361274;  // m²
constexpr int kGallonsPerMinute = 11;      // position in the volume-flow list

// The number after the first ":" of a dimension row; 0 when it does not read.
double dimension(const std::string& row) {
    const std::size_t colon = row.find(':');
    if (colon == std::string::npos) return 0.0;
    return readNumber(row.substr(colon + 1)).value_or(0.0);
}

// A whole number typed into a range field.
std::optional<int> wholeNumber(const std::string& text) {
    const std::optional<double> v = readNumber(text);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int>(*v);
}

double columnVolume(const CalculationColumn& c, OutputSystem output, const VariantLookup& lookup) {
    const std::string& element = c[Row::Element];
    const std::size_t slash = element.find('/');
    if (slash == std::string::npos) return 0.0;
    const std::optional<ElementKind> kind = lookup(element.substr(0, slash));
    if (!kind || !inGroup(*kind, ElementGroup::StraightPipes)) return 0.0;
    // "1,5" pipes are one and a half pipes, as the main window reads them.
    const double quantity = readNumber(element.substr(slash + 1)).value_or(0.0);

    const double a = dimension(c[Row::Dimension1]);
    const double b = dimension(c[Row::Dimension2]);
    const std::string& third = c[Row::Dimension3];
    const double l = third.empty() ? 0.0 : dimension(third);
    // US tables write the sizes in inches, the lengths in feet and the
    // cross section in square yards.
    const bool us = output == OutputSystem::US;
    const double inch = us ? kMmPerIn : 1.0;
    const double foot = us ? kMPerFt : 1.0;
    double volume = 0.0;
    switch (kindOf(*kind)) {
        case Kind::CircularPipe:  // D, L
            volume = std::numbers::pi / 4.0 * (a * inch) * (a * inch) * (b * foot) / 1e6;
            break;
        case Kind::RectangularPipe:  // B, H, L
        case Kind::ChannelPipe:      // B, H, L
            volume = (a * inch) * (b * inch) * (l * foot) / 1e6;
            break;
        case Kind::AnnularPipe:  // D, Di, L
            volume = ((a * inch) * (a * inch) - (b * inch) * (b * inch)) * std::numbers::pi / 4.0 /
                     1e6 * (l * foot);
            break;
        case Kind::OtherFormPipe:  // A, wetted circumference, L
            volume = a * (us ? kSquareYard : 1.0) * (l * foot);
            break;
        default: return 0.0;
    }
    return quantity * volume;
}

}  // namespace

double straightPipeVolume(const CalculationTable& table, int first, int last, OutputSystem output,
                          const VariantLookup& lookup) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 1);
    last = std::min(last, table.calculationCount());
    double v = 0.0;
    for (int col = first; col <= last; ++col) v += columnVolume(table.column(col), output, lookup);
    return v;
}

std::string volumeText(double cubicMetres, OutputSystem output) {
    if (output == OutputSystem::US)
        return formatFixed(cubicMetres / (kMPerFt * kMPerFt * kMPerFt), 2) + " ft³";
    if (cubicMetres < 0.1) return formatFixed(cubicMetres * 1000.0, 2) + " l";
    return formatFixed(cubicMetres, 2) + " m³";
}

namespace {

// The filling time as its text shows it: the number and its unit.
struct ShownTime {
    double value;
    const char* unit;
};

ShownTime shownTime(double hours) {
    if (hours >= 1.0) return {hours, " h"};
    if (hours >= 1.0 / 60.0) return {hours * 60.0, " min"};
    return {hours * 3600.0, " s"};
}

}  // namespace

std::string fillingTimeText(double hours) {
    const ShownTime t = shownTime(hours);
    return formatFixed(t.value, 2) + t.unit;
}

PipeVolumeResult calculatePipeVolume(const PipeVolumeInput& in, const CalculationTable& table,
                                     OutputSystem output, const VariantLookup& lookup,
                                     InputCheck& check) {
    PipeVolumeResult r;
    check.InputValid = true;
    const std::optional<int> first = wholeNumber(in.first);
    if (!first) {
        check.InputValid = false;
        ReportBadInput(check, pipe_volume_label::First, "Edit1");
        return r;
    }
    const std::optional<int> last = wholeNumber(in.last);
    if (!last) {
        check.InputValid = false;
        ReportBadInput(check, pipe_volume_label::Last, "Edit2");
        return r;
    }
    r.rangeRead = true;
    const double v = straightPipeVolume(table, *first, *last, output, lookup);
    // Table texts are written by sound calculations; a volume that still does
    // not fit a number is not shown.
    if (!std::isfinite(v)) return r;
    r.volume = volumeText(v, output);

    const ToolField flow{in.flow, pipe_volume_label::Flow, "Edit3"};
    const auto q = readField(flow, check);
    if (!q || *q == 0.0) return r;
    if (*q < 0.0) {
        CheckRange(check, *q, RangeLimits::positive(), flow.label, flow.name);
        return r;
    }
    const double qM3h = convertAt(UnitList::VolumeFlow, in.flowUnit, *q);
    const double hours = v / qM3h;
    if (!acceptResult(shownTime(hours).value, {{v, nullptr}, {qM3h, &flow, true}}, check))
        return r;
    r.fillingTime = fillingTimeText(hours);
    return r;
}

PipeVolumePreset pipeVolumePreset(const CalculationTable& table, OutputSystem output) {
    PipeVolumePreset p;
    p.maximum = std::max(1, table.calculationCount());
    p.input.first = "1";
    p.input.last = std::to_string(table.calculationCount());
    if (table.hasValues()) p.input.flow = table.cell(1, Row::RateOfFlow);
    p.input.flowUnit = output == OutputSystem::US ? kGallonsPerMinute : 0;
    return p;
}

}  // namespace tolvane

#include "report/calculation_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>

#include "report/element_sources.h"
#include "results/column_reading.h"
#include "results/shown_values.h"
#include "units/unit_factors.h"

namespace tolvane::report {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string withoutColon(std::string heading) {
    heading = trimmed(heading);
    if (!heading.empty() && heading.back() == ':') heading.pop_back();
    return heading;
}

// "1-3, 5" of the column numbers, in order.
std::string columnList(const std::vector<int>& columns) {
    std::string out;
    for (std::size_t i = 0; i < columns.size();) {
        std::size_t j = i;
        while (j + 1 < columns.size() && columns[j + 1] == columns[j] + 1) ++j;
        if (!out.empty()) out += ", ";
        out += std::to_string(columns[i]);
        if (j > i) out += (j == i + 1 ? ", " : "-") + std::to_string(columns[j]);
        i = j + 1;
    }
    return out;
}

std::string columnsPhrase(const std::vector<int>& columns) {
    return (columns.size() == 1 ? "column " : "columns ") + columnList(columns);
}

// "Diameter of pipe D in mm: 80.000" -> "Diameter of pipe D: 80.000 mm".
std::string inputLine(const std::string& cell) {
    const auto colon = cell.find(": ");
    if (colon == std::string::npos) return trimmed(cell);
    const std::string caption = cell.substr(0, colon);
    const std::string value = trimmed(cell.substr(colon + 2));
    const auto in = caption.rfind(" in ");
    if (in == std::string::npos) return caption + ": " + value;
    return caption.substr(0, in) + ": " + value + " " + caption.substr(in + 4);
}

struct Units {
    std::string velocity, pressure;
    double perMetreSecond;  // shown velocity per m/s
    double perBar;          // shown pressure drop per bar
};

Units unitsOf(OutputSystem system) {
    if (system == OutputSystem::US)
        return {"ft./s", "lbw./sq.ft.", 1.0 / kMPerFt, 1.0 / kBarPerLbwSqFt};
    return {"m/s", "mbar", 1.0, 1000.0};
}

// The report names a file without the folder it was read from.
std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string severityText(checks::Severity s) { return checks::severityWord(s); }

ReportRow rowOf(const CalculationTable& table, int col, const ReportColumnInput& in,
                const Units& units) {
    const auto cell = [&](int row) { return trimmed(table.cell(col, row)); };
    ReportRow r;
    r.number = cell(Row::Number);
    const std::string element = table.cell(col, Row::Element);
    const auto slash = element.rfind('/');
    r.element = trimmed(element.substr(0, slash));
    r.quantity = slash == std::string::npos ? std::string() : trimmed(element.substr(slash + 1));
    r.specification = cell(Row::Specification);
    for (int row : {Row::Dimension1, Row::Dimension2, Row::Dimension3, Row::Field4, Row::Option})
        if (!cell(row).empty()) r.inputs.push_back(inputLine(table.cell(col, row)));
    if (!cell(Row::Roughness).empty())
        r.inputs.push_back(withoutColon(table.cell(0, Row::Roughness)) + ": " +
                           cell(Row::Roughness));
    r.regime = cell(Row::Regime);

    const bool second = !cell(Row::Velocity2).empty();
    const bool friction = !cell(Row::FrictionFactor).empty();
    const bool zeta = !cell(Row::Zeta).empty();
    const bool zeta2 = !cell(Row::Zeta2).empty();
    if (in.precise) {
        const ElementResult& e = *in.precise;
        if (!cell(Row::Velocity).empty()) {
            r.velocities.push_back(formatSignificant(e.velocity * units.perMetreSecond));
            r.reynolds.push_back(formatSignificant(e.reynolds, kReynoldsDigits));
        }
        if (second) {
            r.velocities.push_back(formatSignificant(e.velocity2 * units.perMetreSecond));
            r.reynolds.push_back(formatSignificant(e.reynolds2, kReynoldsDigits));
        }
        if (friction) r.coefficients.push_back("λ = " + formatSignificant(e.frictionFactor));
        if (zeta) r.coefficients.push_back("ζ = " + formatSignificant(e.zeta));
        if (zeta2) r.coefficients.push_back("ζ₂ = " + formatSignificant(e.zeta2));
        r.pressureDrop = formatSignificant(e.pressureDrop * units.perBar);
        return r;
    }
    r.fromTable = true;
    for (int row : {Row::Velocity, Row::Velocity2})
        if (!cell(row).empty()) r.velocities.push_back(cell(row));
    for (int row : {Row::Reynolds, Row::Reynolds2})
        if (!cell(row).empty()) r.reynolds.push_back(cell(row));
    if (friction) r.coefficients.push_back("λ = " + cell(Row::FrictionFactor));
    if (zeta) r.coefficients.push_back("ζ = " + cell(Row::Zeta));
    if (zeta2) r.coefficients.push_back("ζ₂ = " + cell(Row::Zeta2));
    r.pressureDrop = cell(Row::PressureDrop) + " *";
    return r;
}

std::vector<ReportMedium> mediaOf(const ReportInput& in) {
    const CalculationTable& t = *in.table;
    std::vector<ReportMedium> media;
    std::vector<std::vector<int>> columns;
    std::vector<std::array<std::string, 4>> keys;
    for (int col = 1; col <= t.calculationCount(); ++col) {
        const std::array<std::string, 4> key{t.cell(col, Row::Medium), t.cell(col, Row::RateOfFlow),
                                             t.cell(col, Row::Density),
                                             t.cell(col, Row::Viscosity)};
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found != keys.end()) {
            columns[static_cast<std::size_t>(found - keys.begin())].push_back(col);
            continue;
        }
        keys.push_back(key);
        columns.push_back({col});
        ReportMedium m;
        const std::string& named = key[0];
        const auto slash = named.rfind('/');
        m.name = named.substr(0, slash);
        const bool gas = slash != std::string::npos && named.substr(slash) == "/gas.";
        m.condition = gas ? "gas" : "liquid";
        for (int row : {Row::RateOfFlow, Row::Density, Row::Viscosity})
            m.properties.push_back({withoutColon(t.cell(0, row)), trimmed(t.cell(col, row))});
        if (gas) {
            if (in.gas) {
                m.properties.push_back({"Pressure (incoming)", in.gas->pressure});
                m.properties.push_back({"Inlet temperature", in.gas->inletTemperature});
                m.properties.push_back({"Outlet temperature", in.gas->outletTemperature});
            } else {
                m.properties.push_back({"Gas data", "not recorded in the project file"});
            }
        }
        m.source = kAsEntered;
        if (gas && in.gas)
            m.source +=
                "; the gas data as the gas data window holds them now (the columns do "
                "not record them)";
        media.push_back(std::move(m));
    }
    for (std::size_t i = 0; i < media.size(); ++i) media[i].columns = columnList(columns[i]);
    return media;
}

std::vector<ReportSource> sourcesOf(const ReportInput& in) {
    const CalculationTable& t = *in.table;
    std::map<std::string, std::vector<int>> used;  // key -> columns
    std::vector<int> elementary, unknown, gasColumns;
    for (int col = 1; col <= t.calculationCount(); ++col) {
        const auto k = static_cast<std::size_t>(col - 1);
        if (t.cell(col, Row::Medium).ends_with("/gas.")) gasColumns.push_back(col);
        if (k >= in.columns.size() || !in.columns[k].kind) {
            unknown.push_back(col);
            continue;
        }
        const ElementKind kind = *in.columns[k].kind;
        const auto& all = kindSources();
        const auto entry = std::find_if(all.begin(), all.end(), [kind](const KindSources& s) {
            return s.kind.group == kind.group && s.kind.variant == kind.variant;
        });
        if (entry == all.end() || entry->sources.empty()) {
            elementary.push_back(col);
            continue;
        }
        const std::string regime = trimmed(t.cell(col, Row::Regime));
        for (const KindSource& s : entry->sources) {
            // A pipe names the friction law of the regime it was calculated in.
            if (regime == "turbulent" && (s.key == "hagen_poiseuille" || s.key == "laminar_shapes"))
                continue;
            if (regime == "laminar" && s.key == "colebrook") continue;
            auto& list = used[s.key];
            if (list.empty() || list.back() != col) list.push_back(col);
        }
    }
    if (!gasColumns.empty()) used["gas"] = gasColumns;
    std::vector<ReportSource> out;
    for (const PublishedSource& s : publishedSources())
        if (const auto u = used.find(s.key); u != used.end())
            out.push_back({s.usedFor, s.reference, columnsPhrase(u->second)});
    if (!elementary.empty())
        out.push_back({"Elementary physics, no correlation", "", columnsPhrase(elementary)});
    if (!unknown.empty())
        out.push_back({"Element not known to this version", "no source can be named",
                       columnsPhrase(unknown)});
    if (in.diagram && in.diagram->pump) {
        const PumpOnCurve& p = *in.diagram->pump;
        out.push_back({"Pump characteristic",
                       "The points of the pump file " + fileName(p.file) +
                           (p.name.empty() ? std::string() : " (" + p.name + ")") +
                           ", interpolated monotonely after F. N. Fritsch, R. E. Carlson: "
                           "Monotone piecewise cubic interpolation. SIAM Journal on Numerical "
                           "Analysis 17 (1980), pp. 238-246.",
                       "the diagram"});
        out.push_back({"Operating point",
                       "Pump head equal to the system head, solved by Brent's method: R. P. "
                       "Brent: Algorithms for Minimization without Derivatives, Prentice-Hall "
                       "1973, chapter 4.",
                       "the diagram"});
    }
    if (!in.secondOpinion.empty())
        out.push_back({"Published methods of the second opinion",
                       "Crane Technical Paper No. 410, W. B. Hooper's 2-K and R. Darby's 3-K "
                       "methods, Rennels, Idelchik, Miller and ISO 5167, as the program's table of "
                       "published methods gives them (tolvane-cli methods).",
                       "the checks"});
    out.push_back({"Properties of the medium and roughness",
                   "As entered; the table does not record where they came from.", "every column"});
    return out;
}

std::vector<std::string> diagramLinesOf(const ReportDiagram& d) {
    std::vector<std::string> lines;
    if (!d.pump) return lines;
    const PumpOnCurve& p = *d.pump;
    const std::string unit = d.diagram.curve.flowUnitText;
    const std::string file = fileName(p.file);
    lines.push_back("Pump: " + (p.name.empty() ? file : p.name + " (" + file + ")"));
    lines.push_back("Static head: " + formatSignificant(p.side.staticHead) +
                    " m; pressure difference of the end vessels: " +
                    formatSignificant(p.side.pressureDifference) + " bar; density " +
                    formatSignificant(p.density) + " kg/m³");
    if (const auto& op = p.operating.point) {
        std::string line = "Operating point: rate of flow " +
                           formatSignificant(op->flow / p.flowFactor) + " " + unit + ", head " +
                           formatSignificant(op->head) + " m";
        if (op->efficiency) line += ", efficiency " + formatSignificant(*op->efficiency, 3) + " %";
        if (op->npshr) line += ", NPSH required " + formatSignificant(*op->npshr) + " m";
        if (op->power) line += ", shaft power " + formatSignificant(*op->power) + " kW";
        lines.push_back(line);
    } else {
        lines.push_back("No operating point: " + p.operating.problem);
    }
    for (const std::string& w : p.warnings) lines.push_back("Note: " + w);
    for (const std::string& w : p.operating.warnings) lines.push_back("Note: " + w);
    return lines;
}

}  // namespace

std::string formatSignificant(double x, int digits) {
    if (!std::isfinite(x)) return "-";
    if (x == 0.0) return "0";
    char text[64];
    const double a = std::fabs(x);
    std::to_chars_result written;
    if (a >= 1e-6 && a < 1e10) {
        const int exponent = static_cast<int>(std::floor(std::log10(a)));
        const int decimals = std::max(0, digits - 1 - exponent);
        written = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, decimals);
    } else {
        written =
            std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, digits - 1);
    }
    return std::string(text, written.ptr);
}

std::string checkSource(const std::string& code) {
    static const std::map<std::string, std::string> known = {
        {"gas-pressure-drop",
         "Crane Technical Paper No. 410: a loss computed at the mean density holds up to 10 % "
         "of the inlet pressure, with care up to 40 %."},
        {"gas-line-pressure",
         "Crane Technical Paper No. 410 (as gas-pressure-drop), for the gas columns together."},
        {"mach",
         "Speed of sound of an ideal gas, c = √(κ·p/ρ) with κ = 1.4; a gas flows as an "
         "incompressible fluid up to about Mach 0.2."},
        {"transition",
         "Transition range of pipe flow, Re 2000 to 4000, in which neither the laminar nor the "
         "turbulent law holds for certain."},
        {"velocity", "Usual design velocities of lines: 3 m/s for a liquid, 30 m/s for a gas."},
        {"laminar-fitting",
         "Fixed resistance coefficients are measured in turbulent flow; below Re 2000 the loss "
         "grows like 1/Re (the K1/Re term of W. B. Hooper's 2-K method, Chemical Engineering, "
         "August 1981)."},
        {"correlation-range",
         "The range the element's rule was made for (ISO 5167-2 for the orifice, the tables of "
         "the program for nozzles, valves and bends)."},
        {"cavitation",
         "Cavitation index σ = (p downstream − p vapour)/Δp after J. P. Tullis, Hydraulics of "
         "Pipelines (Wiley 1989): below 2 a caution, below 1 a warning."},
        {"mixed-media", "A sum over several media is no pressure drop of one line."},
    };
    const auto found = known.find(code);
    if (found != known.end()) return found->second;
    return "Help page checks.html#" + code;
}

PumpOnCurve pumpOnCurve(const PlantCurve& curve, const PumpCurve& pump, const SystemSide& side,
                        double density, double flowFactor, const DropAtFlow& drop) {
    PumpOnCurve out;
    out.name = pump.data().name;
    out.side = side;
    out.density = density;
    out.flowFactor = flowFactor;
    const double toShown = curve.system == OutputSystem::US ? 1.0 / kBarPerPsi : 1.0;
    // The pump's own range of flows, as far as the curve reaches.
    const double from = std::max(curve.start, pump.minFlow() / flowFactor);
    const double to = std::min(curve.end, pump.maxFlow() / flowFactor);
    constexpr int kSamples = 60;
    if (to > from)
        for (int i = 0; i <= kSamples; ++i) {
            const double q = from + (to - from) * i / kSamples;
            const auto head = pump.head(q * flowFactor);
            if (!head) continue;
            const double bar =
                pressureOfHead(*head - side.staticHead, density) - side.pressureDifference;
            out.pressureForPlant.push_back({q, bar * toShown});
        }
    out.operating = findOperatingPoint(pump, side, density, drop);
    return out;
}

CalculationReport buildReport(const ReportInput& in) {
    CalculationReport r;
    r.title = in.settings.title;
    r.include = in.settings.include;
    r.projectName = in.projectName;
    r.version = in.version;
    const CalculationTable& t = *in.table;
    const Units units = unitsOf(in.system);
    r.velocityUnit = units.velocity;
    r.pressureUnit = units.pressure;
    r.media = mediaOf(in);

    double sum = 0.0;
    bool allPrecise = true;
    for (int col = 1; col <= t.calculationCount(); ++col) {
        const auto k = static_cast<std::size_t>(col - 1);
        const ReportColumnInput column =
            k < in.columns.size() ? in.columns[k] : ReportColumnInput{};
        r.rows.push_back(rowOf(t, col, column, units));
        if (column.precise) {
            sum += column.precise->pressureDrop * units.perBar;
        } else {
            allPrecise = false;
            sum += cellNumber(t.cell(col, Row::PressureDrop));
        }
    }
    const double bar = sum / units.perBar;
    r.total = formatSignificant(sum) + " " + units.pressure + " = " +
              (in.system == OutputSystem::US ? formatSignificant(bar / kBarPerPsi) + " psi"
                                             : formatSignificant(bar) + " bar");
    r.tableTotal = t.totalText();
    if (!allPrecise) r.notes.push_back(kFromTableNote);

    for (const checks::Diagnostic& d : in.diagnostics)
        r.checks.push_back({d.column > 0 ? "column " + std::to_string(d.column) : "line",
                            severityText(d.severity), d.code, d.text, checkSource(d.code)});
    r.secondOpinion = in.secondOpinion;
    r.diagram = in.diagram;
    if (in.diagram)
        r.diagramLines = diagramLinesOf(*in.diagram);
    else if (!in.diagramProblem.empty())
        r.diagramLines.push_back(in.diagramProblem);
    r.sources = sourcesOf(in);
    return r;
}

}  // namespace tolvane::report

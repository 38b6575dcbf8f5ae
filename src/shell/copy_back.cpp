#include "shell/copy_back.h"

#include <cmath>

#include "results/column_reading.h"

#include "shell/element_catalogue.h"
#include "shell/element_panel.h"
#include "base/number_format.h"

namespace tolvane {

namespace {

std::string before(const std::string& text, std::size_t pos) {
    return pos == std::string::npos ? text : text.substr(0, pos);
}
std::string after(const std::string& text, std::size_t pos, std::size_t skip) {
    return pos == std::string::npos ? std::string() : text.substr(pos + skip);
}

// "Diameter of pipe D in mm: 100.000" -> "100.000"
std::string valueOf(const std::string& row) { return textAfter(row, ": "); }

// "Diameter of pipe D in mm: 100.000" -> "mm"
std::string unitOf(const std::string& row) {
    const std::string head = textBefore(row, ":");
    return after(head, head.rfind(" in "), 4);
}

void selectByText(UnitBox& box, const std::string& text) {
    for (std::size_t i = 0; i < box.items.size(); ++i)
        if (box.items[i] == text) box.index = static_cast<int>(i);
}

// The selected item of an option row "<caption> <item>". The caption of most
// groups ends in a blank, the rectangular bend's does not, so the item is
// whatever follows the caption and its separating blank.
std::string optionItemOf(const std::string& row, const std::string& caption) {
    const std::string prefix = caption + " ";
    if (!caption.empty() && row.compare(0, prefix.size(), prefix) == 0)
        return row.substr(prefix.size());
    const std::size_t colon = row.find(':');
    return colon == std::string::npos || colon + 3 > row.size() ? std::string()
                                                                : row.substr(colon + 3);
}

const std::string kSurfaceCaption = "The Surface of Pipe is:";

}  // namespace

bool CopyToEditWindows(FormState& form, const CalculationTable& table, int col, OutputSystem output,
                       int decimals) {
    if (col < 1 || col >= table.trailingColumn()) return false;
    const CalculationColumn& c = table.column(col);

    const std::string& elementRow = c[Row::Element];
    const auto kind = kindByVariantName(textBefore(elementRow, "/"));
    if (!kind) return false;

    chooseElementKind(form, *kind);
    ElementPanel& panel = form.element;
    panel.quantity = textAfter(elementRow, "/");

    for (std::size_t r = 0; r < 4; ++r) panel.rows[r].text = valueOf(c[8 + r]);
    for (std::size_t r = 0; r < 3; ++r)
        if (panel.rows[r].unit.visible) selectByText(panel.rows[r].unit, unitOf(c[8 + r]));

    setFlowKind(form, 0);
    setViscosityKind(form, 0);
    const bool metric = output == OutputSystem::Metric;
    selectByText(form.medium.flowUnit, metric ? "m³/h" : "gal/min");
    selectByText(form.medium.densityUnit, metric ? "kg/m³" : "lb./cu.ft.");
    selectByText(form.medium.viscosityUnit, metric ? "10-6 kg/ms" : "cP");
    syncBranchFlowUnit(form);

    const KindSpec& spec = kindSpec(*kind);
    if (*kind == Kind::RectangularBend) {
        form.extra.surface = optionItemOf(c[Row::Option], kSurfaceCaption) == "smooth" ? 0 : 1;
    } else if (!spec.optionCaption.empty()) {
        panel.option.selected =
            optionItemOf(c[Row::Option], spec.optionCaption) == spec.optionItems[0] ? 0 : 1;
    }

    if (isBranchKind(*kind)) {
        const double d1 = cellNumber(valueOf(c[Row::Dimension1])),
                     d2 = cellNumber(valueOf(c[Row::Dimension2]));
        const double w1 = cellNumber(c[Row::Velocity]), w2 = cellNumber(c[Row::Velocity2]);
        const double r = (d1 / d2) * (d1 / d2) * w1 / w2;
        if (std::isfinite(r) && r > 0)
            form.extra.branchFlow = formatFixed(cellNumber(c[Row::RateOfFlow]) / r, decimals);
    }

    const std::string& mediumRow = c[Row::Medium];
    const std::size_t mediumSlash = mediumRow.rfind('/');
    form.medium.name = before(mediumRow, mediumSlash);
    form.medium.gas = after(mediumRow, mediumSlash, 1) != "liq.";
    form.medium.flow = c[Row::RateOfFlow];
    form.medium.density = c[Row::Density];
    form.medium.viscosity = c[Row::Viscosity];
    return true;
}

}  // namespace tolvane

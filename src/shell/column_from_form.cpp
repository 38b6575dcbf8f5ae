#include "shell/column_from_form.h"

#include <algorithm>
#include <array>

#include "shell/element_catalogue.h"

namespace tolvane {

namespace {

std::string optionText(const FormState& form) {
    static const std::array<std::string, 2> kSurface = {"smooth", "rough"};
    if (form.element.kind == Kind::RectangularBend) {
        const int i = std::clamp(form.extra.surface, 0, 1);
        return std::string("The Surface of Pipe is:") + " " + kSurface[i];
    }
    const OptionGroup& option = form.element.option;
    std::string item;
    if (option.visible && option.selected >= 0 && option.selected < 2) {
        item = option.items[option.selected];
    }
    return (option.visible ? option.caption : std::string()) + " " + item;
}

}  // namespace

ColumnDescription describeColumn(const FormState& form) {
    ColumnDescription column;
    column.kind = form.element.kind;
    column.kindName = kindSpec(form.element.kind).variantName;
    column.mediumName = form.medium.name;
    column.gas = form.medium.gas;
    column.quantity = form.element.quantity;
    for (std::size_t i = 0; i < column.rows.size(); ++i) {
        const ElementRow& row = form.element.rows[i];
        column.rows[i] = {row.label, row.text, row.unit.visible, row.metricUnitName,
                          row.usUnitName};
    }
    column.optionText = optionText(form);
    return column;
}

}  // namespace tolvane

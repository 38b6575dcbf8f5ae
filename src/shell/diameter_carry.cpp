#include "shell/diameter_carry.h"

#include <filesystem>

#include "base/input_number.h"
#include "base/number_format.h"
#include "shell/element_catalogue.h"
#include "shell/element_panel.h"

namespace tolvane {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kInchPosition = 1;  // "in." follows "mm" in the unit box

}  // namespace

std::string optionsFilePath(const std::string& settingsPath) {
    return (std::filesystem::path(settingsPath).parent_path() / kOptionsFileName).string();
}

bool firstFieldIsDiameter(ElementKind kind) {
    const RowSpec& first = kindSpec(kind).rows[0];
    return first.unit == RowUnit::MM && first.label.rfind("Diameter", 0) == 0;
}

void DiameterMemory::note(const ElementPanel& panel) {
    if (!firstFieldIsDiameter(panel.kind)) return;
    const ElementRow& first = panel.rows[0];
    if (first.text.find_first_not_of(' ') == std::string::npos) return;
    last_ = TypedDiameter{first.text, first.unit.index};
}

std::optional<std::string> diameterText(const TypedDiameter& diameter, int unit) {
    if (diameter.unit == unit) return diameter.text;
    const std::optional<double> value = readNumber(diameter.text);
    if (!value) return std::nullopt;
    const double mm = diameter.unit == kInchPosition ? *value * kMillimetresPerInch : *value;
    std::string text = formatFixed(unit == kInchPosition ? mm / kMillimetresPerInch : mm, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

void chooseElementKind(FormState& form, ElementKind kind, DiameterMemory& memory, bool keep) {
    memory.note(form.element);
    chooseElementKind(form, kind);
    if (!keep || !memory.last() || !firstFieldIsDiameter(kind)) return;
    ElementRow& first = form.element.rows[0];
    if (auto text = diameterText(*memory.last(), first.unit.index)) first.text = *text;
}

}  // namespace tolvane

#include "results/short_display.h"

#include <algorithm>

#include <utility>

namespace tolvane {

namespace {
bool isLine(const CalculationTable& table, int line) {
    return line >= 1 && line <= table.calculationCount();
}
}  // namespace

std::array<std::string, kShortDisplayColumns> shortDisplayHeadings(OutputSystem system) {
    return {"No.", "Element/quant.", "Specification",
            system == OutputSystem::US ? "dp/psi" : "dp/bar"};
}

std::vector<ShortDisplayLine> shortDisplayLines(const CalculationTable& table) {
    std::vector<ShortDisplayLine> lines;
    lines.reserve(static_cast<std::size_t>(table.calculationCount()));
    for (int k = 1; k <= table.calculationCount(); ++k)
        lines.push_back(
            {{std::to_string(k), table.cell(k, Row::Element), table.cell(k, Row::Specification),
              table.cell(k, Row::PressureDropLarge)}});
    return lines;
}

std::string shortDisplayTotal(const CalculationTable& table) {
    return "Total pressure drop: " + table.totalText();
}

int moveLineUp(CalculationTable& table, int line) {
    if (!isLine(table, line) || line <= 1) return line;
    table.moveColumn(line, line - 1);
    return line - 1;
}

int moveLineDown(CalculationTable& table, int line) {
    if (!isLine(table, line) || line >= table.calculationCount()) return line;
    table.moveColumn(line, line + 1);
    return line + 1;
}

bool deleteLine(CalculationTable& table, int line, OutputSystem system, int decimals) {
    if (!isLine(table, line)) return false;
    return table.deleteColumn(line, system, decimals);
}

bool setLineSpecification(CalculationTable& table, int line, std::string text) {
    if (!isLine(table, line)) return false;
    table.setCell(line, Row::Specification, std::move(text));
    return true;
}

std::vector<std::string> shortDisplayMedia(const CalculationTable& table) {
    std::vector<std::string> media;
    for (int col = 1; col <= table.calculationCount(); ++col)
        media.push_back(table.cell(col, Row::Medium));
    return media;
}

std::vector<std::string> tableMedia(const CalculationTable& table) {
    std::vector<std::string> media;
    for (int col = 1; col <= table.calculationCount(); ++col) {
        const std::string& medium = table.cell(col, Row::Medium);
        if (std::find(media.begin(), media.end(), medium) == media.end()) media.push_back(medium);
    }
    return media;
}

std::string mixedMediaNote(const CalculationTable& table) {
    const std::vector<std::string> media = tableMedia(table);
    if (media.size() < 2) return {};
    std::string note = "adds columns of " + std::to_string(media.size()) + " media: ";
    for (std::size_t i = 0; i < media.size(); ++i) note += (i ? ", " : "") + media[i];
    return note;
}

}  // namespace tolvane

#include "exports/table_sheet.h"

#include <map>
#include <optional>

namespace tolvane::exports {

namespace {

// The rows before the element, one column each (the spacer row has none).
constexpr int kLeadingRows[] = {Row::Number,  Row::Medium,    Row::RateOfFlow,
                                Row::Density, Row::Viscosity, Row::Specification};
// The rows whose cells name their own quantity ("caption: value").
constexpr int kFirstDescribedRow = Row::Dimension1;
constexpr int kLastDescribedRow = Row::Option;
// The computed rows after them, one column each.
constexpr int kFirstResultRow = Row::Velocity;
constexpr int kLastResultRow = Row::PressureDropLarge;

std::string headingOf(const CalculationTable& table, int row) {
    std::string heading = table.cell(0, row);
    while (!heading.empty() && (heading.back() == ':' || heading.back() == ' ')) heading.pop_back();
    return heading;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

class SheetBuilder {
public:
    explicit SheetBuilder(const CalculationTable& table) : table_(table) {
        sheet_.name = "Calculation table";
        for (int row : kLeadingRows) fixed_[row] = sheet_.addColumn(headingOf(table, row));
        kindColumn_ = sheet_.addColumn("Element of pipe");
        quantityColumn_ = sheet_.addColumn("Quantity");
        // Dimension columns go between the quantity and the results; the
        // results are appended after all rows are known.
    }

    Sheet build() {
        const int n = table_.calculationCount();
        std::vector<std::vector<std::pair<std::string, SheetCell>>> described(
            static_cast<std::size_t>(n));
        for (int col = 1; col <= n; ++col) {
            auto& cells = described[static_cast<std::size_t>(col - 1)];
            for (int row = kFirstDescribedRow; row <= kLastDescribedRow; ++row)
                if (auto cell = describedCell(table_.cell(col, row))) cells.push_back(*cell);
            for (const auto& [caption, cell] : cells) columnFor(caption);
        }
        for (int row = kFirstResultRow; row <= kLastResultRow; ++row)
            fixed_[row] = sheet_.addColumn(headingOf(table_, row));

        sheet_.rows.reserve(static_cast<std::size_t>(n));
        for (int col = 1; col <= n; ++col) {
            std::vector<SheetCell> line(sheet_.headings.size());
            for (const auto& [row, index] : fixed_)
                line[static_cast<std::size_t>(index)] =
                    row == Row::Specification || row == Row::Medium || row == Row::Regime
                        ? textCell(table_.cell(col, row))
                        : cellOfText(table_.cell(col, row));
            const std::string& element = table_.cell(col, Row::Element);
            const std::size_t slash = element.rfind('/');
            line[static_cast<std::size_t>(kindColumn_)] = textCell(element.substr(0, slash));
            if (slash != std::string::npos)
                line[static_cast<std::size_t>(quantityColumn_)] =
                    textCell(element.substr(slash + 1));
            for (auto& [caption, cell] : described[static_cast<std::size_t>(col - 1)]) {
                SheetCell& target = line[static_cast<std::size_t>(captions_.at(caption))];
                if (target.kind == SheetCell::Kind::Empty) target = std::move(cell);
            }
            sheet_.rows.push_back(std::move(line));
        }

        if (n == 0) return std::move(sheet_);
        sheet_.totalRow.assign(sheet_.headings.size(), SheetCell{});
        sheet_.totalRow[static_cast<std::size_t>(fixed_.at(Row::Number))] =
            SheetCell::textCell(kTotalRowLabel);
        for (int row : {Row::PressureDrop, Row::PressureDropLarge}) {
            const int index = fixed_.at(row);
            sheet_.totalRow[static_cast<std::size_t>(index)] = {
                SheetCell::Kind::ColumnSum, {}, columnSum(sheet_, index)};
        }
        return std::move(sheet_);
    }

private:
    static SheetCell textCell(const std::string& text) {
        if (text.find_first_not_of(' ') == std::string::npos) return {};
        return SheetCell::textCell(text);
    }

    // "Diameter of pipe D in mm: 100.000" -> the caption and its value; the
    // fourth field ("<caption>: <text>") and the option line read the same
    // way. A text without a caption goes under the row heading's column.
    std::optional<std::pair<std::string, SheetCell>> describedCell(const std::string& text) const {
        if (trimmed(text).empty()) return std::nullopt;
        const std::size_t mark = text.find(": ");
        if (mark == std::string::npos || trimmed(text.substr(0, mark)).empty())
            return std::pair{headingOf(table_, kFirstDescribedRow), SheetCell::textCell(text)};
        // "The pipe entrance is:  crushed": the chosen item without its blanks.
        SheetCell cell = cellOfText(trimmed(text.substr(mark + 2)));
        if (cell.kind == SheetCell::Kind::Empty) return std::nullopt;
        return std::pair{trimmed(text.substr(0, mark)), std::move(cell)};
    }

    int columnFor(const std::string& caption) {
        const auto found = captions_.find(caption);
        if (found != captions_.end()) return found->second;
        // The known resistance's given coefficient is not the computed one.
        bool taken = false;
        for (int row = 0; row < kTableRows; ++row) taken |= headingOf(table_, row) == caption;
        const int index = sheet_.addColumn(taken ? caption + " (given)" : caption);
        captions_.emplace(caption, index);
        return index;
    }

    const CalculationTable& table_;
    Sheet sheet_;
    std::map<int, int> fixed_;  // table row -> sheet column
    std::map<std::string, int> captions_;
    int kindColumn_ = 0, quantityColumn_ = 0;
};

}  // namespace

Sheet tableSheet(const CalculationTable& table) { return SheetBuilder(table).build(); }

}  // namespace tolvane::exports

#include "shell/table_recalc.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "base/input_number.h"
#include "results/column_reading.h"
#include "shell/calculate_command.h"
#include "shell/copy_back.h"

namespace tolvane {

namespace {

// The shortest decimal number in [lo, hi] and its significant digits.
struct ShortDecimal {
    double value = 0.0;
    int digits = 99;
};
ShortDecimal shortestDecimalIn(double lo, double hi) {
    if (!(lo > 0.0) || !(hi >= lo) || !std::isfinite(hi)) return {};
    const int top = static_cast<int>(std::floor(std::log10(hi)));
    for (int e = top; e >= top - 15; --e) {
        const double step = std::pow(10.0, e);
        const double candidate = std::ceil(lo / step) * step;
        if (candidate <= hi)
            return {candidate, static_cast<int>(std::floor(std::log10(candidate))) - e + 1};
    }
    return {};
}

// The branch's share of the main flow in a branch column. The column records
// the branch flow only through the two diameters and velocities, each rounded
// to the table's decimal places: Q_branch / Q = (d2/d1)² w2/w1. Of all the
// shares the velocities' rounding allows, the one a person most likely typed is taken:
// the branch flow or the share with the fewest digits ("4" of "10" m³/h, or
// 0.4 when the table shows gal/min).
std::optional<double> columnBranchShare(const CalculationTable& table, int col, int decimals) {
    auto value = [&](int row) { return cellNumber(textAfter(table.cell(col, row), ": ")); };
    const double q = cellNumber(table.cell(col, Row::RateOfFlow));
    const double d1 = value(Row::Dimension1), d2 = value(Row::Dimension2);
    const double w1 = cellNumber(table.cell(col, Row::Velocity));
    const double w2 = cellNumber(table.cell(col, Row::Velocity2));
    const double share = d2 * d2 * w2 / (d1 * d1 * w1);
    if (!std::isfinite(share) || !(share > 0.0) || !(share < 1.0) || !(q > 0.0))
        return std::nullopt;
    const double h = 0.5 * std::pow(10.0, -decimals);
    // The diameters are taken as typed; the velocities are the rounded values.
    const double lo = d2 * d2 * (w2 - h) / (d1 * d1 * (w1 + h));
    const double hi = d2 * d2 * (w2 + h) / (d1 * d1 * (w1 - h));
    if (!(lo > 0.0) || !(hi < 1.0)) return share;
    const ShortDecimal typedShare = shortestDecimalIn(lo, hi);
    const ShortDecimal typedBranch = shortestDecimalIn(std::max(q - h, 0.0) * lo, (q + h) * hi);
    if (typedBranch.digits < typedShare.digits && typedBranch.value < q)
        return typedBranch.value / q;
    return typedShare.digits < 99 ? typedShare.value : share;
}

// The branch keeps its share of the main flow at the panel's rate of flow;
// both flows share the panel's unit, so the share needs no conversion.
std::string scaledBranchFlow(const CalculationTable& table, int col, int decimals,
                             const std::string& panelFlow, const std::string& readBack) {
    const auto share = columnBranchShare(table, col, decimals);
    const auto now = readNumber(panelFlow);
    if (!share || !now) return readBack;
    const double scaled = *now * *share;
    if (!std::isfinite(scaled)) return readBack;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, scaled).ptr;  // reads back exactly
    return std::string(text, end);
}

// The panels for column `col`: the element part as "To input" fills it, the
// medium and gas data as the session's panels show them (`form` holds them
// already). `scratch` is the panels "To input" writes into, kept from column to
// column so that its lists need not be built again.
bool formForColumn(FormState& form, FormState& scratch, const Session& session, int col) {
    scratch.extra = session.form.extra;
    if (!CopyToEditWindows(scratch, session.table, col, session.settings.output,
                           session.settings.decimals))
        return false;
    form.element = scratch.element;
    form.extra = scratch.extra;
    if (scratch.extra.flowWindowVisible)
        form.extra.branchFlow = scaledBranchFlow(session.table, col, session.settings.decimals,
                                                 form.medium.flow, scratch.extra.branchFlow);
    syncBranchFlowUnit(form);
    return true;
}

const char* const kNotReadBack =
    "The element of this column is none of the program's elements, so it cannot be read back.";

}  // namespace

std::vector<int> TableRecalc::refusedColumns() const {
    std::vector<int> refused;
    for (std::size_t k = 0; k < columns.size(); ++k)
        if (!columns[k].recalculated) refused.push_back(static_cast<int>(k) + 1);
    return refused;
}

TableRecalc RecalculateTable(const Session& session) {
    TableRecalc recalc{session.table, {}, session.roughness};
    const OutputSystem output = session.settings.output;
    const int decimals = session.settings.decimals;

    Session work;
    work.settings = session.settings;
    work.roughnessQuery = session.roughnessQuery;
    work.roughness = session.roughness;
    work.form = session.form;
    FormState scratch = session.form;
    CalculationTable blank;
    blank.writeHeadings(output, decimals);

    const int count = session.table.calculationCount();
    recalc.columns.reserve(static_cast<std::size_t>(count));
    for (int col = 1; col <= count; ++col) {
        ColumnRecalc& outcome = recalc.columns.emplace_back();
        if (!formForColumn(work.form, scratch, session, col)) {
            outcome.messages.push_back({MessageType::Error, kNotReadBack, {}});
            continue;
        }
        work.table = blank;
        work.table.setCell(1, Row::Specification, session.table.cell(col, Row::Specification));
        RecordingMessageSink messages;
        // The current roughness answers the query of every column that asks.
        const CalculateOutcome added = Calculate(
            work, messages, [&work]() -> std::optional<double> { return work.roughness; });
        outcome.recalculated = added.added;
        outcome.messages = std::move(messages.messages);
        if (added.added) recalc.table.replaceColumn(col, work.table.column(1));
    }
    recalc.table.updateTotal(output, decimals);
    recalc.roughness = work.roughness;
    return recalc;
}

namespace {

// A fresh session for one calculation with the panels, settings and roughness
// of `session`; its table holds only the headings and the trailing column.
Session calculationOf(const Session& session, const FormState& form) {
    Session work;
    work.form = form;
    work.settings = session.settings;
    work.roughnessQuery = session.roughnessQuery;
    work.roughness = session.roughness;
    work.lastResult = session.lastResult;
    work.table.writeHeadings(session.settings.output, session.settings.decimals);
    return work;
}

}  // namespace

CalculateOutcome ReplaceColumn(Session& session, int col, MessageSink& messages,
                               const RoughnessAsker& askRoughness) {
    if (col < 1 || col >= session.table.trailingColumn()) return {};
    Session work = calculationOf(session, session.form);
    work.table.setCell(1, Row::Specification, session.table.cell(col, Row::Specification));
    CalculateOutcome outcome = Calculate(work, messages, askRoughness);
    session.lastResult = work.lastResult;
    session.roughness = work.roughness;
    if (!outcome.added) return outcome;
    session.table.replaceColumn(col, work.table.column(1));
    session.table.updateTotal(session.settings.output, session.settings.decimals);
    session.projectSaved = false;
    return outcome;
}

std::string recalcQuestionText(const TableRecalc& recalc, const FormState& form) {
    const std::size_t refused = recalc.refusedColumns().size();
    const std::size_t count = recalc.columns.size();
    std::string text = "Recalculate " + std::to_string(count - refused) + " of " +
                       std::to_string(count) + " columns with the medium \"" + form.medium.name +
                       "\" at " + form.medium.flow + " " + form.medium.flowUnit.text() + "?";
    if (refused == 0) return text;
    return recalcRefusalText(recalc) + "\r\r" + text + " The others keep their texts.";
}

namespace {

// A message on one line: its own line breaks become blanks.
std::string oneLineOf(const std::string& text) {
    std::string line;
    for (char ch : text) {
        if (ch == '\r' || ch == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += ch;
        }
    }
    return line;
}

}  // namespace

std::string recalcNotesText(const TableRecalc& recalc) {
    std::string text;
    for (std::size_t k = 0; k < recalc.columns.size(); ++k) {
        const ColumnRecalc& c = recalc.columns[k];
        if (!c.recalculated) continue;
        for (const Message& m : c.messages)
            text += "\r" + std::to_string(k + 1) + ": " + oneLineOf(m.text);
    }
    return text.empty() ? text : "Notes on the recalculated columns:" + text;
}

std::string recalcRefusalText(const TableRecalc& recalc) {
    std::string text = "These columns cannot be recalculated with the current medium:";
    for (int col : recalc.refusedColumns()) {
        const ColumnRecalc& c = recalc.columns[static_cast<std::size_t>(col) - 1];
        std::string reason;
        for (const Message& m : c.messages)
            if (m.type != MessageType::Information) reason = m.text;
        if (reason.empty() && !c.messages.empty()) reason = c.messages.back().text;
        if (reason.empty()) reason = "the calculation is not possible.";
        text += "\r" + std::to_string(col) + ": " + oneLineOf(reason);
    }
    return text;
}

}  // namespace tolvane

// One calculation becomes one table column: formatResults turns the engine's
// result and the shown values into the result texts (fixed widths, fixed or
// exponent form), appendResultColumn writes them with the form's labels,
// units and option into the trailing empty column of the calculation table
// and adds a new empty column behind it.
#pragma once

#include <string>

#include "engine/flow_types.h"
#include "results/calculation_table.h"
#include "results/column_description.h"
#include "results/shown_values.h"
#include "base/messages_clipboard_files.h"

namespace tolvane {

// The result texts of the last calculation; a calculation overwrites the
// texts it computes and keeps the others.
struct ResultTexts {
    std::string reynolds, reynolds2;  // width 11
    std::string velocity, velocity2;  // width 10
    std::string frictionFactor;       // width 10, friction kinds only
    std::string zeta, zeta2;          // unlimited; zeta empty unless > 0
    std::string pressureDropBar;      // width 11
    std::string pressureDropMbar;     // width 11
    std::string pressureDrop2;        // width 11, branch kinds only
    std::string pressureDropPsi;      // width 11, US output only
    std::string pressureDropLbw;      // width 11, US output only
    bool operator==(const ResultTexts&) const = default;
};

// Number writers of the result texts (d = decimals):
// fixed form with d decimals cut to `width`; a value whose integer part does
// not fit the width is written in the exponent form instead (without its
// leading blank when the width is 10).
std::string fixedResultText(double x, int decimals, std::size_t width);
// Pressure drops and totals: fixed up to 9999, exponent form above, cut to 11
// (the exponent form keeps its leading blank).
std::string pressureText(double x, int decimals);
// Reynolds numbers: integer text up to 9999, exponent form above, cut to 11,
// first blank removed.
std::string reynoldsText(double x);

ResultTexts formatResults(const ElementResult& result, const ShownValues& shown, ElementKind kind,
                          OutputSystem system, int decimals, const ResultTexts& previous = {});

// Shows the transitional information message when 2200 <= Re <= kTurbulentFrom, then
// writes the trailing column of `table` and adds a new trailing column.
// The caller updates the total afterwards.
void appendResultColumn(CalculationTable& table, const ColumnDescription& column,
                        const ElementResult& result, const ShownValues& shown,
                        const ResultTexts& texts, OutputSystem system, int decimals,
                        MessageSink& messages);

}  // namespace tolvane

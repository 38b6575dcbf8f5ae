// The second opinion as the Checks window shows it: one line per column with
// published alternatives ("ζ 0.175 (this program) — Crane 0.23, ..."), and
// below it the line's range.
#pragma once

#include "checks/second_opinion.h"

class QLabel;
class QTableWidget;
class QWidget;

namespace tolvane {

QTableWidget* makeOpinionGrid(QWidget* parent);
void showOpinion(QTableWidget* grid, QLabel* range, const checks::SecondOpinion& opinion,
                 OutputSystem system, int decimals);

}  // namespace tolvane

// TChecksWindow, "Checks": the checks of the calculation table, one line
// each (column, severity, code, text), beside the table. A click on a line
// asks for its column to be selected in the table; the window never changes
// the table.
#pragma once

#include <QWidget>
#include <vector>

#include "checks/line_checks.h"
#include "checks/second_opinion.h"

class QLabel;
class QTableWidget;

namespace tolvane {

class TChecksWindow : public QWidget {
    Q_OBJECT
public:
    explicit TChecksWindow(QWidget* parent = nullptr);

    void showDiagnostics(const std::vector<checks::Diagnostic>& diagnostics);
    const std::vector<checks::Diagnostic>& diagnostics() const { return diagnostics_; }
    // Every column's coefficient by the published methods and the line's range.
    void showSecondOpinion(const checks::SecondOpinion& opinion, OutputSystem system, int decimals);

Q_SIGNALS:
    // A line of a calculation column was clicked (1..n).
    void columnChosen(int column);
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTableWidget* ChecksGrid = nullptr;
    QLabel* LabelSummary = nullptr;
    QTableWidget* OpinionGrid = nullptr;
    QLabel* LabelRange = nullptr;
    std::vector<checks::Diagnostic> diagnostics_;
};

}  // namespace tolvane

// TChecksWindow, "Checks": the checks of the calculation table, one line
// each (column, severity, code, text), beside the table. A click on a line
// asks for its column to be selected in the table; "&Limits..." asks for the
// limits of the checks; the window never changes the table. The current
// line names the help paragraph of its code for F1.
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
    // The dynamic property through which F1 finds a control's own topic
    // ("checks.html#velocity"); the list holds its current line's anchor there.
    void setHelpTopicProperty(const char* name);

Q_SIGNALS:
    // A line of a calculation column was clicked (1..n).
    void columnChosen(int column);
    void limitsRequested();
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showHelpAnchor(int row);

    QTableWidget* ChecksGrid = nullptr;
    QByteArray helpProperty_;
    QLabel* LabelSummary = nullptr;
    QTableWidget* OpinionGrid = nullptr;
    QLabel* LabelRange = nullptr;
    std::vector<checks::Diagnostic> diagnostics_;
};

}  // namespace tolvane

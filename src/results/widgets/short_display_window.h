// The short display "Calculation short display": a compact list beside the
// main window with one line per calculation of the table (number, element
// and quantity, the user's specification, the pressure drop) and the total.
// The user moves a calculation up or down, deletes one or types its
// specification here; every change is made on the session's calculation
// table through the core and announced with tableChanged(), and the window
// is rebuilt from the table whenever the table window announces a change.
#pragma once

#include <array>

#include <QWidget>

#include "results/print_service.h"
#include "results/short_display.h"
#include "shell/session.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tolvane {

class TKurzAnzeige : public QWidget {
    Q_OBJECT
public:
    explicit TKurzAnzeige(Session& session, QWidget* parent = nullptr);

    // Where the printout goes (the preview); without one nothing is printed.
    void setPrintService(PrintService* printer) { printer_ = printer; }

    QTableWidget* grid() const { return StringGrid1; }
    // The current line 1..n, 0 when there is none.
    int currentLine() const;
    void setCurrentLine(int line);
    std::array<int, kShortDisplayColumns> columnWidths() const;
    void setColumnWidths(const std::array<int, kShortDisplayColumns>& widths);

    // The line below the total that sums up the table's checks ("" hides it).
    void setChecksSummary(const QString& text);

    PrintSetup printSetup() const;
    Printout printout() const;

public Q_SLOTS:
    // The lines, the headings and the total read again from the table.
    void refresh();
    void RowUpClick();
    void RowDownClick();
    void DeleteClick();
    // "Print calculation short displa&y...": the preview, from which the
    // user prints or writes a PDF.
    void print();

Q_SIGNALS:
    // A line was moved, deleted or its specification typed: the table changed.
    void tableChanged();
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void specificationTyped(QTableWidgetItem* item);
    void afterChange(int currentLine);

    Session& session_;
    PrintService* printer_ = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelChecks = nullptr;  // the checks' summary below the total
    QPushButton* RowUpButton = nullptr;
    QPushButton* RowDownButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    bool refreshing_ = false;
};

}  // namespace tolvane

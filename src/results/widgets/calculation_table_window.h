// The calculation table window: a grid over the session's CalculationTable
// (one column per calculation, the heading texts as the fixed left column),
// the total pressure drop under it and a toolbar of ten buttons. The window
// never holds a result of its own; it shows the core table's texts and calls
// the core for every change (delete, reorder, zoom, widths, unit switch). The
// main window's "&Table" and "&View" menus call the same public slots.
#pragma once

#include <functional>
#include <optional>

#include <QFont>
#include <QWidget>

#include "base/messages_clipboard_files.h"
#include "results/column_fit.h"
#include "results/print_layout.h"
#include "results/print_service.h"
#include "shell/session.h"

class QAbstractScrollArea;
class QAction;
class QLabel;
class QTableView;
class QToolButton;

namespace tolvane {

class CalculationTableModel;
class TableUndo;
class TZellbreiteDlg;

// The table's font on the screen and back; the colour is a Windows colour
// value (0x00BBGGRR).
QFont toQFont(const TableFont& font);
TableFont fromQFont(const QFont& font, int color);

class TAusgabe_Fenster : public QWidget {
    Q_OBJECT
public:
    TAusgabe_Fenster(Session& session, MessageSink& messages, Clipboard& clipboard,
                     QWidget* parent = nullptr);
    ~TAusgabe_Fenster() override;

    // Table column (1 .. ColCount()-1) of the left edge of the grid selection;
    // the current cell's column when nothing is selected, else column 1.
    int selectedColumn() const;
    // Table column of the grid's current cell (column 1 when there is none).
    int currentColumn() const;
    bool hasValues() const { return session_.table.hasValues(); }
    // "Copy to &edit-windows" applies: the current column is a calculation.
    bool canCopyToEditWindows() const;

    QTableView* grid() const { return StringGrid1; }
    CalculationTableModel* model() const { return model_; }

    // The font dialog; replaced in tests. Returns nothing when cancelled.
    std::function<std::optional<QFont>(const QFont& current, QWidget* parent)> chooseFont;

    static constexpr int kMaximumColumnWidth = tolvane::kMaximumColumnWidth;

    // Where the printout goes (the preview); without one the print button
    // stays off.
    void setPrintService(PrintService* printer);
    // Where the table's changes are kept for undo; the table is shown again
    // after each undo and redo.
    void setUndo(TableUndo* undo);
    // Commands of other windows offered in the grid's context menu.
    void addContextActions(const QList<QAction*>& actions);
    PrintSetup printSetup() const;
    Printout printout() const;
    // Pages that follow the table's own in its printout (the checks of the
    // table): drawn after the last table page, each starting with a new
    // page of its own; the table's pages stay as they are.
    using PrintAppendix = std::function<void(PrintCanvas& canvas, const PrintTexts& texts)>;
    void setPrintAppendix(PrintAppendix appendix) { appendix_ = std::move(appendix); }

public Q_SLOTS:
    // After Calculate appended a column: new columns shown, total, buttons,
    // the new column scrolled into view.
    void refresh();
    // After a new or opened project replaced the whole table: everything read
    // again (cells, widths, row height, font, caption), buttons by the values.
    void reloadTable();
    // Caption from the session's project name.
    void updateCaption();
    void deleteSelectedColumn();
    void zoomIn();
    void zoomOut();
    void changeFont();
    void changeColumnWidth();
    // Table column `tableColumn` (the heading column too) to its longest text;
    // one undo step.
    void fitColumnWidth(int tableColumn);
    void fitAllColumns();
    void copyToClipboard();
    void copyToEditWindows();
    // The unit system setting changed: the core rewrites every column.
    // False (after a message) when a value cannot be shown in the new units;
    // the table then stays as it was.
    bool convertUnits(tolvane::OutputSystem system, int decimals);
    // "&Print table...": the preview, from which the user prints or writes a PDF.
    void printTable();
    // The table was changed elsewhere (the short display): shown again.
    void showTableChanges();

Q_SIGNALS:
    void openProjectRequested();
    void saveProjectRequested();
    // The main window copies this table column back into its input fields.
    void copyToEditWindowsRequested(int tableColumn);
    // The current cell moved: `tableColumn` is a calculation column, or 0.
    void currentCalculationChanged(int tableColumn);
    // Columns deleted, reordered or converted, or the total changed: the short
    // display reads the table again.
    void tableChanged();
    void specificationEdited(int tableColumn);
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();
    void storeColumnWidth(int modelColumn, int width);
    void showColumnWidth(int tableColumn);
    void showWidthMenu(QAbstractScrollArea* area, const QPoint& at);
    void columnMoved(int logical, int oldVisual, int newVisual);
    void updateTotalLabel();
    void enableValueButtons(bool enable);
    void updateCopyBackButton();
    int widthOf(int tableColumn) const;
    void changed(const char* text, int mergeKey = 0);

    Session& session_;
    MessageSink& messages_;
    Clipboard& clipboard_;
    PrintService* printer_ = nullptr;
    TableUndo* undo_ = nullptr;
    CalculationTableModel* model_ = nullptr;
    QTableView* StringGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* mixedMedia_ = nullptr;  // beside the total when it adds several media
    QLabel* Label_Summe = nullptr;
    // The toolbar buttons whose state follows the table.
    QToolButton* printButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QToolButton* copyButton_ = nullptr;
    QToolButton* copyBackButton_ = nullptr;
    TZellbreiteDlg* ZellbreiteDlg = nullptr;
    // The grid's and the column header's context menu.
    QAction* fitColumnAction_ = nullptr;
    QAction* fitAllAction_ = nullptr;
    int menuColumn_ = 1;  // the table column the context menu was opened on
    bool applyingLook_ = false;
    PrintAppendix appendix_;
};

}  // namespace tolvane

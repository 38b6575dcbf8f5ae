// Undo and redo of the calculation table: each change (a new calculation, a
// delete, a move, a specification typed, a unit switch, widths, font, zoom)
// is kept on a QUndoStack as the table before and after it, and undo or redo
// puts one of them back. The windows change the table as before and then
// name the change here; restored() tells them to show the table again. The
// project counts as saved exactly while the stack stands at the state last
// saved, opened or begun.
#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "shell/session.h"
#include "shell/table_history.h"

class QUndoStack;

namespace tolvane {

class TableUndo : public QObject {
    Q_OBJECT
public:
    explicit TableUndo(Session& session, QObject* parent = nullptr);
    ~TableUndo() override;

    QUndoStack* stack() const { return stack_; }

    // The table has just been changed by the command `text`; kept for undo
    // unless nothing changed. Consecutive changes with the same nonzero
    // `mergeKey` (one column's width dragged pixel by pixel) are one step.
    void changed(const QString& text, int mergeKey = 0);
    // A new or opened project: nothing to undo, and the project is saved.
    void startOver();
    // The project was written: this state is the saved one.
    void markSaved();

    void undo();
    void redo();

    // Merge keys: a width drag of table column c is kWidthDragKey + c.
    static constexpr int kWidthDragKey = 1000;

Q_SIGNALS:
    // Undo or redo replaced the session's table: show it again.
    void restored();

private:
    class Step;
    void restore(const std::shared_ptr<const TableSnapshot>& snapshot);

    Session& session_;
    QUndoStack* stack_;
    TableSnapshots snapshots_;
    std::shared_ptr<const TableSnapshot> current_;
    bool restoring_ = false;
};

}  // namespace tolvane

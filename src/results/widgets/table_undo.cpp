#include "results/widgets/table_undo.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace tolvane {

// One change: the table before and after it.
class TableUndo::Step : public QUndoCommand {
public:
    Step(TableUndo& owner, const QString& text, int mergeKey,
         std::shared_ptr<const TableSnapshot> before, std::shared_ptr<const TableSnapshot> after)
        : QUndoCommand(text),
          owner_(owner),
          mergeKey_(mergeKey),
          before_(std::move(before)),
          after_(std::move(after)) {}

    // The change is already made when the step is pushed.
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        owner_.restore(after_);
    }
    void undo() override { owner_.restore(before_); }
    int id() const override { return mergeKey_ == 0 ? -1 : mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        after_ = next->after_;
        setObsolete(sameTable(*before_, *after_));
        return true;
    }

private:
    TableUndo& owner_;
    int mergeKey_;
    bool first_ = true;
    std::shared_ptr<const TableSnapshot> before_, after_;
};

TableUndo::TableUndo(Session& session, QObject* parent)
    : QObject(parent), session_(session), stack_(new QUndoStack(this)) {
    current_ = snapshots_.take(session_);
    connect(stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { session_.projectSaved = clean; });
}

TableUndo::~TableUndo() {
    // The steps refer to this object, so they go first, and quietly: the
    // windows that listen to the stack may be half destroyed by now.
    stack_->blockSignals(true);
    delete stack_;
}

void TableUndo::changed(const QString& text, int mergeKey) {
    if (restoring_) return;
    auto before = current_;
    auto after = snapshots_.take(session_);
    if (sameTable(*before, *after)) return;
    current_ = after;
    stack_->push(new Step(*this, text, mergeKey, std::move(before), std::move(after)));
}

void TableUndo::startOver() {
    stack_->clear();
    current_ = snapshots_.take(session_);
    session_.projectSaved = true;
}

void TableUndo::markSaved() {
    stack_->setClean();
    session_.projectSaved = true;
}

void TableUndo::undo() { stack_->undo(); }
void TableUndo::redo() { stack_->redo(); }

void TableUndo::restore(const std::shared_ptr<const TableSnapshot>& snapshot) {
    restoring_ = true;
    restoreTable(session_, *snapshot);
    snapshots_.sharingWith(snapshot);
    Q_EMIT restored();
    // The windows may have settled widths while showing the table again;
    // the state they show is the one the next change starts from.
    current_ = snapshots_.take(session_);
    restoring_ = false;
}

}  // namespace tolvane

#pragma once

#include "editor/EditHistory.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <string>

namespace tq58 {

// The window's undo history: the core history of the settings record behind a QUndoStack,
// which gives the Edit menu its texts. Edits are committed once the event that made them is
// handled, so that an edit and its follow-ups are one step.
class UndoSteps : public QObject {
    Q_OBJECT

public:
    UndoSteps(SettingsRecord& settings, QObject* parent = nullptr);

    // Replaced data: a new history; saved tells whether the data is as in its file.
    void Reset(bool saved);
    // The record changed on the node's page: a commit follows once the event is handled.
    void Touched(const std::string& nodeKey);
    // Commits what changed now, under the name given (or one made from the changes).
    void Commit(const std::string& nodeKey, const StepName& name = {});
    // Commits what is left to commit, on the node where it was changed.
    void CommitTouched();
    void MarkSaved();
    bool AtSaved() const { return history_.AtSaved(); }
    const EditHistory& History() const { return history_; }
    QUndoStack& Stack() { return stack_; }
    const QUndoStack& Stack() const { return stack_; }

    // The command's own undo and redo; the stack calls them.
    void UndoStep();
    void RedoStep();

signals:
    // A step was undone or redone: its node's page and the tree are to show the record.
    void StepApplied(const EditStep& step);

private:
    void Push(Committed committed);

    SettingsRecord& settings_;
    EditHistory history_;
    QUndoStack stack_;
    bool touched_ = false;
    std::string touchedKey_;
};

} // namespace tq58

// The main window's undo and redo: every change of the record is a step of the history, and
// undoing one goes back to the node where it was made.
#include "gui/MainWindow.h"
#include "gui/editor/EditorFrame.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace tq58 {

void MainWindow::ConnectUndo() {
    QUndoStack& stack = undo_.Stack();
    connect(menus_.EditUndo, &QAction::triggered, this, &MainWindow::UndoEdit);
    connect(menus_.EditRedo, &QAction::triggered, this, &MainWindow::RedoEdit);
    connect(&stack, &QUndoStack::canUndoChanged, menus_.EditUndo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, menus_.EditRedo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, menus_.EditUndo, [this](const QString& text) {
        menus_.EditUndo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(&stack, &QUndoStack::redoTextChanged, menus_.EditRedo, [this](const QString& text) {
        menus_.EditRedo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    menus_.EditUndo->setEnabled(false);
    menus_.EditRedo->setEnabled(false);
    connect(&undo_, &UndoSteps::StepApplied, this, &MainWindow::ShowStep);
}

// The field would take these keys for its own undo; the window claims them at the override
// and runs its command when the key arrives.
bool MainWindow::HandleHistoryKey(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if ((!override && event->type() != QEvent::KeyPress) || !field || field->window() != this) {
        return false;
    }
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* action : {menus_.EditUndo, menus_.EditRedo}) {
        if (action->shortcuts().contains(pressed)) {
            event->accept();
            if (!override) {
                action->trigger();
            }
            return true;
        }
    }
    return false;
}

void MainWindow::SetDataChanged(bool changed) {
    document_.SetChanged(changed);
    if (changed && !eventsSuspended_) {
        undo_.Touched(editor_->CurrentKey());
    }
}

void MainWindow::CommitStep(const StepName& name) {
    undo_.Commit(editor_->CurrentKey(), name);
    document_.SetChanged(!undo_.AtSaved());
}

// A step made on the page shown goes back at once, whatever the page check would say of the
// record it brings back (an entry still being typed there is dropped with the page's refill).
// A step of another page first asks the page shown whether it may be left.
void MainWindow::UndoEdit() {
    undo_.CommitTouched();
    if (MayLeaveFor(undo_.History().UndoKey())) {
        undo_.Stack().undo();
    }
}

void MainWindow::RedoEdit() {
    undo_.CommitTouched();
    if (MayLeaveFor(undo_.History().RedoKey())) {
        undo_.Stack().redo();
    }
}

bool MainWindow::MayLeaveFor(const std::string& nodeKey) {
    if (nodeKey == editor_->CurrentKey()) {
        return true;
    }
    const bool leaves = ValidateCurrentPage();
    undo_.CommitTouched();
    return leaves;
}

void MainWindow::ShowStep(const EditStep& step) {
    if (ChangesGroupsInUse(step.Changes)) {
        editor_->RebuildTree();
    } else {
        editor_->RefreshTreeTexts();
    }
    // A node the tree no longer has: the page shown is filled again.
    editor_->ResetTo(step.NodeKey);
    if (editor_->CurrentKey() != step.NodeKey) {
        editor_->ShowCurrentPage();
    }
    document_.SetChanged(!undo_.AtSaved());
}

} // namespace tq58

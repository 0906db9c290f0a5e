#include "gui/UndoSteps.h"

#include "gui/Translations.h"

#include <QTimer>

namespace tq58 {

namespace {

// One history step on the stack. Pushing runs redo() once, which finds the step already made;
// a merge or a drop was decided by the core history before the push.
class StepCommand : public QUndoCommand {
public:
    StepCommand(UndoSteps& steps, const QString& text, Committed committed)
        : QUndoCommand(text), steps_(steps), committed_(committed) {}

    int id() const override { return 1; }
    void undo() override { steps_.UndoStep(); }
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        steps_.RedoStep();
    }
    bool mergeWith(const QUndoCommand* other) override {
        const auto committed = static_cast<const StepCommand*>(other)->committed_;
        setObsolete(committed == Committed::Dropped);
        return committed != Committed::Added;
    }

private:
    UndoSteps& steps_;
    Committed committed_;
    bool pushed_ = false;
};

// The step's name in the user's language.
QString ShownName(const EditStep& step) {
    return Translated(step.Shown.Text, step.Shown.Count);
}

} // namespace

UndoSteps::UndoSteps(SettingsRecord& settings, QObject* parent)
    : QObject(parent), settings_(settings), stack_(this) {}

void UndoSteps::Reset(bool saved) {
    touched_ = false;
    history_.Reset(settings_, saved);
    stack_.clear();
}

void UndoSteps::Touched(const std::string& nodeKey) {
    if (touched_) {
        return;
    }
    touched_ = true;
    touchedKey_ = nodeKey;
    QTimer::singleShot(0, this, &UndoSteps::CommitTouched);
}

void UndoSteps::CommitTouched() {
    if (touched_) {
        Commit(touchedKey_);
    }
}

void UndoSteps::Commit(const std::string& nodeKey, const StepName& name) {
    touched_ = false;
    Push(history_.Commit(settings_, nodeKey, name));
}

void UndoSteps::Push(Committed committed) {
    if (committed != Committed::Nothing) {
        stack_.push(new StepCommand(*this, ShownName(*history_.UndoStep()), committed));
    }
}

void UndoSteps::MarkSaved() {
    CommitTouched();
    history_.MarkSaved();
    stack_.setClean();
}

void UndoSteps::UndoStep() {
    if (const EditStep* step = history_.Undo(settings_)) {
        emit StepApplied(*step);
    }
}

void UndoSteps::RedoStep() {
    if (const EditStep* step = history_.Redo(settings_)) {
        emit StepApplied(*step);
    }
}

} // namespace tq58

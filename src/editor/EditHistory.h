#pragma once

#include "editor/RecordChanges.h"
#include "editor/StepName.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// One undoable edit: the parts of the record it changed, before and after, and the node whose
// page it was made on.
struct EditStep {
    std::string Name; // in English
    StepName Shown;   // the name that the window translates
    std::string NodeKey;
    bool Typing = false;
    RecordChanges Changes;
};

// What a commit did with the changes it found.
enum class Committed {
    Nothing, // the record is as the last step left it
    Added,   // a new step; the steps that could have been redone are gone
    Merged,  // more typing in the field of the last step went into it
    Dropped, // that typing brought the field back: the last step is gone
};

// The undo history of the settings record. It keeps the record as the last step left it, so
// that a commit finds what the user changed since, and keeps only the changed parts.
class EditHistory {
public:
    // A new history for data that replaced the old data; saved: the data is as in its file.
    void Reset(const SettingsRecord& settings, bool saved);
    // Everything that changed since the last step becomes one step (or goes into the last
    // one, when it continues typing in the same field), named after the changes unless a
    // name is given.
    Committed Commit(const SettingsRecord& settings, const std::string& nodeKey,
                     const StepName& name = {});

    // The record must hold no changes that were not committed.
    const EditStep* Undo(SettingsRecord& settings);
    const EditStep* Redo(SettingsRecord& settings);
    bool CanUndo() const { return index_ > 0; }
    bool CanRedo() const { return index_ < steps_.size(); }
    // The step that Undo would take back; none when there is none.
    const EditStep* UndoStep() const;
    // The node of the step that Undo or Redo would apply; empty when there is none.
    std::string UndoKey() const;
    std::string RedoKey() const;

    void MarkSaved() { saved_ = index_; }
    // The record is as it was when it was saved, opened or made.
    bool AtSaved() const { return saved_ == index_; }

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t Index() const { return index_; }
    // The memory the steps hold.
    std::size_t HeldBytes() const;

private:
    Committed Add(EditStep step);
    bool ContinuesTyping(const EditStep& step) const;

    SettingsRecord baseline_;
    std::vector<EditStep> steps_;
    std::size_t index_ = 0;
    std::optional<std::size_t> saved_;
};

} // namespace tq58

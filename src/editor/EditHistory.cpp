#include "editor/EditHistory.h"

#include "editor/ChangeNames.h"

namespace tq58 {

void EditHistory::Reset(const SettingsRecord& settings, bool saved) {
    baseline_ = settings;
    steps_.clear();
    index_ = 0;
    saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
}

// Typing goes on in the field of the last step, which the user has not saved since.
bool EditHistory::ContinuesTyping(const EditStep& step) const {
    if (index_ == 0 || saved_ == index_ || !step.Typing || step.Changes.size() != 1) {
        return false;
    }
    const EditStep& last = steps_[index_ - 1];
    return last.Typing && last.Name == step.Name && last.Changes.size() == 1 &&
           last.Changes.front().Part == step.Changes.front().Part;
}

Committed EditHistory::Commit(const SettingsRecord& settings, const std::string& nodeKey,
                              const StepName& name) {
    EditStep step{{}, name, nodeKey, false, ChangesBetween(baseline_, settings)};
    if (step.Changes.empty()) {
        return Committed::Nothing;
    }
    if (name.Empty()) {
        ChangeName named = NameChanges(step.Changes);
        step.Shown = std::move(named.Name);
        step.Typing = named.Typing;
    }
    step.Name = step.Shown.English();
    return Add(std::move(step));
}

Committed EditHistory::Add(EditStep step) {
    ApplyAfter(baseline_, step.Changes);
    if (saved_ && *saved_ > index_) {
        saved_.reset();
    }
    steps_.resize(index_);
    if (ContinuesTyping(step)) {
        PartChange& last = steps_.back().Changes.front();
        last.After = std::move(step.Changes.front().After);
        if (last.Before == last.After) {
            steps_.pop_back();
            --index_;
            return Committed::Dropped;
        }
        return Committed::Merged;
    }
    steps_.push_back(std::move(step));
    ++index_;
    return Committed::Added;
}

const EditStep* EditHistory::Undo(SettingsRecord& settings) {
    if (!CanUndo()) {
        return nullptr;
    }
    const EditStep& step = steps_[--index_];
    ApplyBefore(settings, step.Changes);
    ApplyBefore(baseline_, step.Changes);
    return &step;
}

const EditStep* EditHistory::Redo(SettingsRecord& settings) {
    if (!CanRedo()) {
        return nullptr;
    }
    const EditStep& step = steps_[index_++];
    ApplyAfter(settings, step.Changes);
    ApplyAfter(baseline_, step.Changes);
    return &step;
}

const EditStep* EditHistory::UndoStep() const {
    return CanUndo() ? &steps_[index_ - 1] : nullptr;
}

std::string EditHistory::UndoKey() const {
    return CanUndo() ? steps_[index_ - 1].NodeKey : std::string();
}

std::string EditHistory::RedoKey() const {
    return CanRedo() ? steps_[index_].NodeKey : std::string();
}

std::size_t EditHistory::HeldBytes() const {
    std::size_t bytes = steps_.capacity() * sizeof(EditStep);
    for (const EditStep& step : steps_) {
        bytes += tq58::HeldBytes(step.Changes) + step.Name.capacity() + step.NodeKey.capacity();
    }
    return bytes;
}

} // namespace tq58

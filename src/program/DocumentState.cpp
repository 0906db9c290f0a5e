#include "program/DocumentState.h"

#include <utility>

namespace tq58 {

void DocumentState::Replaced(std::string fileName, bool settingsFile, bool changed) {
    fileName_ = std::move(fileName);
    settingsFile_ = settingsFile && !fileName_.empty();
    changed_ = changed;
}

void DocumentState::Saved(std::string fileName) {
    Replaced(std::move(fileName), true, false);
}

bool MayDiscardChanges(const DocumentState& document, const std::function<SaveAnswer()>& ask,
                       const std::function<bool()>& save) {
    if (!document.Changed()) {
        return true;
    }
    switch (ask()) {
    case SaveAnswer::Yes:
        return save();
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

} // namespace tq58

#pragma once

#include <functional>
#include <string>

namespace tq58 {

// The user's answer to "QYL data has changed. Do you want to save changes?".
enum class SaveAnswer { Yes, No, Cancel };

// The data the window edits, seen as a document: the file it came from and whether it has
// changed since it was made, opened, read or saved.
class DocumentState {
public:
    const std::string& FileName() const { return fileName_; }
    // The current file is a settings file, which Save may overwrite; an image file or a
    // backup never is.
    bool IsSettingsFile() const { return settingsFile_; }
    bool Changed() const { return changed_; }
    void SetChanged(bool changed) { changed_ = changed; }

    // New data took the old data's place: from a file (a settings or an image file), or from
    // nowhere (new data, a read, a backup), when the file name is empty.
    void Replaced(std::string fileName, bool settingsFile, bool changed);
    // The data was saved as a settings file under that name.
    void Saved(std::string fileName);

private:
    std::string fileName_;
    bool settingsFile_ = false;
    bool changed_ = false;
};

// The question before changed data is replaced or the program ends. Unchanged data goes on
// without a question; Yes goes on only when save succeeded, No goes on, Cancel stops.
bool MayDiscardChanges(const DocumentState& document, const std::function<SaveAnswer()>& ask,
                       const std::function<bool()>& save);

} // namespace tq58

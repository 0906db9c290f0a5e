#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tq58 {

class SettingsStore;

struct FileRequest {
    enum class Mode { Open, Save };
    Mode Kind = Mode::Open;
    QString Title;
    // Where the dialog starts when the user has not yet used one for this kind of file;
    // empty: the user's documents folder.
    QString Folder;
    // Qt's name filters: "dat files(*.dat);;All files(*.*)".
    QString Filter;
    // The kind of file, under which the folder last used is remembered; empty: the first
    // pattern of the filter ("dat").
    QString Use;
};

// A name filter for one kind of file and then all files: "dat files(*.dat);;All files(*.*)".
// The names are shown in the user's language; the patterns stay.
QString NameFilter(const QString& shownName, const QString& patterns);

// The open and save dialogs (Qt's own, the same on every desktop). Each starts in the folder
// the user last used for its kind of file, remembered per user. A name to save under that has
// no extension gets the filter's first one. A cancelled dialog answers
// with an empty text; a test answers in advance instead of showing the dialog, and sees the
// request with the folder the dialog would start in.
class FileChooser {
public:
    using Answerer = std::function<QString(const FileRequest&)>;

    FileChooser(QWidget* parent, SettingsStore& store) : parent_(parent), store_(store) {}

    QString Ask(FileRequest request);
    void AnswerWith(Answerer answerer) { answerer_ = std::move(answerer); }

private:
    QString Show(const FileRequest& request) const;

    QWidget* parent_;
    SettingsStore& store_;
    Answerer answerer_;
};

} // namespace tq58

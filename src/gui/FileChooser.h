#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tq58 {

struct FileRequest {
    enum class Mode { Open, Save };
    Mode Kind = Mode::Open;
    QString Title;
    QString Folder;
    // Filters as the program has always written them: "dat files(*.dat)|*.dat|All files(*.*)|*.*".
    QString Filter;
};

// The open and save dialogs (Qt's own, the same on every desktop). A cancelled dialog answers
// with an empty text; a test answers in advance instead of showing the dialog.
class FileChooser {
public:
    using Answerer = std::function<QString(const FileRequest&)>;

    explicit FileChooser(QWidget* parent) : parent_(parent) {}

    QString Ask(const FileRequest& request);
    void AnswerWith(Answerer answerer) { answerer_ = std::move(answerer); }

private:
    QWidget* parent_;
    Answerer answerer_;
};

// "dat files(*.dat)|*.dat|All files(*.*)|*.*" as the dialog's list of name filters.
QStringList NameFilters(const QString& filter);

} // namespace tq58

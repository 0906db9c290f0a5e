#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QTextBrowser;

namespace tq58 {

// The program's help: an HTML document in the program folder, shown in the program's own
// help window at the topic of a help context number (the anchor "context<N>").
bool HelpDocumentExists(const std::string& programFolder);

// Shows the help window at the topic of the context and returns an empty text; when the
// document is missing, shows nothing and returns why, for the caller's message box.
QString ShowHelpTopic(QWidget* parent, const std::string& programFolder, int context);

// frmHelp: the document with Back, Forward and Contents. One exists at a time.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow(QString documentPath, QWidget* parent);
    void ShowTopic(int context);

private:
    QString documentPath_;
    QTextBrowser* browser_;
};

} // namespace tq58

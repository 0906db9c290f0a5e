#include "gui/help/HelpWindow.h"

#include <QDialog>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tq58 {

namespace {

QString HelpPath(const std::string& programFolder) {
    return QString::fromStdString(programFolder) + "/help/TQ58.html";
}

} // namespace

bool HelpDocumentExists(const std::string& programFolder) {
    return QFileInfo::exists(HelpPath(programFolder));
}

void ShowHelpTopic(QWidget* parent, const std::string& programFolder, int context) {
    auto* window = parent->findChild<QDialog*>("frmHelp");
    if (!window) {
        window = new QDialog(parent, Qt::Window);
        window->setObjectName("frmHelp");
        window->setWindowTitle(QObject::tr("TQ58 Help"));
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("txtHelp");
        browser->setAccessibleName(QObject::tr("Help text"));
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(browser);
        window->resize(640, 520);
    }
    auto* browser = window->findChild<QTextBrowser*>("txtHelp");
    QUrl url = QUrl::fromLocalFile(HelpPath(programFolder));
    url.setFragment(QString("context%1").arg(context));
    browser->setSource(url);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tq58

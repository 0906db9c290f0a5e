#include "gui/help/HelpWindow.h"

#include "editor/ControlHints.h"
#include "gui/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

namespace tq58 {

namespace {

// The help in the window's language where the program folder has it ("TQ58_de.html"), else
// the English.
QString HelpPath(const std::string& programFolder) {
    const QString folder = QString::fromStdString(programFolder) + "/help/";
    const QString translated = folder + QString("TQ58_%1.html").arg(WindowLanguage());
    return QFileInfo::exists(translated) ? translated : folder + "TQ58.html";
}

QToolButton* NavigationButton(QWidget* parent, const QString& name, const QString& text,
                              QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAccessibleName(QString(text).remove('&'));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

HelpWindow* ExistingHelpWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(window)) {
            return help;
        }
    }
    return nullptr;
}

} // namespace

bool HelpDocumentExists(const std::string& programFolder) {
    return QFileInfo::exists(HelpPath(programFolder));
}

QString ShowHelpTopic(QWidget* parent, const std::string& programFolder, int context) {
    const QString path = HelpPath(programFolder);
    if (!QFileInfo::exists(path)) {
        return QCoreApplication::translate("HelpWindow", "The help document %1 is missing.")
            .arg(QDir::toNativeSeparators(path));
    }
    QWidget* owner = parent->window();
    HelpWindow* help = ExistingHelpWindow();
    if (!help) {
        help = new HelpWindow(path, owner);
    } else if (help->parentWidget() != owner) {
        // A modal dialog blocks every window but its own children: the help window moves
        // to the window that asks, so that it can be read and scrolled from there.
        const QRect place = help->geometry();
        help->setParent(owner, help->windowFlags());
        help->setGeometry(place);
    }
    help->ShowTopic(context);
    return {};
}

HelpWindow::HelpWindow(QString documentPath, QWidget* parent)
    : QWidget(parent, Qt::Window), documentPath_(std::move(documentPath)),
      browser_(new QTextBrowser(this)) {
    setObjectName("frmHelp");
    setWindowTitle(tr("TQ58 Help"));
    browser_->setObjectName("txtHelp");
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenExternalLinks(true);

    auto* back = NavigationButton(this, "cmdBack", tr("&Back"), QStyle::SP_ArrowBack);
    auto* forward = NavigationButton(this, "cmdForward", tr("&Forward"), QStyle::SP_ArrowForward);
    auto* contents =
        NavigationButton(this, "cmdContents", tr("&Contents"), QStyle::SP_FileDialogContentsView);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { ShowTopic(HelpContentsContext); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(680, 560);
}

void HelpWindow::ShowTopic(int context) {
    QUrl url = QUrl::fromLocalFile(documentPath_);
    url.setFragment(QString("context%1").arg(context));
    browser_->setSource(url);
    show();
    raise();
    activateWindow();
}

} // namespace tq58

// The main window's find: a field at the menu bar's end (Ctrl+F goes there) that finds a channel
// number, a channel or entry name or an MMSI and selects its node.
#include "editor/FindNode.h"
#include "gui/MainWindow.h"
#include "gui/ProgramIcon.h"
#include "gui/editor/EditorFrame.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <tuple>

namespace tq58 {

void MainWindow::BuildFind() {
    find_ = new QLineEdit(this);
    find_->setObjectName("txtFind");
    find_->setAccessibleName(tr("Find"));
    // As wide as its placeholder in the user's language, with room for the clear button.
    find_->setPlaceholderText(tr("Find (Ctrl+F)"));
    find_->setMinimumWidth(find_->fontMetrics().horizontalAdvance(find_->placeholderText()) +
                           find_->sizeHint().height() + 12);
    find_->setToolTip(tr("Find a channel number, a channel or entry name, or an MMSI"));
    find_->setAccessibleDescription(find_->toolTip());
    // Not the line edit's own clear button: its picture is looked up in the icon theme.
    QAction* clear = find_->addAction(PictureIcon(Picture::Clear), QLineEdit::TrailingPosition);
    clear->setObjectName("cmdClearFind");
    clear->setText(tr("Clear"));
    clear->setVisible(false);
    for (auto* button : find_->findChildren<QToolButton*>()) {
        if (button->defaultAction() == clear) {
            button->setObjectName(clear->objectName());
        }
    }
    connect(clear, &QAction::triggered, find_, &QLineEdit::clear);
    connect(find_, &QLineEdit::textChanged, clear,
            [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
    menuBar()->setCornerWidget(find_);
    QAction* action = menus_.Edit->addAction(tr("&Find..."));
    action->setObjectName("mnuEditFind");
    action->setShortcut(QKeySequence::Find);
    connect(action, &QAction::triggered, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    // F3 and Shift+F3 go on from the node shown, as Enter in the field does.
    for (const auto& [name, text, key, direction] :
         {std::tuple{"mnuEditFindNext", tr("Find &Next"), QKeySequence(QKeySequence::FindNext),
                     FindDirection::Forward},
          std::tuple{"mnuEditFindPrevious", tr("Find &Previous"),
                     QKeySequence(QKeySequence::FindPrevious), FindDirection::Backward}}) {
        QAction* next = menus_.Edit->addAction(text);
        next->setObjectName(name);
        next->setShortcut(key);
        connect(next, &QAction::triggered, this, [this, direction] {
            if (find_->text().trimmed().isEmpty()) {
                find_->setFocus(Qt::ShortcutFocusReason);
            } else {
                FindText(find_->text(), direction);
            }
        });
    }
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindText(find_->text()); });
}

bool MainWindow::FindText(const QString& text, FindDirection direction) {
    const std::string current = editor_->CurrentKey();
    const FoundNode found = FindNode(data_.Settings, model_, text.toStdString(),
                                     current == foundShown_ ? foundKey_ : current, direction);
    if (found.Key.empty()) {
        statusBar()->showMessage(tr("Nothing found for \"%1\"").arg(text.trimmed()), 5000);
        return false;
    }
    if (!editor_->ShowFound(found.Key)) {
        return false;
    }
    foundKey_ = found.Key;
    foundShown_ = editor_->CurrentKey();
    if (found.Wrapped) {
        statusBar()->showMessage(direction == FindDirection::Forward
                                     ? tr("Find went on from the top of the tree")
                                     : tr("Find went on from the bottom of the tree"),
                                 5000);
    }
    return true;
}

} // namespace tq58

#include "gui/editor/DirectoryOrderMenu.h"

#include "editor/DirectoryOrder.h"
#include "editor/DirectoryRules.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/RecordGrid.h"
#include "model/FieldCodec.h"

#include <QAction>

namespace tq58 {

QString DeleteEntryQuestion(const DirectoryRecord& entry, int index) {
    const QString named =
        (ToQt(entry.TagName).trimmed() + " " + ToQt(ShownMmsi(entry.Mmsid))).trimmed();
    return named.isEmpty()
               ? DirectoryOrderMenu::tr("Delete entry %1?").arg(index + 1)
               : DirectoryOrderMenu::tr("Delete entry %1, %2?").arg(index + 1).arg(named);
}

DirectoryOrderMenu::DirectoryOrderMenu(EditorHost& host, RecordGrid* grid,
                                       std::function<int()> directory, std::function<void()> refill)
    : QObject(grid), host_(host), grid_(grid), directory_(std::move(directory)),
      refill_(std::move(refill)) {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    AddAction(tr("Move Up"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { Move(-1); });
    AddAction(tr("Move Down"), QKeySequence(Qt::ALT | Qt::Key_Down), [this] { Move(1); });
    AddAction(tr("Insert Entry"), QKeySequence(Qt::Key_Insert), [this] { Insert(); });
    AddAction(tr("Delete Entry"), QKeySequence(Qt::Key_Delete), [this] { Delete(); });
}

QAction* DirectoryOrderMenu::AddAction(const QString& text, const QKeySequence& key,
                                       std::function<void()> run) {
    auto* action = new QAction(text, grid_);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    grid_->addAction(action);
    return action;
}

void DirectoryOrderMenu::Done(OrderCommand command, int row, int selectedRow) {
    host_.CommitStep(OrderStepName(command, directory_() == GroupDirectory, row));
    host_.RefreshTreeTexts();
    refill_();
    grid_->selectRow(selectedRow);
}

void DirectoryOrderMenu::Move(int by) {
    const int row = grid_->currentIndex().row();
    if (MoveEntry(DirectoryEntries(host_.Data().Settings, directory_()), row, by)) {
        Done(by < 0 ? OrderCommand::MoveUp : OrderCommand::MoveDown, row, row + by);
    }
}

// The new entry opens on its own page, which asks for its name and MMSI before it is left.
void DirectoryOrderMenu::Insert() {
    const int row = grid_->currentIndex().row();
    if (!InsertEntry(DirectoryEntries(host_.Data().Settings, directory_()), row)) {
        return;
    }
    host_.RefreshTreeTexts();
    host_.JumpToNode(DirectoryNodeKey(directory_(), row));
    host_.CommitStep(OrderStepName(OrderCommand::Insert, directory_() == GroupDirectory, row));
}

void DirectoryOrderMenu::Delete() {
    const int row = grid_->currentIndex().row();
    const auto entries = DirectoryEntries(host_.Data().Settings, directory_());
    if (row < 0 || row >= UsedCount(entries) ||
        host_.Prompts().Show(host_.ProgramTitle(),
                             DeleteEntryQuestion(entries[static_cast<std::size_t>(row)], row),
                             QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    DeleteEntry(entries, row);
    Done(OrderCommand::Delete, row, row);
}

} // namespace tq58

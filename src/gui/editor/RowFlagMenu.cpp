#include "gui/editor/RowFlagMenu.h"

#include "editor/ChannelLists.h"
#include "gui/Messages.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/RecordGrid.h"

#include <QAction>
#include <QKeyEvent>
#include <algorithm>

namespace tq58 {

namespace {

struct FlagItem {
    RowFlag Flag;
    const char* Name;
};

constexpr FlagItem FlagItems[] = {
    {RowFlag::Enable, QT_TRANSLATE_NOOP("tq58::RowFlagMenu", "Enable")},
    {RowFlag::ScanMemory, QT_TRANSLATE_NOOP("tq58::RowFlagMenu", "Scan Memory")},
    {RowFlag::LowPowerOnly, QT_TRANSLATE_NOOP("tq58::RowFlagMenu", "Low Power Only")},
};

QString NameOf(RowFlag flag) {
    return RowFlagMenu::tr(
        std::find_if(std::begin(FlagItems), std::end(FlagItems), [flag](const FlagItem& item) {
            return item.Flag == flag;
        })->Name);
}

} // namespace

RowFlagMenu::RowFlagMenu(EditorHost& host, RecordGrid* grid, ChannelRowsOf rows,
                         std::function<void()> refill)
    : QObject(grid), host_(host), grid_(grid), rows_(std::move(rows)), refill_(std::move(refill)) {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const FlagItem& item : FlagItems) {
        for (const bool on : {true, false}) {
            auto* action = new QAction(
                tr("%1 %2", "a flag, then On or Off").arg(tr(item.Name), on ? tr("On") : tr("Off")),
                grid_);
            connect(action, &QAction::triggered, this,
                    [this, flag = item.Flag, on] { Set(flag, on); });
            grid_->addAction(action);
        }
    }
    grid_->installEventFilter(this);
}

bool RowFlagMenu::eventFilter(QObject* watched, QEvent* event) {
    const QModelIndex current = grid_->currentIndex();
    if (watched != grid_ || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space || !current.isValid()) {
        return QObject::eventFilter(watched, event);
    }
    const RowFlag flag = rows_.FlagColumn(current.column()).value_or(RowFlag::Enable);
    const ChannelRecord& channel = ChannelList(host_.Data().Settings, rows_.Group())
                                       .at(static_cast<std::size_t>(rows_.Index(current.row())));
    const bool now = flag == RowFlag::Enable       ? channel.Enable
                     : flag == RowFlag::ScanMemory ? channel.ScanMemory
                                                   : channel.LowPower;
    Set(flag, !now);
    return true;
}

std::vector<int> RowFlagMenu::SelectedIndices() const {
    std::vector<int> indices;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        indices.push_back(rows_.Index(index.row()));
    }
    return indices;
}

void RowFlagMenu::Set(RowFlag flag, bool on) {
    const QModelIndex current = grid_->currentIndex();
    const RowFlagCount count = SetRowFlag(host_.Data().Settings, rows_.Group(), SelectedIndices(),
                                          flag, on, host_.Model().ScramblerAvailable);
    if (count.Changed > 0) {
        host_.CommitEdit(tr("%1 %2 for %n channels", nullptr, count.Changed)
                             .arg(NameOf(flag), on ? tr("on") : tr("off"))
                             .toStdString());
        host_.RebuildTree();
        refill_();
        grid_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
    if (count.Skipped > 0) {
        host_.Prompts().Show(
            host_.ProgramTitle(),
            tr("%n row(s) skipped: the channel does not allow %1 %2.", nullptr, count.Skipped)
                .arg(NameOf(flag), on ? tr("on") : tr("off")),
            QMessageBox::Information);
    }
}

} // namespace tq58

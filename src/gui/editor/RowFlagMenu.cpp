#include "gui/editor/RowFlagMenu.h"

#include "editor/ChangeNames.h"
#include "editor/ChannelLists.h"
#include "gui/Messages.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/RecordGrid.h"

#include <QAction>
#include <QKeyEvent>
#include <algorithm>

namespace tq58 {

namespace {

QString NameOf(RowFlag flag) {
    return CoreText("RowFlags", ChannelFieldOf(flag).RowFlagName);
}

} // namespace

RowFlagMenu::RowFlagMenu(EditorHost& host, RecordGrid* grid, ChannelRowsOf rows,
                         std::function<void()> refill)
    : QObject(grid), host_(host), grid_(grid), rows_(std::move(rows)), refill_(std::move(refill)) {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const RowFlag flag : RowFlags()) {
        for (const bool on : {true, false}) {
            auto* action = new QAction(
                tr("%1 %2", "a flag, then On or Off").arg(NameOf(flag), on ? tr("On") : tr("Off")),
                grid_);
            connect(action, &QAction::triggered, this, [this, flag, on] { Set(flag, on); });
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
    Set(flag, !ChannelFlag(channel, flag));
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
        host_.CommitStep(RowFlagStepName(flag, on, count.Changed));
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

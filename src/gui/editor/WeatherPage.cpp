#include "gui/editor/WeatherPage.h"

#include "editor/FieldKeys.h"
#include "gui/TextCodec.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/KeyFilter.h"
#include "model/ChannelTable.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tq58 {

namespace {

enum Column { CaptionColumn, EnableColumn, ScanColumn, NameColumn };

const QString FocusMark = ">";
const QString NoMark = " ";

QString Indexed(const char* name, int number) {
    return QString("%1_%2").arg(name).arg(number);
}

} // namespace

WeatherPage::WeatherPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), bindings_(host, this) {
    auto* layout = new QGridLayout(this);
    const QString headings[] = {QString(), tr("Enable"), tr("Scan"), tr("CH Name")};
    for (int column = EnableColumn; column <= NameColumn; ++column) {
        auto* heading = new QLabel(headings[column], this);
        heading->setObjectName(Indexed("lblDHeading", column));
        layout->addWidget(heading, 0, column);
    }
    for (int number = 1; number <= WxChannelCount; ++number) {
        AddRow(number);
    }
    layout->setColumnStretch(NameColumn, 1);
    layout->setRowStretch(WxChannelCount + 1, 1);
}

void WeatherPage::AddRow(int number) {
    const std::size_t index = static_cast<std::size_t>(number - 1);
    Row& row = rows_[index];
    const QString caption = ToQt(WxTable()[index].ChLabel);
    auto* label = new QLabel(caption, this);
    label->setObjectName(Indexed("lblWX", number));
    row.Enable = new QCheckBox(NoMark, this);
    row.Enable->setObjectName(Indexed("chkDEnable", number));
    row.Enable->setAccessibleName(tr("%1 Enable").arg(caption));
    row.Scan = new QCheckBox(NoMark, this);
    row.Scan->setObjectName(Indexed("chkDScan", number));
    row.Scan->setAccessibleName(tr("%1 Scan").arg(caption));
    row.Name = new QLineEdit(this);
    row.Name->setObjectName(Indexed("txtDTagName", number));
    row.Name->setAccessibleName(tr("%1 CH Name").arg(caption));
    FilterKeys(row.Name, IsChannelNameKey, ChannelNameLength);
    for (QCheckBox* box : {row.Enable, row.Scan}) {
        box->installEventFilter(this);
    }

    auto* layout = static_cast<QGridLayout*>(this->layout());
    layout->addWidget(label, number, CaptionColumn);
    layout->addWidget(row.Enable, number, EnableColumn);
    layout->addWidget(row.Scan, number, ScanColumn);
    layout->addWidget(row.Name, number, NameColumn);

    auto channel = [this, index]() -> ChannelRecord& {
        return host_.Data().Settings.CHWX.at(index);
    };
    bindings_.Check(
        row.Enable, [channel]() -> bool& { return channel().Enable; },
        [this, &row] { ApplyEnable(row); });
    bindings_.Check(row.Scan, [channel]() -> bool& { return channel().ScanMemory; });
    bindings_.Text(row.Name, [channel]() -> std::string& { return channel().ChTag; });
}

void WeatherPage::ApplyEnable(const Row& row) {
    const bool enabled = row.Enable->isChecked();
    row.Scan->setEnabled(enabled);
    row.Name->setEnabled(enabled);
}

void WeatherPage::Fill(const NodeRef&) {
    bindings_.Fill();
    for (const Row& row : rows_) {
        ApplyEnable(row);
    }
}

bool WeatherPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        static_cast<QCheckBox*>(watched)->setText(event->type() == QEvent::FocusIn ? FocusMark
                                                                                   : NoMark);
    }
    return Page::eventFilter(watched, event);
}

} // namespace tq58

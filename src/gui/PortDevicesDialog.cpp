#include "gui/PortDevicesDialog.h"

#include "platform/SerialDevices.h"
#include "program/PortDevice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace tq58 {

namespace {

enum Column { DeviceColumn, DescriptionColumn, MakerColumn, ColumnCount };
constexpr int ColumnGap = 16;

std::string DeviceKey(int port) {
    return "Device" + std::to_string(port);
}

// The device a port opens when the user has chosen none.
std::string UsualDevice(int port) {
    return PortDeviceName(MemorySettingsStore(), port);
}

QTreeView* DeviceListView() {
    auto* view = new QTreeView;
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    return view;
}

// The drop-down list is as wide as its three columns need, with a gap between them.
void FitListToColumns(QComboBox* choice) {
    QAbstractItemView* view = choice->view();
    QHeaderView* header = static_cast<QTreeView*>(view)->header();
    int width = 2 * view->frameWidth() + view->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column) {
        const int columnWidth = view->sizeHintForColumn(column) + ColumnGap;
        header->resizeSection(column, columnWidth);
        width += columnWidth;
    }
    view->setMinimumWidth(width);
}

} // namespace

PortDevicesDialog::PortDevicesDialog(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), devices_(new QStandardItemModel(0, ColumnCount, this)),
      found_(new QLabel(this)) {
    setObjectName("frmPortDevices");
    setWindowTitle(tr("Port devices"));

    auto* intro = new QLabel(tr("Options > SerialPort chooses a port number; here you choose "
                                "the device each number opens. Pick a serial device found on "
                                "this computer or type the path of another one."),
                             this);
    intro->setObjectName("lblPortIntro");
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    for (int index = 0; index < PortCount; ++index) {
        AddPortRow(grid, index);
    }
    grid->setColumnStretch(2, 1);
    found_->setObjectName("lblPortsFound");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    QPushButton* refresh = buttons->addButton(tr("&Refresh"), QDialogButtonBox::ResetRole);
    refresh->setObjectName("cmdRefresh");
    refresh->setAccessibleName(tr("Refresh the device list"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refresh, &QPushButton::clicked, this, &PortDevicesDialog::ListDevices);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(found_);
    layout->addWidget(buttons);

    ListDevices();
    for (int index = 0; index < PortCount; ++index) {
        choices_[static_cast<std::size_t>(index)]->setCurrentText(
            QString::fromStdString(PortDeviceName(store_, index + 1)));
    }
}

// One row per port: its label, the device (a list with room to type) and what it is.
void PortDevicesDialog::AddPortRow(QGridLayout* grid, int index) {
    const int port = index + 1;
    auto* label = new QLabel(tr("COM&%1:").arg(port), this);
    label->setObjectName(QString("lblPortDevice_%1").arg(index));
    auto* choice = new QComboBox(this);
    choice->setObjectName(QString("cmbPortDevice_%1").arg(index));
    choice->setAccessibleName(tr("Device of COM%1").arg(port));
    choice->setEditable(true);
    choice->setInsertPolicy(QComboBox::NoInsert);
    choice->setModel(devices_);
    choice->setView(DeviceListView());
    choice->setMinimumContentsLength(22);
    choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label->setBuddy(choice);
    auto* description = new QLabel(this);
    description->setObjectName(QString("lblPortDescription_%1").arg(index));
    description->setMinimumWidth(200);
    // Long in some languages ("present, not a listed serial device"): it wraps, never cut.
    description->setWordWrap(true);
    connect(choice, &QComboBox::currentTextChanged, this, [this, index] { Describe(index); });
    choices_[static_cast<std::size_t>(index)] = choice;
    descriptions_[static_cast<std::size_t>(index)] = description;
    grid->addWidget(label, index, 0);
    grid->addWidget(choice, index, 1);
    grid->addWidget(description, index, 2);
}

// Lists the serial devices present. Every port keeps what it shows: the list only offers.
void PortDevicesDialog::ListDevices() {
    QStringList shown;
    for (QComboBox* choice : choices_) {
        shown << choice->currentText();
    }
    devices_->removeRows(0, devices_->rowCount());
    for (const SerialDevice& device : SerialDevicesPresent()) {
        devices_->appendRow({new QStandardItem(device.Location),
                             new QStandardItem(device.Description),
                             new QStandardItem(device.Manufacturer)});
    }
    devices_->sort(DeviceColumn);
    found_->setText(devices_->rowCount() == 0
                        ? tr("No serial device found: plug in the cable and press Refresh.")
                        : tr("Serial devices found: %1.").arg(devices_->rowCount()));
    for (int index = 0; index < PortCount; ++index) {
        QComboBox* choice = choices_[static_cast<std::size_t>(index)];
        choice->setCurrentText(shown[index]);
        Describe(index);
        FitListToColumns(choice);
    }
}

void PortDevicesDialog::Describe(int index) {
    const QString device = choices_[static_cast<std::size_t>(index)]->currentText().trimmed();
    QString text;
    const auto found = devices_->findItems(device, Qt::MatchExactly, DeviceColumn);
    if (!found.isEmpty()) {
        const int row = found.first()->row();
        QStringList parts;
        for (const int column : {DescriptionColumn, MakerColumn}) {
            if (const QString part = devices_->item(row, column)->text(); !part.isEmpty()) {
                parts << part;
            }
        }
        text = parts.isEmpty() ? tr("serial device") : parts.join(", ");
    } else if (device.isEmpty()) {
        text = tr("the usual device, %1").arg(QString::fromStdString(UsualDevice(index + 1)));
    } else {
        text = QFileInfo::exists(device) ? tr("present, not a listed serial device")
                                         : tr("not present now");
    }
    QLabel* description = descriptions_[static_cast<std::size_t>(index)];
    description->setText(text);
    description->setAccessibleName(tr("COM%1 device: %2").arg(index + 1).arg(text));
}

void PortDevicesDialog::accept() {
    for (int index = 0; index < PortCount; ++index) {
        const int port = index + 1;
        const std::string chosen =
            choices_[static_cast<std::size_t>(index)]->currentText().trimmed().toStdString();
        const std::string value = chosen == UsualDevice(port) ? std::string() : chosen;
        if (value != store_.Read("ComPath", DeviceKey(port), "")) {
            store_.Write("ComPath", DeviceKey(port), value);
        }
    }
    QDialog::accept();
}

} // namespace tq58

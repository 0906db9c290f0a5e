#include "gui/PortDevicesDialog.h"

#include "program/PortDevice.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace tq58 {

PortDevicesDialog::PortDevicesDialog(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
    setObjectName("frmPortDevices");
    setWindowTitle(tr("Port devices"));
    auto* form = new QFormLayout(this);
    for (int port = 1; port <= 4; ++port) {
        auto* device = new QLineEdit(QString::fromStdString(PortDeviceName(store_, port)), this);
        device->setObjectName(QString("txtPortDevice_%1").arg(port - 1));
        form->addRow(tr("COM%1").arg(port), device);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        StoreDevices();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

// An emptied field gives the port number its usual device again.
void PortDevicesDialog::StoreDevices() {
    for (int port = 1; port <= 4; ++port) {
        const auto* device = findChild<QLineEdit*>(QString("txtPortDevice_%1").arg(port - 1));
        store_.Write("ComPath", "Device" + std::to_string(port),
                     device->text().trimmed().toStdString());
    }
}

} // namespace tq58

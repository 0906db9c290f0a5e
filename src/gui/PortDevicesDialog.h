#pragma once

#include "program/SettingsStore.h"

#include <QDialog>

namespace tq58 {

// Options > "Port devices...": which device each port number 1 to 4 opens.
class PortDevicesDialog : public QDialog {
    Q_OBJECT

public:
    PortDevicesDialog(SettingsStore& store, QWidget* parent = nullptr);

private:
    void StoreDevices();

    SettingsStore& store_;
};

} // namespace tq58

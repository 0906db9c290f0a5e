#pragma once

#include "program/SettingsStore.h"
#include "program/UserSettings.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QStandardItemModel;

namespace tq58 {

// Options > "Port devices...": which device each port number 1 to 4 opens. Offers the
// serial devices present with their description and maker; any other path (a
// pseudo-terminal, a link to one) may be typed. OK stores what differs from before under
// ComPath/Device<N>; the port's usual device is stored as no choice at all.
class PortDevicesDialog : public QDialog {
    Q_OBJECT

public:
    PortDevicesDialog(SettingsStore& store, QWidget* parent = nullptr);
    void accept() override;

private:
    void AddPortRow(QGridLayout* grid, int index);
    void ListDevices();
    void Describe(int index);

    SettingsStore& store_;
    QStandardItemModel* devices_;
    QLabel* found_;
    std::array<QComboBox*, PortCount> choices_{};
    std::array<QLabel*, PortCount> descriptions_{};
};

} // namespace tq58

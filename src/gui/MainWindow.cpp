#include "gui/MainWindow.h"

#include <QLabel>
#include <algorithm>

namespace tq58 {

namespace {

const QString AppTitle = QStringLiteral("TQ58");

int EnabledCount(const std::vector<ChannelRecord>& list) {
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [](const ChannelRecord& c) { return c.Enable; }));
}

} // namespace

MainWindow::MainWindow(RadioData& data, ModelState model, QWidget* parent)
    : QMainWindow(parent), data_(data), model_(std::move(model)), summary_(new QLabel(this)) {
    setObjectName("frmMain");
    summary_->setObjectName("lblSummary");
    summary_->setAlignment(Qt::AlignCenter);
    summary_->setMargin(24);
    setCentralWidget(summary_);
    resize(640, 400);
    UpdateCaption();
    ShowSummary();
}

void MainWindow::UpdateCaption() {
    setWindowTitle(AppTitle + "  PC Program for " + QString::fromStdString(model_.ModelName));
}

void MainWindow::ShowSummary() {
    const SettingsRecord& settings = data_.Settings;
    summary_->setText(tr("New data for %1\n\nUSA channels in use: %2\nInternational channels "
                         "in use: %3\nCanadian channels in use: %4\nWeather channels: %5")
                          .arg(QString::fromStdString(model_.ModelName))
                          .arg(EnabledCount(settings.CHUSA))
                          .arg(EnabledCount(settings.CHINT))
                          .arg(EnabledCount(settings.CHCAN))
                          .arg(EnabledCount(settings.CHWX)));
}

} // namespace tq58

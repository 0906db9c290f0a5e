#include "gui/MainWindow.h"
#include "model/NewData.h"
#include "platform/QtSettingsStore.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Until the Model menu arrives the program works on the RV7700A.
constexpr int StartModel = 2;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("TQ58");
    QApplication::setApplicationName("TQ58");

    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    tq58::QtSettingsStore store;
    const tq58::ModelState model =
        tq58::ModelStateFor(StartModel, tq58::GlobalIniPath(programFolder));

    tq58::RadioData data;
    const auto loader = tq58::MakeDefaultImageLoader(programFolder, model, store);
    if (const auto result = tq58::NewData(data, model, loader); !result.Ok) {
        QMessageBox::critical(nullptr, "TQ58", "Data Error!!");
        return 1;
    }
    tq58::MainWindow window(data, model);
    window.show();
    return QApplication::exec();
}

#include "app/MainWindow.h"
#include "app/ModelCatalogue.h"
#include "model/NewData.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("TQ58");
    QApplication::setApplicationName("TQ58");

    tq58::ModelState model;
    model.ModelType = 2;
    model.ModelName = tq58::ModelNameOf(model.ModelType, tq58::UnknownModelName::Unknown);
    model.AtisAvailable = true;
    model.ScramblerAvailable = true;

    tq58::RadioData data;
    if (const auto result = tq58::NewData(data, model); !result.Ok()) {
        QMessageBox::critical(nullptr, "TQ58", "Data Error!!");
        return 1;
    }
    tq58::MainWindow window(data, model);
    window.show();
    return QApplication::exec();
}

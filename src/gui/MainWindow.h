#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <QMainWindow>

class QLabel;

namespace tq58 {

// The program's main window (frmMain). For now it holds the program's data and shows
// a summary of it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(RadioData& data, ModelState model, QWidget* parent = nullptr);

    // "TQ58" + two spaces + "PC Program for " + the model name.
    void UpdateCaption();

private:
    void ShowSummary();

    RadioData& data_;
    ModelState model_;
    QLabel* summary_;
};

} // namespace tq58

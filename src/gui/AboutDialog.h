#pragma once

#include <QDialog>

namespace tq58 {

// The about box (frmAbout): the logo, the program's title and version (the version
// tq58-cli --version prints) and a short notice.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace tq58

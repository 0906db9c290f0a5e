#pragma once

#include <QDialog>

namespace tq58 {

// The about box (frmAbout): the program's title, version and notice.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace tq58

#include "gui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tq58 {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About TQ58"));
    auto* title = new QLabel(QStringLiteral("<h2>TQ58</h2>"), this);
    title->setObjectName("lblTitle");
    auto* version = new QLabel(tr("Version %1").arg(TQ58_VERSION), this);
    version->setObjectName("lblVersion");
    auto* notice = new QLabel(tr("Programs the RV7200A, RV7700A and RV7700AM marine VHF radios "
                                 "over a serial cable."),
                              this);
    notice->setObjectName("lblDisclaimer");
    notice->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName("cmdOK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(notice);
    layout->addWidget(buttons);
}

} // namespace tq58

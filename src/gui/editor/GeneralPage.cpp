#include "gui/editor/GeneralPage.h"

#include "gui/ProgramIcon.h"
#include "gui/editor/EditorHost.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tq58 {

GeneralPage::GeneralPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), model_(new QLabel(this)) {
    auto* logo = new QLabel(this);
    logo->setObjectName("pictLogo");
    logo->setPixmap(ProgramLogo());
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(tr("TQ58 logo"));
    model_->setObjectName("lblGeneralModel");
    model_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(logo);
    layout->addWidget(model_);
    layout->addStretch();
}

void GeneralPage::Fill(const NodeRef&) {
    model_->setText(host_.ProgramTitle());
}

} // namespace tq58

#include "gui/AboutDialog.h"

#include "gui/ProgramIcon.h"
#include "model/ModelCatalogue.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq58 {

namespace {

// Wrapped labels of a fixed width, so that the box takes the height its texts need.
constexpr int TextWidth = 340;

QLabel* TextLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFixedWidth(TextWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The catalogue's models: "RV7200A, RV7700A and RV7700AM".
QString ModelNames() {
    QStringList names;
    for (const int modelType : CatalogueModelTypes()) {
        names << QString::fromStdString(ModelNameOf(modelType));
    }
    const QString last = names.takeLast();
    return names.isEmpty() ? last : AboutDialog::tr("%1 and %2").arg(names.join(", "), last);
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About TQ58"));

    auto* logo = new QLabel(this);
    logo->setObjectName("pictLogo");
    logo->setPixmap(ProgramLogo());
    logo->setAccessibleName(tr("TQ58 logo"));
    logo->setAlignment(Qt::AlignTop);

    auto* title = TextLabel(this, "lblTitle", QStringLiteral("TQ58"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = TextLabel(this, "lblVersion", tr("Version %1").arg(TQ58_VERSION));
    auto* description =
        TextLabel(this, "lblDescription",
                  tr("Reads, edits and programs the channels, DSC directories and settings of "
                     "the %1 marine VHF radios over a serial cable.")
                      .arg(ModelNames()));
    auto* notice = TextLabel(
        this, "lblDisclaimer",
        tr("This program comes with no warranty. Save the radio's settings to a file before "
           "you program it, and check the MMSI and the ATIS code against your radio "
           "licence."));
    auto* toolkit = TextLabel(this, "lblToolkit", tr("Built with Qt %1.").arg(QT_VERSION_STR));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addWidget(notice);
    texts->addWidget(toolkit);
    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tq58

#include "gui/transfer/MmsiConfirmDialog.h"

#include "editor/SettingEntries.h"
#include "editor/UserMmsiConfirmation.h"
#include "gui/Translations.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tq58 {

namespace {

void Name(QPushButton* button, const char* name) {
    button->setObjectName(name);
    button->setAccessibleName(button->text().remove('&'));
}

} // namespace

MmsiConfirmDialog::MmsiConfirmDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmUserMmsiAgain");
    setWindowTitle(CoreText("Mmsi", SecondEntryTitle));
    auto* text = new QLabel(CoreText("Mmsi", SecondEntryText), this);
    text->setObjectName("lblUserMmsiAgain");
    text->setAccessibleName(tr("Explanation"));
    text->setWordWrap(true);
    // Wide enough for the warning's first line, which says why the entry is asked for.
    const QString firstLine = text->text().section('\n', 0, 0);
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(firstLine));
    again_ = new QLineEdit(this);
    again_->setObjectName("txtUserMmsiAgain");
    again_->setAccessibleName(tr("User MMSI, once more"));
    again_->setMaxLength(UserMmsiLength);
    again_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), again_));
    again_->setContextMenuPolicy(Qt::NoContextMenu);
    again_->setAcceptDrops(false);
    again_->installEventFilter(this);
    text->setBuddy(again_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Name(buttons->button(QDialogButtonBox::Ok), "cmdOK");
    Name(buttons->button(QDialogButtonBox::Cancel), "cmdCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(again_);
    layout->addWidget(buttons);
    again_->setFocus();
}

QString MmsiConfirmDialog::Typed() const {
    return again_->text();
}

bool MmsiConfirmDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool paste = event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste);
    return paste || QDialog::eventFilter(watched, event);
}

} // namespace tq58

#include "gui/editor/PageWidgets.h"

#include "editor/GroupCaptions.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace tq58 {

QString IndexedName(const char* name, int index) {
    return QString("%1_%2").arg(QLatin1String(name)).arg(index);
}

QComboBox* NewCombo(const QString& name, const QString& accessibleName,
                    const std::vector<ListItem>& items) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    // Shown while no item is selected: the stored value is none of the list's.
    box->setPlaceholderText(CoreText("Lists", NotSetText));
    SetItems(box, items);
    return box;
}

QComboBox* NewCombo(const QString& name, const QString& accessibleName, ValueList list) {
    return NewCombo(name, accessibleName, ListItems(list));
}

void SetItems(QComboBox* box, const std::vector<ListItem>& items) {
    // A box as wide as its longest item: the first list sets it when the box is first shown;
    // a box whose list is replaced follows each new list. Only then does it pay for following
    // (its drop-down list is made at once), which most boxes never need.
    if (box->count() > 0) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    box->clear();
    // A fixed list's texts are translated; channel labels and offsets have no translation.
    for (const ListItem& item : items) {
        box->addItem(CoreText("Lists", item.Text), item.Data);
    }
}

QCheckBox* NewCheck(const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    return box;
}

void SetCaption(QCheckBox* box, const QString& caption) {
    box->setText(caption);
    box->setAccessibleName(caption);
}

QLineEdit* NewField(const QString& name, const QString& accessibleName, int maxLength,
                    KeyFilter::Accepts accepts) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(maxLength);
    FilterKeys(field, std::move(accepts));
    // Wide enough for its longest entry and no wider.
    const int characters = field->fontMetrics().horizontalAdvance(QString(maxLength, 'X'));
    field->setFixedWidth(characters + field->fontMetrics().averageCharWidth() + 10);
    return field;
}

QLabel* NewLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

QGroupBox* NewSection(const QString& caption, QGridLayout** rows) {
    auto* section = new QGroupBox(caption);
    *rows = new QGridLayout(section);
    (*rows)->setVerticalSpacing(3);
    // Controls keep their own width; what is left over stays right of them.
    (*rows)->setColumnStretch(3, 1);
    return section;
}

QLabel* AddRow(QGridLayout* rows, const QString& caption, QWidget* control) {
    // A new grid already counts one (empty) row.
    const int row = rows->count() == 0 ? 0 : rows->rowCount();
    QLabel* label = NewLabel(caption, control);
    rows->addWidget(label, row, 0);
    rows->addWidget(control, row, 1);
    return label;
}

int RowOf(QGridLayout* rows, QWidget* control) {
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    rows->getItemPosition(rows->indexOf(control), &row, &column, &rowSpan, &columnSpan);
    return row;
}

void SetReadOnlyLook(QLineEdit* field, bool readOnly) {
    field->setReadOnly(readOnly);
    QPalette palette = QApplication::palette(field);
    if (readOnly) {
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    }
    field->setPalette(palette);
}

QLabel* NewHeading(const QString& name) {
    auto* heading = new QLabel;
    heading->setObjectName(name);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QString GroupHeading(const SettingsRecord& settings, int group) {
    const QString caption = Translated(StatusTitle(settings, group));
    return group == GroupExp
               ? caption
               : caption + QString::fromUtf8(" — ") + CoreText("Captions", PlanName(group));
}

QScrollArea* Scrolled(QWidget* content) {
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The controls inside take the focus; the area only follows it.
    scroll->setFocusPolicy(Qt::NoFocus);
    return scroll;
}

} // namespace tq58

#pragma once

#include "editor/SettingLists.h"
#include "gui/editor/KeyFilter.h"
#include "model/SettingsRecord.h"

#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QWidget;

namespace tq58 {

// The controls of the setting and directory pages, named as the program names them.

// A control whose status-bar hint depends on what it edits (the directory MMSI of a station or
// of a group) carries the hint in this property, before the hint its name gives.
inline constexpr const char* StatusHintProperty = "statusHint";

// A control of an indexed group: "chkUsable_2".
QString IndexedName(const char* name, int index);

QComboBox* NewCombo(const QString& name, const QString& accessibleName,
                    const std::vector<ListItem>& items);
QComboBox* NewCombo(const QString& name, const QString& accessibleName, ValueList list);
void SetItems(QComboBox* box, const std::vector<ListItem>& items);
QCheckBox* NewCheck(const QString& name, const QString& caption);
// A caption that follows the record: the box's text and its accessible name.
void SetCaption(QCheckBox* box, const QString& caption);
QLineEdit* NewField(const QString& name, const QString& accessibleName, int maxLength,
                    KeyFilter::Accepts accepts);
QLabel* NewLabel(const QString& caption, QWidget* buddy = nullptr);
// A framed section with its caption and a grid for its rows.
QGroupBox* NewSection(const QString& caption, QGridLayout** rows);
// A caption beside its control in the next row of a grid; the label is returned.
QLabel* AddRow(QGridLayout* rows, const QString& caption, QWidget* control);
// The grid row a control stands in.
int RowOf(QGridLayout* rows, QWidget* control);
// A page's content that scrolls when the window is too small for it.
QScrollArea* Scrolled(QWidget* content);
// The heading that names a channel group and its plan: "Group1 — USA", "EXP CH Group".
QLabel* NewHeading(const QString& name);
QString GroupHeading(const SettingsRecord& settings, int group);
// A field that shows a value the user cannot change looks like it: the window's background
// instead of the input background, in whatever palette the desktop uses.
void SetReadOnlyLook(QLineEdit* field, bool readOnly);

} // namespace tq58

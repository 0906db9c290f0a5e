#include "gui/editor/MmsiMarks.h"

#include "editor/DirectoryRules.h"
#include "editor/MmsiKinds.h"
#include "editor/NavigationTree.h"
#include "editor/UserMmsiConfirmation.h"
#include "gui/ProgramIcon.h"
#include "gui/ProgramMidTable.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"

#include <QApplication>
#include <QTreeWidgetItem>

namespace tq58 {

namespace {

// The mark that goes before the text of an MMSI of the wrong kind.
const QString WarningMark = QString(QChar(0x26A0)) + ' ';
const QColor WarningColour(160, 32, 0);

QString Label(const MmsiReading& reading) {
    return Translated(MmsiLabel(reading, ProgramMidTable()));
}

QString DirectoryName(int directory) {
    return directory == GroupDirectory ? QObject::tr("the group directory")
                                       : QObject::tr("the individual directory");
}

QString EntryWarning(const NodeRef& node, const SettingsRecord& settings) {
    if (node.Kind == NodeKind::Dsc) {
        return UserMmsiKindWarning(settings.DscBasicSetup.UserMmsi);
    }
    if (node.Kind != NodeKind::DirectoryEntry) {
        return {};
    }
    const DirectoryRecord& entry =
        DirectoryEntries(settings, node.Group)[static_cast<std::size_t>(node.Index)];
    return entry.Enable ? DirectoryKindWarning(node.Group, entry.Mmsid) : QString();
}

} // namespace

QString DirectoryKindWarning(int directory, const std::string& stored) {
    const MmsiReading reading = ReadMmsi(stored);
    if (!IsWrongKindForDirectory(directory, reading.Kind)) {
        return {};
    }
    return QObject::tr("%1 %2: this MMSI does not belong in %3.")
        .arg(ToQt(reading.Digits), Label(reading), DirectoryName(directory));
}

QString UserMmsiKindWarning(const std::string& stored) {
    if (const auto fault = UserMmsiFault(stored)) {
        return Translated(*fault);
    }
    const MmsiReading reading = ReadMmsi(stored);
    if (reading.Kind == MmsiKind::None || IsOwnStationKind(reading.Kind)) {
        return {};
    }
    return QObject::tr("%1 %2: a radio's own MMSI is a ship station's or a handheld's.")
        .arg(ToQt(reading.Digits), Label(reading));
}

QString KindCell(int directory, const std::string& stored) {
    const QString kind = CoreText("Mmsi", MmsiKindName(ReadMmsi(stored).Kind));
    return DirectoryKindWarning(directory, stored).isEmpty() ? kind : WarningMark + kind;
}

void MarkTreeItem(QTreeWidgetItem* item, const NodeRef& node, const SettingsRecord& settings) {
    const QString warning = EntryWarning(node, settings);
    if (warning == item->toolTip(0)) {
        return;
    }
    item->setToolTip(0, warning);
    item->setIcon(0, warning.isEmpty() ? QIcon() : PictureIcon(Picture::Warning));
}

MmsiKindLabel::MmsiKindLabel(const QString& objectName, const QString& accessibleName) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setTextFormat(Qt::PlainText);
}

void MmsiKindLabel::Show(const std::string& stored, const QString& warning) {
    const QString label = Label(ReadMmsi(stored));
    setText(warning.isEmpty() || label.isEmpty() ? label : WarningMark + label);
    setToolTip(warning);
    setAccessibleDescription(warning);
    QPalette shown = QApplication::palette(this);
    if (!warning.isEmpty()) {
        shown.setColor(QPalette::WindowText, WarningColour);
    }
    setPalette(shown);
}

} // namespace tq58

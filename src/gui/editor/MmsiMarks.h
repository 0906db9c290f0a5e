#pragma once

#include "model/SettingsRecord.h"

#include <QLabel>
#include <QString>
#include <string>

class QTreeWidgetItem;

namespace tq58 {

struct NodeRef;

// What the window shows of an MMSI's kind: the label beside an MMSI field, the directory
// grids' "Kind" column and the tree's mark on an MMSI that does not belong where it stands.
// MMSIs are given in their stored form (a group's begins with its 0).

// Why the MMSI does not belong in the directory (DirectoryKind); empty when it does.
QString DirectoryKindWarning(int directory, const std::string& stored);
// Why the User MMSI is no radio's own (its length first); empty when it is, or when there is
// none.
QString UserMmsiKindWarning(const std::string& stored);

// The "Kind" column of a directory grid: the kind, marked when it does not belong there.
QString KindCell(int directory, const std::string& stored);

// The tree's mark for the node: a warning icon, with the warning as its tooltip, on
// a directory entry of the wrong kind and on the DSC node for a User MMSI of the wrong kind.
void MarkTreeItem(QTreeWidgetItem* item, const NodeRef& node, const SettingsRecord& settings);

// The label beside an MMSI field: the kind and the country of an MMSI, nothing when there is
// none; a warning marks it and is its tooltip.
class MmsiKindLabel : public QLabel {
    Q_OBJECT

public:
    MmsiKindLabel(const QString& objectName, const QString& accessibleName);

    void Show(const std::string& stored, const QString& warning);
};

} // namespace tq58

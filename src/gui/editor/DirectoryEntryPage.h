#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/CheckedEntries.h"
#include "gui/editor/Page.h"

#include <QList>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tq58 {

class MmsiKindLabel;
struct DirectoryRecord;

// pictG: one entry of the individual or the group directory. Entries stay contiguous: only
// the first free entry can be opened, and a deleted entry's followers move up.
class DirectoryEntryPage : public Page {
    Q_OBJECT

public:
    DirectoryEntryPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    bool CanLeave() override;

private:
    DirectoryRecord& Entry() const;
    QString DirectoryTitle() const;
    void ApplyState();
    EntryCheck EnterMmsi(const std::string& typed);
    void ShowKind(const QString& typed);
    void DeleteClicked(bool checked);
    bool ConfirmDelete();
    bool Refuse(QLineEdit* field, const Phrase& rule);
    void ShowAgain();

    Bindings bindings_;
    CheckedEntries entries_;
    QGroupBox* frame_;
    QCheckBox* enable_;
    QCheckBox* delete_;
    QLabel* tagLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* group_; // the leading "0" of a group MMSI, which the user does not type
    QLineEdit* mmsi_;
    MmsiKindLabel* kind_ = nullptr;
    QList<QWidget*> fields_; // name and MMSI with their labels
    int directory_ = IndividualDirectory;
    int index_ = 0;
};

} // namespace tq58

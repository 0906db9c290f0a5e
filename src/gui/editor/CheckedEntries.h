#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace tq58 {

class EditorHost;

// What checking a typed entry came to.
enum class EntryCheck {
    Shown,   // taken (or a blank ignored): the field shows the record again
    Refused, // the rule showed its message: the focus stays in the field
};

// Text fields whose entry is checked before it is stored: status names, directory names and
// MMSIs, the User MMSI, the ATIS code, call-sign MIDs. An edit only marks the field pending
// (and the data changed); the entry is checked when the focus moves on to another control of
// the page, and by the page check before anything leaves the page.
class CheckedEntries : public QObject {
    Q_OBJECT

public:
    using Shown = std::function<std::string()>;
    using Check = std::function<EntryCheck(const std::string& typed)>;

    CheckedEntries(EditorHost& host, QWidget* page);

    // shown gives the text the field shows for the record; check stores a typed entry.
    void Add(QLineEdit* field, Shown shown, Check check);
    // Shows every field from the record and drops pending entries.
    void Fill();
    // The page check: a pending entry is checked; false with the focus in the field when its
    // rule refuses.
    bool CheckPending();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLineEdit* field;
        Shown shown;
        Check check;
        bool pending = false;
    };

    bool CheckEntry(Entry& entry);
    void CheckAfterLeaving(QLineEdit* field);
    void Reveal(QLineEdit* field) const;
    Entry* Find(const QObject* field);

    EditorHost& host_;
    QWidget* page_;
    std::vector<Entry> entries_;
};

} // namespace tq58

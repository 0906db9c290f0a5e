#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace tq58 {

class EditorHost;

// A field of the record as a bound control sees it: the page decides which record is meant
// (the channel of the current node, group 2 of the usable groups, ...).
template <typename T> using FieldRef = std::function<T&()>;

// A value that is worked out from the record rather than held in one field: what the control
// shows, and how an edit is stored.
template <typename T> struct Accessor {
    std::function<T()> Get;
    std::function<void(const T&)> Set;
};

// Binds each control to its field once: Fill() shows every field, and every edit a user
// makes writes its field, sets DataChanged, runs the control's follow-up (enabling rules,
// tree marks) and becomes an undo step. Edits are ignored while the page is filled
// (EventsSuspended) or disabled.
class Bindings {
public:
    Bindings(EditorHost& host, QWidget* page) : host_(host), page_(page) {}

    void Check(QCheckBox* box, FieldRef<bool> field, std::function<void()> after = {});
    // A combo box that stores the index of its item: two-item lists store a flag.
    void ComboIndex(QComboBox* box, FieldRef<int> field, std::function<void()> after = {});
    void ComboFlag(QComboBox* box, FieldRef<bool> field, std::function<void()> after = {});
    // A combo box that stores the integer data of its item.
    void ComboData(QComboBox* box, FieldRef<long> field, std::function<void()> after = {});
    void ComboData(QComboBox* box, FieldRef<int> field, std::function<void()> after = {});
    // A text field that stores its text at every change.
    void Text(QLineEdit* field, FieldRef<std::string> text, std::function<void()> after = {});
    // The same for values shown through an accessor; a combo box then shows the item index.
    void Check(QCheckBox* box, Accessor<bool> value, std::function<void()> after = {});
    void ComboIndex(QComboBox* box, Accessor<int> item, std::function<void()> after = {});
    void Text(QLineEdit* field, Accessor<std::string> text, std::function<void()> after = {});

    void Fill() const;
    // True when an edit is to be written: not while filling, not on a disabled page.
    bool Writing() const;
    // An edit was written: DataChanged, then the control's follow-up, then the undo step.
    void Written(const std::function<void()>& after) const;

private:
    template <typename T>
    void BindComboData(QComboBox* box, FieldRef<T> field, std::function<void()> after);

    EditorHost& host_;
    QWidget* page_;
    std::vector<std::function<void()>> fills_;
};

} // namespace tq58

#include "gui/editor/CheckedEntries.h"

#include "gui/TextCodec.h"
#include "gui/editor/EditorHost.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

namespace tq58 {

CheckedEntries::CheckedEntries(EditorHost& host, QWidget* page)
    : QObject(page), host_(host), page_(page) {}

void CheckedEntries::Add(QLineEdit* field, Shown shown, Check check) {
    entries_.push_back({field, std::move(shown), std::move(check)});
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
        if (host_.EventsSuspended() || !page_->isEnabled()) {
            return;
        }
        Find(field)->pending = true;
        host_.SetDataChanged(true);
    });
}

void CheckedEntries::Fill() {
    for (Entry& entry : entries_) {
        entry.pending = false;
        entry.field->setText(ToQt(entry.shown()));
    }
}

bool CheckedEntries::CheckPending() {
    for (Entry& entry : entries_) {
        if (entry.pending && !CheckEntry(entry)) {
            Reveal(entry.field);
            return false;
        }
    }
    return true;
}

bool CheckedEntries::CheckEntry(Entry& entry) {
    switch (entry.check(FromQt(entry.field->text()))) {
    case EntryCheck::Refused:
        return false;
    case EntryCheck::Shown:
        entry.field->setText(ToQt(entry.shown()));
        host_.CommitStep();
        break;
    }
    entry.pending = false;
    return true;
}

bool CheckedEntries::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A menu or another window only borrows the focus; it comes back to the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            auto* field = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, field, [this, field] { CheckAfterLeaving(field); });
        }
    }
    return QObject::eventFilter(watched, event);
}

// The focus moved on to another control of the page: the entry is checked now. When it moved
// out of the page (to the tree, say), the page check that follows takes care of it, and when
// that check already refused, the focus is back in the field.
void CheckedEntries::CheckAfterLeaving(QLineEdit* field) {
    Entry* entry = Find(field);
    const QWidget* focus = QApplication::focusWidget();
    if (!entry->pending || !focus || focus == field || !page_->isAncestorOf(focus) ||
        !field->isEnabled() || !field->isVisible()) {
        return;
    }
    if (!CheckEntry(*entry)) {
        Reveal(field);
    }
}

// Brings the field's tab to the front and scrolls it into view before it takes the focus.
void CheckedEntries::Reveal(QLineEdit* field) const {
    for (QWidget* child = field; child && child != page_; child = child->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
            tabs->setCurrentWidget(child);
        }
    }
    for (QWidget* parent = field->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(parent)) {
            scroll->ensureWidgetVisible(field);
        }
    }
    field->setFocus(Qt::OtherFocusReason);
}

CheckedEntries::Entry* CheckedEntries::Find(const QObject* field) {
    for (Entry& entry : entries_) {
        if (entry.field == field) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace tq58

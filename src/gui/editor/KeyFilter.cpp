#include "gui/editor/KeyFilter.h"

#include <QLineEdit>

namespace tq58 {

KeyFilter::KeyFilter(Rule accepts, QObject* parent) : QValidator(parent), accepts_(accepts) {}

QValidator::State KeyFilter::validate(QString& text, int&) const {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF || !accepts_(static_cast<char>(c.unicode()))) {
            return Invalid;
        }
    }
    return Acceptable;
}

void FilterKeys(QLineEdit* field, KeyFilter::Rule accepts, int maxLength) {
    field->setValidator(new KeyFilter(accepts, field));
    field->setMaxLength(maxLength);
}

} // namespace tq58

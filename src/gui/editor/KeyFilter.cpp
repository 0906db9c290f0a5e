#include "gui/editor/KeyFilter.h"

#include <QLineEdit>

namespace tq58 {

KeyFilter::KeyFilter(Accepts accepts, QObject* parent)
    : QValidator(parent), accepts_(std::move(accepts)) {}

// The radio's texts are ASCII: anything beyond it is refused before the rule is asked.
QValidator::State KeyFilter::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (c.unicode() > 0x7F || !accepts_(static_cast<char>(c.unicode()))) {
            return Invalid;
        }
    }
    return Acceptable;
}

void FilterKeys(QLineEdit* field, KeyFilter::Accepts accepts) {
    field->setValidator(new KeyFilter(std::move(accepts), field));
}

void FilterKeys(QLineEdit* field, KeyFilter::Accepts accepts, int maxLength) {
    FilterKeys(field, std::move(accepts));
    field->setMaxLength(maxLength);
}

} // namespace tq58

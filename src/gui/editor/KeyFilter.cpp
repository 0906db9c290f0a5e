#include "gui/editor/KeyFilter.h"

#include <QLineEdit>

namespace tq58 {

KeyFilter::KeyFilter(Accepts accepts, QObject* parent)
    : QValidator(parent), accepts_(std::move(accepts)) {}

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

bool IsDigitKey(char c) {
    return c >= '0' && c <= '9';
}

bool IsDigitOrLetterKey(char c) {
    return IsDigitKey(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace tq58

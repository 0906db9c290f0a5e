#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

namespace tq58 {

// Discards every key (and pasted text) with a character the field does not take; Backspace
// and the cursor keys always work.
class KeyFilter : public QValidator {
    Q_OBJECT

public:
    using Accepts = std::function<bool(char)>;

    KeyFilter(Accepts accepts, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    Accepts accepts_;
};

void FilterKeys(QLineEdit* field, KeyFilter::Accepts accepts);

bool IsDigitKey(char c);
bool IsDigitOrLetterKey(char c);

} // namespace tq58

#pragma once

#include <QValidator>

class QLineEdit;

namespace tq58 {

// Lets into a text field only the characters a rule accepts, whether typed or pasted; the
// field's maximum length caps the rest.
class KeyFilter : public QValidator {
    Q_OBJECT

public:
    using Rule = bool (*)(char);

    KeyFilter(Rule accepts, QObject* parent);

    State validate(QString& text, int& position) const override;

private:
    Rule accepts_;
};

// Gives the field the rule and the length.
void FilterKeys(QLineEdit* field, KeyFilter::Rule accepts, int maxLength);

} // namespace tq58

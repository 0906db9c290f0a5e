#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

namespace tq58 {

// Lets into a text field only the characters a rule accepts, whether typed or pasted;
// Backspace and the cursor keys always work.
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
// The rule and the field's length together.
void FilterKeys(QLineEdit* field, KeyFilter::Accepts accepts, int maxLength);

} // namespace tq58

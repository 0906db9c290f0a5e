#pragma once

#include <QCheckBox>
#include <functional>

namespace tq58 {

// A check box that a user's click or key changes only when its guard agrees: a question
// answered No leaves the box, the record and the changed state as they were. Filling the box
// from the record is never asked about.
class GuardedCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using Guard = std::function<bool(bool checked)>;

    GuardedCheckBox(const QString& caption, QWidget* parent = nullptr)
        : QCheckBox(caption, parent) {}

    void SetGuard(Guard guard) { guard_ = std::move(guard); }

protected:
    void nextCheckState() override;

private:
    Guard guard_;
};

} // namespace tq58

#include "gui/editor/GuardedCheckBox.h"

namespace tq58 {

void GuardedCheckBox::nextCheckState() {
    if (!guard_ || guard_(!isChecked())) {
        QCheckBox::nextCheckState();
    }
}

} // namespace tq58

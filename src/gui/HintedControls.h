#pragma once

#include "editor/ControlHints.h"

#include <QString>
#include <optional>

namespace tq58 {

// The control a widget of the window stands for, by the widget's object name; absent for a
// widget without hint and help context. An indexed widget ("chkUsable_2") stands for its group.
std::optional<HintedControl> HintedControlOf(const QString& objectName);

} // namespace tq58

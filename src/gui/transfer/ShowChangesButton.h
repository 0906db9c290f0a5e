#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

class QPushButton;
class QWidget;

namespace tq58 {

// "Show changes" of the Program to Radio dialog: how the data to be written differs from the
// newest backup of a read of the model, with the backup's date, in a window that stays open
// beside the dialog. Null when no backup of the model can be read: no backup, no button.
QPushButton* MakeShowChangesButton(const RadioData& data, const ModelState& model, QWidget* dialog);

} // namespace tq58

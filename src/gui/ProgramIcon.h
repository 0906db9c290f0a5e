#pragma once

#include <QIcon>
#include <QPixmap>

namespace tq58 {

// The program's own drawing, compiled into the program: the window icon in the sizes of
// title bars and task switchers, and the logo of the start page and the about box.
QIcon ProgramIcon();
QPixmap ProgramLogo();

} // namespace tq58

#pragma once

#include <QIcon>
#include <QPixmap>

namespace tq58 {

// The program's own drawing, compiled into the program: the window icon in the sizes of
// title bars and task switchers, and the logo of the start page and the about box.
QIcon ProgramIcon();
QPixmap ProgramLogo();

// The tool bar's pictures, the mark of a tree node whose MMSI is of the wrong kind and the find
// field's clear button, drawn by tools/draw-icons. They come from the program, not from the
// desktop's icon theme: a theme that lacks a picture is searched in every one of its folders,
// thousands of file look-ups at each start.
enum class Picture { New, Open, Save, HardDisk, Print, Up, Down, Back, Forward, Warning, Clear };
QIcon PictureIcon(Picture picture);

} // namespace tq58

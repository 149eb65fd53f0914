// The program's small images, drawn in code at 16 x 16 pixels.
#pragma once

#include <QIcon>

namespace parabel::ui {

// The toolbar images, by index: 0 hard-disk drive, 1 window, 2 open folder,
// 3 printer, 4 blank page, 5 floppy disk, 6 gear wheels, 7 two circling
// arrows, 8 power symbol, 9 magnifying glass, 10 running figure.
QIcon toolbarImage(int index);
constexpr int kToolbarImageCount = 11;

// The small dot before every line of the solution list.
QIcon dotImage();

}  // namespace parabel::ui

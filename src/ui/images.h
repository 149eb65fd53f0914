// The program's small images, drawn in code at 16 x 16 pixels.
#pragma once

#include <QIcon>

#include "app/commands.h"

namespace parabel::ui {

// The toolbar's images (the command table names each command's).
QIcon toolbarImage(ToolImage image);

// The small dot before every line of the solution list.
QIcon dotImage();

// The arrow at the equation field's end that opens the equations solved.
QIcon dropDownImage();

}  // namespace parabel::ui

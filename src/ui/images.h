// The program's small images, drawn in code at 16 x 16 pixels.
#pragma once

#include <QIcon>

namespace parabel::ui {

// The toolbar's images, named for what they show.
enum class ToolbarImage {
    kHardDisk,         // save the plot
    kOpenFolder,       // load an equation
    kBlankPage,        // clear
    kFloppyDisk,       // save the solution
    kGearWheels,       // solve
    kCirclingArrows,   // refresh
    kPower,            // exit
    kMagnifyingGlass,  // full screen
    kRunningFigure,    // About
    kPrinter,          // print
};

QIcon toolbarImage(ToolbarImage image);

// The small dot before every line of the solution list.
QIcon dotImage();

// The arrow at the equation field's end that opens the equations solved.
QIcon dropDownImage();

}  // namespace parabel::ui

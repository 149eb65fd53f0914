// The program's three windows, created once in the order of start-up: the
// main window (whose creation reads the settings), then the full-screen and
// About windows, hidden.
#pragma once

#include "uAbout.h"
#include "uFullScreen.h"
#include "uMain.h"

namespace parabel::ui {

struct ProgramWindows {
    explicit ProgramWindows(AppContext& context)
        : FrmMain(context), FrmFullScreen(context, FrmMain), FrmAbout(context, FrmMain) {
        FrmMain.SetWindows(&FrmFullScreen, &FrmAbout);
    }

    TFrmMain FrmMain;
    TFrmFullScreen FrmFullScreen;
    TFrmAbout FrmAbout;
};

}  // namespace parabel::ui

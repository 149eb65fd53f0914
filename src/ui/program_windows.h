// The program's three windows, created once in the order of start-up: the
// main window (whose creation reads the settings), then the full-screen and
// About windows, hidden.
#pragma once

#include "about_dialog.h"
#include "full_screen_window.h"
#include "main_window.h"

namespace parabel::ui {

struct ProgramWindows {
    explicit ProgramWindows(AppContext& context)
        : FrmMain(context), FrmFullScreen(context, FrmMain), FrmAbout(context, FrmMain) {
        FrmMain.SetWindows(&FrmFullScreen, &FrmAbout);
    }

    MainWindow FrmMain;
    FullScreenWindow FrmFullScreen;
    AboutDialog FrmAbout;
};

}  // namespace parabel::ui

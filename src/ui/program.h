// The whole run of the windowed program, from its command line to the end
// of its event loop.
#pragma once

namespace parabel::ui {

// What main() does: answers --help and --version, or shows the main window
// (loading an equation file named on the command line) and runs until it
// closes. Returns the exit status.
int runProgram(int argc, char** argv);

}  // namespace parabel::ui

// Where the program keeps what it remembers between runs that is no setting
// (the equations solved): the user's state folder of the XDG base
// directories, never beside the program and never in Inf.ini.
#pragma once

#include <string>

namespace parabel {

// The folder for the program's state, ending in '/':
// $XDG_STATE_HOME/org.parabel.Parabel/, where an unset, empty or relative
// XDG_STATE_HOME stands for <home>/.local/state. Empty without either.
std::string ChooseStateFolder(const char* xdgStateHome, const char* home);

// The choice for this process, from the environment and the home folder
// (HomeFolder).
std::string FindStateFolder();

}  // namespace parabel

// Where the settings file Inf.ini lives. A copy of the program that can keep
// its settings beside itself does so (the portable case: an unpacked build
// folder). An installed program keeps them in each user's configuration
// folder instead, whoever runs it: a copy in the system's program folders is
// shared by every user, so a file beside it would hand one user's colour to
// all of them.
#pragma once

#include <string>
#include <vector>

namespace parabel {

// The application id, which names the folder in the configuration folder.
constexpr const char* kApplicationId = "org.parabel.Parabel";

struct SettingsLocation {
    std::string path;          // the Inf.ini to read and to write; empty: none
    bool makesFolder = false;  // its folder is made when first written
};

// What the choice depends on, gathered from the system by FindSettings.
struct SettingsFacts {
    std::string programFolder;  // canonical, with a trailing '/'
    // The canonical folders installed programs run from; a copy in one of
    // them is never portable.
    std::vector<std::string> systemFolders;
    bool fileBesideProgram = false;
    bool programFolderWritable = false;
    const char* xdgConfigHome = nullptr;  // the variable, or null when unset
    const char* home = nullptr;           // the home folder, or null when unknown
};

// For a copy outside the system folders, beside the program when Inf.ini
// already exists there or the user may write that folder. Otherwise
// $XDG_CONFIG_HOME/<id>/Inf.ini, where an unset, empty or relative
// XDG_CONFIG_HOME stands for <home>/.config. Without a usable home either,
// beside the program, except for a copy in the system folders, which then
// has no settings file (an empty path: the colour starts red and cannot be
// kept).
SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts);

// The user's configuration folder of the program, ending in '/':
// $XDG_CONFIG_HOME/<id>/, where an unset, empty or relative XDG_CONFIG_HOME
// stands for <home>/.config; empty without either. An installed copy keeps
// Inf.ini there; every copy keeps there what is the user's own choice
// whichever copy runs (the interface language).
std::string ChooseConfigurationFolder(const char* xdgConfigHome, const char* home);
// The choice for this process, from the environment and HomeFolder.
std::string FindConfigurationFolder();

// $HOME when it is an absolute path, else the home folder of the user's
// entry in the password database (a process started without HOME); empty
// when there is neither.
std::string HomeFolder();

// The choice for this process: the program's folder from /proc/self/exe,
// the system folders (the folder the programs were installed into, /usr/bin
// and /usr/local/bin, with their links resolved), the environment, the home
// folder ($HOME, else the user's entry in the password database), and what
// the user may write (access(2)).
SettingsLocation FindSettingsLocation();

}  // namespace parabel

// Where the settings file Inf.ini lives. A copy of the program that can keep
// its settings beside itself does so (the portable case: an unpacked build
// folder). An installed program, whose folder the user may not write, keeps
// them in the user's configuration folder instead.
#pragma once

#include <string>

namespace parabel {

// The application id, which names the folder in the configuration folder.
constexpr const char* kApplicationId = "org.parabel.Parabel";

struct SettingsLocation {
    std::string path;          // the Inf.ini to read and to write
    bool makesFolder = false;  // its folder is made when first written
};

// What the choice depends on, gathered from the system by FindSettings.
struct SettingsFacts {
    std::string programFolder;  // with a trailing '/'
    bool fileBesideProgram = false;
    bool programFolderWritable = false;
    const char* xdgConfigHome = nullptr;  // the variable, or null when unset
    const char* home = nullptr;
};

// Beside the program when Inf.ini already exists there or the user may
// write that folder; otherwise $XDG_CONFIG_HOME/<id>/Inf.ini, where an unset,
// empty or relative XDG_CONFIG_HOME stands for $HOME/.config. Without a
// usable home either, beside the program.
SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts);

// The choice for this process: the program's folder from /proc/self/exe,
// the environment, and what the user may write (access(2)).
SettingsLocation FindSettingsLocation();

// WriteColorText at that location, making its folder (and the folders
// above it, private to the user) first when it is the configuration
// folder. A folder that cannot be made fails as the write does:
// "Unable to write to <path>".
void WriteColorText(const SettingsLocation& location, const std::string& colorText);

}  // namespace parabel

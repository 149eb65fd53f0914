// The settings file Inf.ini, wherever it lives (settings_location.h): the
// curve colour as the text of key "Color" in section "1".
#pragma once

#include <string>

#include "settings_location.h"

namespace parabel {

// The folder of the program's own file (/proc/self/exe) followed by "Inf.ini".
std::string SettingsPathBesideProgram();

// The colour text: the value of Color in [1], or "clRed" when the file, the
// section or the key is missing (an empty value is returned as it is). The
// text is converted from the file's Windows-1251 bytes to UTF-8.
std::string ReadColorText(const std::string& settingsPath);

// Writes the colour text as Color in [1] of the file at `location`, creating
// the file or adding the section or key as needed and keeping every other
// line as it was; the file is replaced only once fully written. In the
// configuration folder, that folder (and the folders above it, private to
// the user) is made first. Raises std::runtime_error "Unable to write to
// <path>" when the folder or the file cannot be written, and "Unable to
// write the settings: no home folder to keep them in" for a location
// without a path.
void WriteColorText(const SettingsLocation& location, const std::string& colorText);

}  // namespace parabel

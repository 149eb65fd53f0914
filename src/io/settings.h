// The settings file Inf.ini, wherever it lives (settings_location.h): the
// curve colour as the text of key "Color" in section "1".
#pragma once

#include <string>
#include <string_view>

#include "settings_location.h"

namespace parabel {

// The folder of the program's own file (/proc/self/exe) followed by "Inf.ini".
std::string SettingsPathBesideProgram();

// The colour text in the settings file's bytes (Windows-1251): the value of
// Color in [1] in UTF-8, or "clRed" when the section or the key is missing
// (an empty value is returned as it is).
std::string ColorTextOf(std::string_view settingsText);

// The settings file's bytes with Color in [1] set to `colorText` (UTF-8,
// written as Windows-1251): the section or key added as needed, every other
// line kept as it was. "" and "clBlue" give "[1]\r\nColor=clBlue\r\n".
std::string WithColorText(std::string_view settingsText, const std::string& colorText);

// ColorTextOf the file's bytes; "clRed" when there is no such file.
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

// The settings file Inf.ini beside the program: the curve colour as the
// text of key "Color" in section "1".
#pragma once

#include <string>

namespace parabel {

// The folder of the program's own file (/proc/self/exe) followed by "Inf.ini".
std::string SettingsPathBesideProgram();

// The colour text: the value of Color in [1], or "clRed" when the file, the
// section or the key is missing (an empty value is returned as it is). The
// text is converted from the file's Windows-1251 bytes to UTF-8.
std::string ReadColorText(const std::string& settingsPath);

// Writes the colour text as Color in [1], creating the file or adding the
// section or key as needed and keeping every other line as it was; the file
// is replaced only once fully written. Raises std::runtime_error
// "Unable to write to <path>" when it cannot be written.
void WriteColorText(const std::string& settingsPath, const std::string& colorText);

}  // namespace parabel

#include "settings.h"

#include <unistd.h>

#include <climits>
#include <span>
#include <stdexcept>

#include "core/windows1251.h"
#include "profile.h"
#include "safe_save.h"
#include "small_files.h"

namespace parabel {

namespace {

constexpr const char* kSection = "1";
constexpr const char* kKey = "Color";
constexpr const char* kDefaultColor = "clRed";

// The file's bytes; empty when it is missing, is no regular file (a pipe
// or device would stall the program) or cannot be read.
std::string ReadSettingsFile(const std::string& path) {
    return ReadRegularFile(path, std::string().max_size()).value_or(std::string());
}

}  // namespace

std::string SettingsPathBesideProgram() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return "Inf.ini";
    }
    const std::string program(path, length);
    return program.substr(0, program.rfind('/') + 1) + "Inf.ini";
}

std::string ColorTextOf(std::string_view settingsText) {
    const auto value = ReadProfileValue(settingsText, kSection, kKey);
    return value ? Windows1251ToUtf8(*value) : kDefaultColor;
}

std::string WithColorText(std::string_view settingsText, const std::string& colorText) {
    return SetProfileValue(settingsText, kSection, kKey, Utf8ToWindows1251(colorText));
}

std::string ReadColorText(const std::string& settingsPath) {
    return ColorTextOf(ReadSettingsFile(settingsPath));
}

void WriteColorText(const SettingsLocation& location, const std::string& colorText) {
    const std::string& path = location.path;
    if (path.empty()) {
        throw std::runtime_error("Unable to write the settings: no home folder to keep them in");
    }
    if (location.makesFolder && !MakeFolders(path.substr(0, path.rfind('/') + 1))) {
        throw std::runtime_error("Unable to write to " + path);
    }
    const std::string text = WithColorText(ReadSettingsFile(path), colorText);
    try {
        SaveFileSafely(path,
                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception&) {
        throw std::runtime_error("Unable to write to " + path);
    }
}

}  // namespace parabel

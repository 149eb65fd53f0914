#include "settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>

#include "core/windows1251.h"
#include "profile.h"
#include "safe_save.h"

namespace parabel {

namespace {

constexpr const char* kSection = "1";
constexpr const char* kKey = "Color";
constexpr const char* kDefaultColor = "clRed";

// The file's bytes; empty when it is missing or is no regular file (a pipe
// or device would stall the program).
std::string ReadSettingsFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
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

std::string ReadColorText(const std::string& settingsPath) {
    const auto value = ReadProfileValue(ReadSettingsFile(settingsPath), kSection, kKey);
    return value ? Windows1251ToUtf8(*value) : kDefaultColor;
}

void WriteColorText(const std::string& settingsPath, const std::string& colorText) {
    const std::string text = SetProfileValue(ReadSettingsFile(settingsPath), kSection, kKey,
                                             Utf8ToWindows1251(colorText));
    try {
        SaveFileSafely(settingsPath,
                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception&) {
        throw std::runtime_error("Unable to write to " + settingsPath);
    }
}

}  // namespace parabel

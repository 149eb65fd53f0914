#include "settings_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "settings.h"

namespace parabel {

namespace {

constexpr const char* kFileName = "Inf.ini";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// Makes every missing folder of `folder` (which ends in '/'), mode 0700.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts) {
    SettingsLocation beside{facts.programFolder + kFileName, false};
    if (facts.fileBesideProgram || facts.programFolderWritable) {
        return beside;
    }
    std::string configFolder;
    if (IsAbsolute(facts.xdgConfigHome)) {
        configFolder = facts.xdgConfigHome;
    } else if (IsAbsolute(facts.home)) {
        configFolder = std::string(facts.home) + "/.config";
    } else {
        return beside;
    }
    if (configFolder.back() != '/') {
        configFolder += '/';
    }
    return {configFolder + kApplicationId + "/" + kFileName, true};
}

SettingsLocation FindSettingsLocation() {
    const std::string beside = SettingsPathBesideProgram();
    SettingsFacts facts;
    facts.programFolder = beside.substr(0, beside.size() - std::string(kFileName).size());
    facts.fileBesideProgram = access(beside.c_str(), F_OK) == 0;
    facts.programFolderWritable =
        access(facts.programFolder.empty() ? "." : facts.programFolder.c_str(), W_OK) == 0;
    facts.xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    facts.home = std::getenv("HOME");
    return ChooseSettingsLocation(facts);
}

void WriteColorText(const SettingsLocation& location, const std::string& colorText) {
    if (location.makesFolder &&
        !MakeFolders(location.path.substr(0, location.path.rfind('/') + 1))) {
        throw std::runtime_error("Unable to write to " + location.path);
    }
    WriteColorText(location.path, colorText);
}

}  // namespace parabel

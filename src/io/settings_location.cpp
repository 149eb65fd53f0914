#include "settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <stdexcept>

#include "settings.h"

namespace parabel {

namespace {

constexpr const char* kFileName = "Inf.ini";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSlashes(std::string folder) {
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

bool InSystemFolder(const SettingsFacts& facts) {
    const std::string folder = WithoutTrailingSlashes(facts.programFolder);
    return std::ranges::any_of(facts.systemFolders, [&](const std::string& system) {
        return WithoutTrailingSlashes(system) == folder;
    });
}

// The folders installed programs run from, each resolved to its canonical
// path (on a merged /usr, /bin is /usr/bin) so that it compares with the
// program's own canonical folder.
std::vector<std::string> SystemProgramFolders() {
    std::vector<std::string> folders;
    for (const char* folder : {PARABEL_INSTALL_BINDIR, "/usr/bin", "/usr/local/bin"}) {
        char resolved[PATH_MAX];
        folders.emplace_back(realpath(folder, resolved) != nullptr ? resolved : folder);
    }
    return folders;
}

// $HOME when it is an absolute path, else the home folder of the user's
// entry in the password database (a process started without HOME).
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home)) {
        return home;
    }
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        IsAbsolute(found->pw_dir)) {
        return found->pw_dir;
    }
    return {};
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
    const bool installed = InSystemFolder(facts);
    if (!installed && (facts.fileBesideProgram || facts.programFolderWritable)) {
        return beside;
    }
    std::string configFolder;
    if (IsAbsolute(facts.xdgConfigHome)) {
        configFolder = facts.xdgConfigHome;
    } else if (IsAbsolute(facts.home)) {
        configFolder = std::string(facts.home) + "/.config";
    } else {
        return installed ? SettingsLocation{} : beside;
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
    facts.systemFolders = SystemProgramFolders();
    facts.fileBesideProgram = access(beside.c_str(), F_OK) == 0;
    facts.programFolderWritable =
        access(facts.programFolder.empty() ? "." : facts.programFolder.c_str(), W_OK) == 0;
    facts.xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    const std::string home = HomeFolder();
    facts.home = home.empty() ? nullptr : home.c_str();
    return ChooseSettingsLocation(facts);
}

void WriteColorText(const SettingsLocation& location, const std::string& colorText) {
    if (location.path.empty()) {
        throw std::runtime_error("Unable to write the settings: no home folder to keep them in");
    }
    if (location.makesFolder &&
        !MakeFolders(location.path.substr(0, location.path.rfind('/') + 1))) {
        throw std::runtime_error("Unable to write to " + location.path);
    }
    WriteColorText(location.path, colorText);
}

}  // namespace parabel

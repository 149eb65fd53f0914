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
    // Iterator form: the WebAssembly build's library has no ranges yet.
    return std::any_of(
        facts.systemFolders.begin(), facts.systemFolders.end(),
        [&](const std::string& system) { return WithoutTrailingSlashes(system) == folder; });
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

}  // namespace

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

std::string ChooseConfigurationFolder(const char* xdgConfigHome, const char* home) {
    std::string configFolder;
    if (IsAbsolute(xdgConfigHome)) {
        configFolder = xdgConfigHome;
    } else if (IsAbsolute(home)) {
        configFolder = std::string(home) + "/.config";
    } else {
        return {};
    }
    if (configFolder.back() != '/') {
        configFolder += '/';
    }
    return configFolder + kApplicationId + "/";
}

std::string FindConfigurationFolder() {
    const std::string home = HomeFolder();
    return ChooseConfigurationFolder(std::getenv("XDG_CONFIG_HOME"),
                                     home.empty() ? nullptr : home.c_str());
}

SettingsLocation ChooseSettingsLocation(const SettingsFacts& facts) {
    SettingsLocation beside{facts.programFolder + kFileName, false};
    const bool installed = InSystemFolder(facts);
    if (!installed && (facts.fileBesideProgram || facts.programFolderWritable)) {
        return beside;
    }
    const std::string configFolder = ChooseConfigurationFolder(facts.xdgConfigHome, facts.home);
    if (configFolder.empty()) {
        return installed ? SettingsLocation{} : beside;
    }
    return {configFolder + kFileName, true};
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

}  // namespace parabel

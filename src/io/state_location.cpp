#include "state_location.h"

#include <cstdlib>

#include "settings_location.h"

namespace parabel {

std::string ChooseStateFolder(const char* xdgStateHome, const char* home) {
    std::string folder;
    if (xdgStateHome != nullptr && xdgStateHome[0] == '/') {
        folder = xdgStateHome;
    } else if (home != nullptr && home[0] == '/') {
        folder = std::string(home) + "/.local/state";
    } else {
        return {};
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder + kApplicationId + "/";
}

std::string FindStateFolder() {
    const std::string home = HomeFolder();
    return ChooseStateFolder(std::getenv("XDG_STATE_HOME"), home.empty() ? nullptr : home.c_str());
}

}  // namespace parabel

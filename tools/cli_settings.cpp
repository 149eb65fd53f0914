// parabel-cli settings: where the program installed beside parabel-cli keeps
// the settings file Inf.ini for the user who asks, and the colour kept there.
// Both programs live in one folder, so the choice made for this process is
// the one the program makes.
#include <cstdio>
#include <string>

#include "cli_commands.h"
#include "cli_input.h"
#include "io/settings.h"
#include "io/settings_location.h"

namespace parabel::cli {

int RunSettings(const std::vector<std::string>& args) {
    const auto split = SplitOperands(args, "settings", {});
    if (!split) {
        return 2;
    }
    if (!split->operands.empty()) {
        Complain("settings: unexpected operand " + split->operands.front());
        return 2;
    }
    const SettingsLocation location = FindSettingsLocation();
    if (location.path.empty()) {
        std::puts("file: (none: no home folder to keep it in)");
    } else {
        std::printf("file: %s\n", location.path.c_str());
    }
    std::printf("color: %s\n", ReadColorText(location.path).c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace parabel::cli

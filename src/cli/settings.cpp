// parabel-cli settings: where the program installed beside parabel-cli keeps
// the settings file Inf.ini for the user who asks, and the colour kept there.
// Both programs live in one folder, so the choice made for this process is
// the one the program makes.
#include <cstdio>
#include <string>

#include "commands.h"
#include "input.h"
#include "io/settings.h"
#include "io/settings_location.h"

namespace parabel::cli {

namespace {

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

}  // namespace

namespace {

const char kSettingsHelp[] =
    "settings Prints where the program installed beside parabel-cli keeps its\n"
    "        settings file Inf.ini for the user who asks, and the curve colour\n"
    "        kept there (clRed while the file holds none):\n"
    "                  file: PATH\n"
    "                  color: COLOUR\n"
    "        A copy in the system's program folders (the folder it was installed\n"
    "        into, /usr/bin, /usr/local/bin) keeps it in the user's configuration\n"
    "        folder, $XDG_CONFIG_HOME/org.parabel.Parabel/ (by default\n"
    "        ~/.config/org.parabel.Parabel/), whoever runs it. A copy elsewhere\n"
    "        keeps it beside itself when the file is already there or the user\n"
    "        may write that folder, otherwise in the configuration folder too.\n";

}  // namespace

const Command kSettingsCommand = {
    "settings",
    "parabel-cli settings\n",
    [] { return std::string(kSettingsHelp); },
    RunSettings,
};

}  // namespace parabel::cli

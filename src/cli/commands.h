// The commands of parabel-cli, in one table: each with its name, its usage
// lines, its help and what runs it. A command's run takes the arguments after
// its name and returns the process's exit status: 0 success, 1 some input
// failed, 2 bad arguments.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace parabel::cli {

struct Command {
    const char* name;
    // Its usage, one line per form, each "parabel-cli NAME ..." and ending in
    // a line feed.
    const char* synopsis;
    // What it does and its options, as the help shows them.
    std::string (*help)();
    int (*run)(const std::vector<std::string>& args);
};

extern const Command kSolveCommand;
extern const Command kNumberCommand;
extern const Command kPlotCommand;
extern const Command kSettingsCommand;
extern const Command kWorksheetCommand;

// Every command, in the order the help lists them.
std::span<const Command* const> Commands();

// The command of that name, or null.
const Command* FindCommand(std::string_view name);

}  // namespace parabel::cli

#include "commands.h"

namespace parabel::cli {

namespace {

const Command* const kCommands[] = {&kSolveCommand, &kNumberCommand, &kPlotCommand,
                                    &kSettingsCommand, &kWorksheetCommand};

}  // namespace

std::span<const Command* const> Commands() {
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command* command : kCommands) {
        if (name == command->name) {
            return command;
        }
    }
    return nullptr;
}

}  // namespace parabel::cli

// parabel-cli: the command-line companion of Parabel. It solves, converts
// numbers and draws with the same code as the program, so what it prints is
// what the program shows and saves.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/version.h"
#include "commands.h"
#include "core/arithmetic_environment.h"
#include "core/decimal_separator.h"
#include "help.h"
#include "input.h"
#include "language.h"

namespace {

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

int ShowHelp(const std::string& topic) {
    const std::optional<std::string> help =
        topic.empty() ? parabel::cli::FullHelp() : parabel::cli::CommandHelp(topic);
    if (!help) {
        parabel::cli::Complain("help: unknown command " + topic);
        return 2;
    }
    std::fputs(help->c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit fails with an error instead of
    // ending the process, so a save can report it.
    std::signal(SIGXFSZ, SIG_IGN);
    // Never the environment inherited: a library loaded before main may
    // have lowered the x87's precision.
    parabel::UseProgramArithmetic();
    parabel::ReadDecimalSeparatorFromLocale();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!parabel::cli::TakeLanguageOption(args)) {
        return 2;
    }
    if (args.empty()) {
        std::fputs(parabel::cli::FullHelp().c_str(), stderr);
        return 2;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "--help" || name == "-h" || name == "help") {
        return ShowHelp(name == "help" && !args.empty() ? args.front() : "");
    }
    if (name == "--version") {
        std::printf("parabel-cli %s\n", parabel::kVersion);
        return 0;
    }
    const parabel::cli::Command* command = parabel::cli::FindCommand(name);
    if (command == nullptr) {
        parabel::cli::Complain("unknown command " + name + " (see parabel-cli --help)");
        return 2;
    }
    if (AsksForHelp(args)) {
        return ShowHelp(name);
    }
    return command->run(args);
}

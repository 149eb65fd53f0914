#include "help.h"

#include <sstream>

#include "commands.h"

namespace parabel::cli {

namespace {

const char kFooter[] =
    "With several operands a message about one of them starts with\n"
    "\"operand N: \"; a message about a line of standard input always starts\n"
    "with \"line N: \". Numbers in equations and worked solutions use the\n"
    "decimal separator of the locale (LC_NUMERIC, LC_ALL, LANG), as the\n"
    "program does.\n"
    "--language ru|en, before or after the command, chooses the language of the\n"
    "worked solutions, the program's messages and the texts in JSON; without it\n"
    "they follow the first of LANGUAGE, LC_ALL, LC_MESSAGES, LANG that is\n"
    "Russian or English, else Russian (also for the C/POSIX locale). This help\n"
    "and the options stay English; a saved solution stays Windows-1251.\n"
    "Exit status: 0 all inputs done, 1 some input failed, 2 bad arguments.\n";

// The usage lines of a command's synopsis, indented as in a usage block.
std::string UsageLines(const char* synopsis) {
    std::istringstream lines(synopsis);
    std::string block;
    for (std::string line; std::getline(lines, line);) {
        block += "  " + line + "\n";
    }
    return block;
}

}  // namespace

std::string FullHelp() {
    std::string usage = "Usage:\n";
    std::string helps;
    for (const Command* command : Commands()) {
        usage += UsageLines(command->synopsis);
        helps += command->help() + "\n";
    }
    usage +=
        "  parabel-cli help [COMMAND]    (or COMMAND --help)\n"
        "  parabel-cli --version\n"
        "  parabel-cli --language ru|en COMMAND ...   (with any command, see below)\n";
    return usage + "\n" + helps + kFooter;
}

std::optional<std::string> CommandHelp(std::string_view name) {
    const Command* command = FindCommand(name);
    if (command == nullptr) {
        return std::nullopt;
    }
    return "Usage:\n" + UsageLines(command->synopsis) + "\n" + command->help() + "\n" + kFooter;
}

}  // namespace parabel::cli

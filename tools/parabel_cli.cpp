// parabel-cli: the command-line companion of Parabel. It solves, converts
// numbers and draws with the same code as the program, so what it prints is
// what the program shows and saves.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli_color.h"
#include "cli_commands.h"
#include "cli_input.h"
#include "core/decimal_separator.h"

namespace {

const char kSynopsis[] =
    "Usage:\n"
    "  parabel-cli solve [--values | --json | --saved] [EQUATION...]\n"
    "  parabel-cli number [--bits] [TEXT...]\n"
    "  parabel-cli plot EQUATION -o FILE [--format bmp|png|svg] [--color COLOUR]"
    " [--screen WxH]\n"
    "  parabel-cli plot EQUATION --trace [--color COLOUR] [--screen WxH]\n"
    "  parabel-cli settings\n"
    "  parabel-cli help [COMMAND]    (or COMMAND --help)\n"
    "  parabel-cli --version\n";

const char kSolveHelp[] =
    "solve   Solves each quadratic equation (a x^2 + b x + c, with an optional\n"
    "        \"=0\"), or each line of standard input when none is given.\n"
    "        Equations are taken in lower case, as the equation field holds\n"
    "        them. A failure prints the program's error message to standard\n"
    "        error and goes on.\n"
    "        Output, UTF-8 text with LF line ends unless --saved:\n"
    "        (none)    the worked solution exactly as the program saves it (the\n"
    "                  equation line first), then an empty line; nothing for a\n"
    "                  failed equation.\n"
    "        --values  the lines so far, then one line\n"
    "                  values: A;B;C;ROOT1;ROOT2   (no root: 2147483647)\n"
    "                  or error: form | error: conversion | error: text,\n"
    "                  then an empty line.\n"
    "        --json    one JSON object per equation, one per line:\n"
    "                  {\"input\": the text as given, \"equation\": \"...=0\",\n"
    "                   \"lines\": [the saved solution's lines],\n"
    "                   \"a\", \"b\", \"c\", \"discriminant\": \"NUMBER\",\n"
    "                   \"roots\": [\"X1\" or null, \"X2\" or null]}\n"
    "                  numbers are strings as the program writes them, with '.'\n"
    "                  whatever the locale; null where there is no root. On a\n"
    "                  failure \"error\": {\"kind\": \"form\" | \"conversion\" |\n"
    "                  \"text\", \"message\": the message} replaces the numbers\n"
    "                  (\"text\": characters the equation field cannot hold).\n"
    "        --saved   the bytes the program's save-solution command writes after\n"
    "                  the same solve, failed or not: Windows-1251, CR LF after\n"
    "                  every line; one solution after the other; nothing for\n"
    "                  text the equation field cannot hold.\n";

const char kNumberHelp[] =
    "number  Reads each text as the program reads a coefficient and prints it\n"
    "        back as the program writes numbers; a rejected text prints\n"
    "        \"error: conversion\" (its message goes to standard error).\n"
    "        --bits    prefix the 80-bit pattern as 20 hexadecimal digits and a tab\n";

const char kPlotHelp[] =
    "plot    Solves the equation as the program does and writes the picture its\n"
    "        save-graph command saves: the 322 x 338 frame with the plot.\n"
    "        --screen WxH writes the full-screen picture for a screen of that\n"
    "        size instead (W x (H - 40)).\n"
    "        -o FILE   the format follows the extension of FILE, in any case:\n"
    "                  .bmp  32-bit BMP, byte for byte what the program saves\n"
    "                  .png  the same pixels, 8-bit RGB, lossless\n"
    "                  .svg  vector: the same drawing as lines and texts in a\n"
    "                        view box of the picture's size (UTF-8 text)\n"
    "                  Any other name is refused unless --format is given.\n"
    "        -o -      the picture to standard output, and nothing else there;\n"
    "                  BMP unless --format says otherwise.\n"
    "        --format bmp|png|svg   the format, whatever the file's name.\n"
    "        --color COLOUR  the curve colour, red by default: a colour name of\n"
    "                  the program (clRed, clBlue, clBtnFace, ...) or a number as\n"
    "                  the settings file holds it ($00FF0000, 16711680), #rrggbb,\n"
    "                  or one of these names, with their CSS colours:\n";

const char kPlotHelpEnd[] =
    "        --trace   prints the drawing operations instead, one per line\n"
    "                  (repaint, pen/brush/font RRGGBB colour values, moveto X Y,\n"
    "                  lineto X Y, textout X Y TEXT); an arithmetic fault ends\n"
    "                  the list with \"error MESSAGE\".\n";

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

const char kFooter[] =
    "With several operands a message about one of them starts with\n"
    "\"operand N: \"; a message about a line of standard input always starts\n"
    "with \"line N: \". Numbers in equations and worked solutions use the\n"
    "decimal separator of the locale (LC_NUMERIC, LC_ALL, LANG), as the\n"
    "program does. Exit status: 0 all inputs done, 1 some input failed, 2 bad\n"
    "arguments.\n";

// The common colour names, wrapped into the help's column.
std::string CommonColorList() {
    std::string list;
    std::string line = "                 ";
    for (const auto& color : parabel::cli::kCommonColors) {
        char entry[32];
        std::snprintf(entry, sizeof entry, " %s #%06x", color.name, color.rgb);
        if (line.size() + std::strlen(entry) + 1 > 78) {
            list += line + "\n";
            line = "                 ";
        }
        line += entry;
        line += ',';
    }
    line.back() = '.';
    return list + line + "\n";
}

std::string PlotHelp() {
    return kPlotHelp + CommonColorList() + kPlotHelpEnd;
}

// The synopsis lines of one command.
std::string CommandSynopsis(const std::string& command) {
    std::string lines = "Usage:\n";
    const std::string all = kSynopsis;
    const std::string mark = "  parabel-cli " + command;
    for (std::size_t at = all.find(mark); at != std::string::npos; at = all.find(mark, at + 1)) {
        const char after = all[at + mark.size()];
        if (after == ' ' || after == '\n') {
            lines += all.substr(at, all.find('\n', at) + 1 - at);
        }
    }
    return lines + "\n";
}

// The help of one command, or of all when `command` is empty; nothing for an
// unknown command.
std::optional<std::string> Help(const std::string& command) {
    if (command.empty()) {
        return std::string(kSynopsis) + "\n" + kSolveHelp + "\n" + kNumberHelp + "\n" + PlotHelp() +
               "\n" + kSettingsHelp + "\n" + kFooter;
    }
    std::string text;
    if (command == "solve") {
        text = kSolveHelp;
    } else if (command == "number") {
        text = kNumberHelp;
    } else if (command == "plot") {
        text = PlotHelp();
    } else if (command == "settings") {
        text = kSettingsHelp;
    } else {
        return std::nullopt;
    }
    return CommandSynopsis(command) + text + "\n" + kFooter;
}

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

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit fails with an error instead of
    // ending the process, so a save can report it.
    std::signal(SIGXFSZ, SIG_IGN);
    parabel::ReadDecimalSeparatorFromLocale();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(Help("")->c_str(), stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        const std::string topic = command == "help" && !args.empty() ? args.front() : "";
        const auto help = Help(topic);
        if (!help) {
            parabel::cli::Complain("help: unknown command " + topic);
            return 2;
        }
        std::fputs(help->c_str(), stdout);
        return 0;
    }
    if (command == "--version") {
        std::puts("parabel-cli " PARABEL_VERSION);
        return 0;
    }
    const bool known =
        command == "solve" || command == "plot" || command == "number" || command == "settings";
    if (known && AsksForHelp(args)) {
        std::fputs(Help(command)->c_str(), stdout);
        return 0;
    }
    if (command == "solve") {
        return parabel::cli::RunSolve(args);
    }
    if (command == "plot") {
        return parabel::cli::RunPlot(args);
    }
    if (command == "number") {
        return parabel::cli::RunNumber(args);
    }
    if (command == "settings") {
        return parabel::cli::RunSettings(args);
    }
    parabel::cli::Complain("unknown command " + command + " (see parabel-cli --help)");
    return 2;
}

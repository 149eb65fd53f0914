// parabel-cli: the command-line companion of Parabel. It solves, converts
// numbers and draws with the same code as the program, so what it prints is
// what the program shows and saves.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "cli_input.h"
#include "core/decimal_separator.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  parabel-cli solve [--values] [EQUATION...]\n"
    "  parabel-cli number [--bits] [TEXT...]\n"
    "  parabel-cli plot EQUATION -o FILE.bmp [--color COLOUR] [--screen WxH]\n"
    "  parabel-cli plot EQUATION --trace [--color COLOUR] [--screen WxH]\n"
    "  parabel-cli --help\n"
    "\n"
    "solve   Solves each quadratic equation (a x^2 + b x + c, with an optional\n"
    "        \"=0\"), or each line of standard input when none is given, and\n"
    "        prints the worked solution exactly as the program saves it (the\n"
    "        equation line first), then an empty line. Equations are taken in\n"
    "        lower case, as the equation field holds them. A failure prints the\n"
    "        program's error message to standard error and goes on.\n"
    "        --values  after the lines, one line\n"
    "                  values: A;B;C;ROOT1;ROOT2   (no root: 2147483647)\n"
    "                  or, on a failure, the lines so far and\n"
    "                  error: form | error: conversion\n"
    "\n"
    "number  Reads each text as the program reads a coefficient and prints it\n"
    "        back as the program writes numbers; a rejected text prints\n"
    "        \"error: conversion\" (its message goes to standard error).\n"
    "        --bits    prefix the 80-bit pattern as 20 hexadecimal digits and a tab\n"
    "\n"
    "plot    Solves the equation as the program does and writes the picture its\n"
    "        save-graph command saves: the 322 x 338 frame with the plot, as a\n"
    "        32-bit BMP. --screen WxH writes the full-screen picture for a screen\n"
    "        of that size instead (W x (H - 40)). --color takes the curve colour\n"
    "        as the settings file holds it (clBlue, $00FF0000, 16711680); red by\n"
    "        default. --trace prints the drawing operations instead, one per\n"
    "        line (repaint, pen/brush/font RRGGBB colour values, moveto X Y,\n"
    "        lineto X Y, textout X Y TEXT); an arithmetic fault ends the list\n"
    "        with \"error MESSAGE\".\n"
    "\n"
    "Numbers use the decimal separator of the locale (LC_NUMERIC, LC_ALL, LANG),\n"
    "as the program does. Exit status: 0 all inputs done, 1 some input failed,\n"
    "2 bad arguments.\n";

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit fails with an error instead of
    // ending the process, so a save can report it.
    std::signal(SIGXFSZ, SIG_IGN);
    parabel::ReadDecimalSeparatorFromLocale();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
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
    parabel::cli::Complain("unknown command " + command + " (see parabel-cli --help)");
    return 2;
}

// parabel-cli solve: the worked solution of each equation, as the program
// would save it, or the same for scripts (values, JSON, the file's bytes).
#include <cstdio>
#include <string>

#include "app/equation_field.h"
#include "app/solve_and_draw.h"
#include "commands.h"
#include "core/real_to_text.h"
#include "input.h"
#include "io/line_text.h"
#include "json.h"

namespace parabel::cli {

namespace {

enum class Output {
    kLines,   // the saved lines, UTF-8, LF, an empty line after each solution
    kValues,  // ... then "values: ..." or "error: ..."
    kJson,    // one JSON object per input
    kSaved,   // the bytes of the saved solution file
};

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
}

std::string ValuesLine(const SolveOutcome& outcome) {
    return "values: " + RealToText(outcome.a) + ";" + RealToText(outcome.b) + ";" +
           RealToText(outcome.c) + ";" + RealToText(Extended::FromDouble(outcome.root1)) + ";" +
           RealToText(Extended::FromDouble(outcome.root2));
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// An equation longer than the field holds: told, and not solved.
void RefuseTooLong(const Input& input, Output output) {
    std::fprintf(stderr, "%s%s\n", input.where.c_str(), EquationTooLongMessage().c_str());
    if (output == Output::kValues) {
        PrintLine("error: text");
        std::fputc('\n', stdout);
    } else if (output == Output::kJson) {
        PrintLine(JsonOfRefusedText(input.text, EquationTooLongMessage()));
    }
}

// Solves one equation and prints its block; false when it failed.
bool SolveOne(const Input& input, Output output) {
    // The equation as the field would hold it, which the equation line of
    // the output shows. The last step, the plot, counts only for its faults.
    const std::string fieldText = EquationFieldText(input.text);
    if (!FitsSolvedEquation(fieldText)) {
        RefuseTooLong(input, output);
        return false;
    }
    const SolveOutcome outcome = SolveWithoutPicture(fieldText).outcome;
    const bool solved = outcome.failure == SolveFailure::kNone;
    if (!solved) {
        std::fprintf(stderr, "%s%s\n", input.where.c_str(), FailureMessage(outcome.failure));
    }
    switch (output) {
        case Output::kLines:
            if (solved) {
                PrintLines(outcome.saved);
                std::fputc('\n', stdout);
            }
            break;
        case Output::kValues:
            PrintLines(outcome.saved);
            PrintLine(solved ? ValuesLine(outcome)
                             : std::string("error: ") + FailureName(outcome.failure));
            std::fputc('\n', stdout);
            break;
        case Output::kJson:
            PrintLine(JsonOfSolve(input.text, outcome));
            break;
        case Output::kSaved: {
            // What the save command writes after this solve, failed or not.
            const std::string bytes = EncodeLines(outcome.saved);
            std::fwrite(bytes.data(), 1, bytes.size(), stdout);
            break;
        }
    }
    return solved;
}

}  // namespace

namespace {

int RunSolve(const std::vector<std::string>& args) {
    const auto split = SplitOperands(args, "solve", {"--values", "--json", "--saved"});
    if (!split) {
        return 2;
    }
    if (split->flags.size() > 1) {
        Complain("solve: --values, --json and --saved exclude each other");
        return 2;
    }
    Output output = Output::kLines;
    if (split->flags.contains("--values")) {
        output = Output::kValues;
    } else if (split->flags.contains("--json")) {
        output = Output::kJson;
    } else if (split->flags.contains("--saved")) {
        output = Output::kSaved;
    }
    bool allSolved = true;
    const bool allRead = ForEachInput(
        split->operands,
        [&](const Input& input) { allSolved = SolveOne(input, output) && allSolved; },
        [&](const std::string& report) {
            if (output == Output::kJson) {
                PrintLine(JsonOfSkippedLine(report));
            }
        });
    std::fflush(stdout);
    return allSolved && allRead ? 0 : 1;
}

}  // namespace

namespace {

const char kSolveHelp[] =
    "solve   Solves each quadratic equation (a x^2 + b x + c, with an optional\n"
    "        \"=0\"), or each line of standard input when none is given.\n"
    "        Equations are taken as the equation field holds them: in lower\n"
    "        case, a minus or dash sign as \"-\", full-width letters and digits\n"
    "        as ASCII, \"²\" as \"^2\" and any other character that Windows-1251\n"
    "        lacks as \"?\" (which fails as a coefficient); line breaks in an\n"
    "        operand are removed. An equation longer than the field holds\n"
    "        (10000 characters with its \"=0\") is refused, never cut. A failure\n"
    "        prints the program's error message to standard error and goes on.\n"
    "        Output, UTF-8 text with LF line ends unless --saved:\n"
    "        (none)    the worked solution exactly as the program saves it (the\n"
    "                  equation line first), then an empty line; nothing for a\n"
    "                  failed equation.\n"
    "        --values  the lines so far, then one line\n"
    "                  values: A;B;C;ROOT1;ROOT2   (no root: 2147483647)\n"
    "                  or error: form | error: conversion,\n"
    "                  then an empty line.\n"
    "        --json    one JSON object per equation, one per line:\n"
    "                  {\"input\": the text as given, \"equation\": \"...=0\",\n"
    "                   \"lines\": [the saved solution's lines],\n"
    "                   \"a\", \"b\", \"c\", \"discriminant\": \"NUMBER\",\n"
    "                   \"roots\": [\"X1\" or null, \"X2\" or null]}\n"
    "                  numbers are strings as the program writes them, with '.'\n"
    "                  whatever the locale; null where there is no root. On a\n"
    "                  failure \"error\": {\"kind\": \"form\" | \"conversion\",\n"
    "                  \"message\": the message} replaces the numbers; a line of\n"
    "                  standard input too long to hold gives {\"input\": null,\n"
    "                  \"error\": {\"kind\": \"text\", ...}}, an equation longer\n"
    "                  than the program's field holds \"equation\": null and\n"
    "                  \"kind\": \"text\" (--values: error: text).\n"
    "        --saved   the bytes the program's save-solution command writes after\n"
    "                  the same solve, failed or not: Windows-1251, CR LF after\n"
    "                  every line; one solution after the other.\n";

}  // namespace

const Command kSolveCommand = {
    "solve",
    "parabel-cli solve [--values | --json | --saved] [EQUATION...]\n",
    [] { return std::string(kSolveHelp); },
    RunSolve,
};

}  // namespace parabel::cli

// parabel-cli solve: the worked solution of each equation, as the program
// would save it, or the same for scripts (values, JSON, the file's bytes).
#include <cstdio>
#include <string>

#include "cli_commands.h"
#include "cli_equation.h"
#include "cli_input.h"
#include "cli_json.h"
#include "core/real_to_text.h"
#include "io/line_text.h"

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
           RealToText(outcome.c) + ";" + RealToText(outcome.root1) + ";" +
           RealToText(outcome.root2);
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// Solves one equation and prints its block; false when it failed.
bool SolveOne(const Input& input, Output output) {
    if (!AcceptedByTheField(input.text, input.where)) {
        if (output == Output::kValues) {
            std::fputs("error: text\n\n", stdout);
        } else if (output == Output::kJson) {
            PrintLine(JsonOfRefusal(&input.text, kFieldRefusal));
        }
        return false;
    }
    // The last step, the plot, counts only for its faults.
    const SolveOutcome outcome = SolveWithoutPlot(input.text);
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
                PrintLine(JsonOfRefusal(nullptr, report));
            }
        });
    std::fflush(stdout);
    return allSolved && allRead ? 0 : 1;
}

}  // namespace parabel::cli

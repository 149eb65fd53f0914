// parabel-cli worksheet: the equations of a worksheet made from a seed, the
// same as the window and the page make for it, with their answer lines or
// their worked solutions for scripts.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/worksheet.h"
#include "app/worksheet_words.h"
#include "commands.h"
#include "input.h"
#include "json.h"

namespace parabel::cli {

namespace {

enum class Output {
    kEquations,  // the numbered equations under each variant's heading
    kKey,        // ... each followed by its answer line
    kJson,       // one JSON object per variant
};

struct WorksheetOptions {
    WorksheetRequest request;
    std::uint32_t lastSeed = 0;  // the sheets from request.seed to this one
    Output output = Output::kEquations;
};

[[noreturn]] void Usage(const std::string& problem) {
    throw std::invalid_argument("worksheet: " + problem +
                                "\nusage: parabel-cli worksheet [--seed N[-M]] [--count N]"
                                " [--variants N] [--kinds KIND,...] [--key | --json]");
}

void ReadSeeds(const std::string& text, WorksheetOptions& options) {
    const std::size_t dash = text.find('-');
    const std::string_view first = std::string_view(text).substr(0, dash);
    const std::string_view last =
        dash == std::string::npos ? first : std::string_view(text).substr(dash + 1);
    const auto firstSeed = WorksheetWholeNumber(first, 0, UINT32_MAX);
    const auto lastSeed = WorksheetWholeNumber(last, 0, UINT32_MAX);
    if (!firstSeed || !lastSeed || *lastSeed < *firstSeed) {
        Usage("--seed " + text +
              ": a seed is a whole number from 0 to 4294967295, or a range"
              " of them FIRST-LAST");
    }
    options.request.seed = *firstSeed;
    options.lastSeed = *lastSeed;
}

std::vector<EquationKind> KindsOfList(const std::string& text) {
    std::vector<EquationKind> kinds;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string name = text.substr(start, comma - start);
        const auto kind = KindNamed(name);
        if (!kind) {
            Usage("--kinds: unknown kind '" + name +
                  "'; the kinds are whole, fractions, one, none, decimal and incomplete");
        }
        kinds.push_back(*kind);
        if (comma == std::string::npos) {
            return kinds;
        }
        start = comma + 1;
    }
}

WorksheetOptions ParseOptions(const std::vector<std::string>& args) {
    WorksheetOptions options;
    options.request.seed = NewWorksheetSeed();
    options.lastSeed = options.request.seed;
    bool key = false;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                Usage(arg + " needs a value");
            }
            return args[++i];
        };
        if (arg == "--seed") {
            ReadSeeds(value(), options);
        } else if (arg == "--count") {
            const std::string& text = value();
            const auto count = WorksheetWholeNumber(text, kMinWorksheetCount, kMaxWorksheetCount);
            if (!count) {
                Usage("--count " + text + ": the count of equations is 1 to 40");
            }
            options.request.count = static_cast<int>(*count);
        } else if (arg == "--variants") {
            const std::string& text = value();
            const auto variants =
                WorksheetWholeNumber(text, kMinWorksheetVariants, kMaxWorksheetVariants);
            if (!variants) {
                Usage("--variants " + text + ": the number of variants is 1 to 4");
            }
            options.request.variants = static_cast<int>(*variants);
        } else if (arg == "--kinds") {
            options.request.kinds = KindsOfList(value());
        } else if (arg == "--key") {
            key = true;
        } else if (arg == "--json") {
            json = true;
        } else {
            Usage(arg.starts_with("-") ? "unknown option " + arg : "unexpected operand " + arg);
        }
    }
    if (key && json) {
        Usage("--key and --json exclude each other");
    }
    options.output = json ? Output::kJson : key ? Output::kKey : Output::kEquations;
    return options;
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintVariant(std::uint32_t seed, const WorksheetVariant& variant, Output output) {
    if (output == Output::kJson) {
        PrintLine(JsonOfWorksheetVariant(seed, variant));
        return;
    }
    PrintLine(WorksheetHeading(seed, variant.number));
    int number = 0;
    for (const WorksheetEquation& equation : variant.equations) {
        PrintLine(std::to_string(++number) + ") " + equation.solution.front());
        if (output == Output::kKey) {
            PrintLine("   " + AnswerLine(equation));
        }
    }
    PrintLine("");
}

int RunWorksheet(const std::vector<std::string>& args) {
    WorksheetOptions options;
    try {
        options = ParseOptions(args);
    } catch (const std::invalid_argument& error) {
        Complain(error.what());
        return 2;
    }
    std::uint32_t seed = options.request.seed;
    while (true) {
        WorksheetRequest request = options.request;
        request.seed = seed;
        for (const WorksheetVariant& variant : MakeWorksheet(request).variants) {
            PrintVariant(seed, variant, options.output);
        }
        if (seed == options.lastSeed) {
            break;
        }
        ++seed;
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

namespace {

const char kWorksheetHelp[] =
    "worksheet Prints the equations of a worksheet: COUNT quadratic equations\n"
    "        (1 to 40, 20 by default) in each of VARIANTS variants (1 to 4, 1\n"
    "        by default), made from the seed N (0 to 4294967295; a new one,\n"
    "        shown in the heading, when none is given) by the program's own\n"
    "        generator, so the same seed gives the same equations in the\n"
    "        window, on the page and on every machine. --seed FIRST-LAST prints\n"
    "        the sheets of every seed of that range in turn. Each equation is\n"
    "        solved by the program and is one of the KINDS (all by default),\n"
    "        which come in blocks from the first in this list, the same kind at\n"
    "        the same place in every variant; none repeats within a variant:\n"
    "        whole       two whole-number roots\n"
    "        fractions   two roots, simple fractions (a is not 1 or -1)\n"
    "        one         one root (D = 0)\n"
    "        none        no real roots (D < 0)\n"
    "        decimal     coefficients with decimal places, in the locale's\n"
    "                    decimal separator\n"
    "        incomplete  b = 0 or c = 0\n"
    "        Output, UTF-8 text with LF line ends:\n"
    "        (none)    per variant a heading line (the sheet's title, the\n"
    "                  variant and the seed), the numbered equations\n"
    "                  (\"1) 2x^2-3x-5=0\"), then an empty line.\n"
    "        --key     each equation followed by its answer line as the program\n"
    "                  writes it (\"   Answer: x(1)=3 ; x(2)=2\" in English).\n"
    "        --json    one JSON object per variant, one per line:\n"
    "                  {\"seed\": N, \"variant\": V, \"equations\":\n"
    "                   [{\"equation\": \"2x^2-3x-5\", \"kind\": \"whole\",\n"
    "                     \"lines\": [the saved solution's lines]}, ...]}\n";

}  // namespace

const Command kWorksheetCommand = {
    "worksheet",
    "parabel-cli worksheet [--seed N[-M]] [--count N] [--variants N] [--kinds KIND,...]"
    " [--key | --json]\n",
    [] { return std::string(kWorksheetHelp); },
    RunWorksheet,
};

}  // namespace parabel::cli

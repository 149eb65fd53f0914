// A worksheet: a class set of quadratic equations made from a seed, in one
// to four variants, every equation solved by the program's own solver. The
// window, the page and parabel-cli show what this returns, so the same seed
// gives the same sheet on every face, processor and arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "worksheet_equation.h"

namespace parabel {

inline constexpr int kMinWorksheetCount = 1;
inline constexpr int kMaxWorksheetCount = 40;
inline constexpr int kMinWorksheetVariants = 1;
inline constexpr int kMaxWorksheetVariants = 4;

struct WorksheetRequest {
    std::uint32_t seed = 0;  // shown on the sheet, so that it can be made again
    int count = 20;          // equations per variant, 1 .. 40
    int variants = 1;        // 1 .. 4
    // The kinds to mix; their order and repeats do not matter. Empty: all.
    std::vector<EquationKind> kinds;
};

struct WorksheetEquation {
    std::string text;  // as a pupil types it: "2x^2-3x-5", no "=0"
    EquationKind kind;
    // The worked solution as the program saves it: the equation line
    // ("2x^2-3x-5=0") first, the answer line (the answer: "Answer: ...") last.
    std::vector<std::string> solution;
};

struct WorksheetVariant {
    int number = 1;  // from 1
    std::vector<WorksheetEquation> equations;
};

struct Worksheet {
    std::uint32_t seed = 0;
    std::vector<EquationKind> kinds;  // those mixed, from the easiest
    std::vector<WorksheetVariant> variants;
};

// The worksheet of `request`. Each variant's equations go through its
// kinds in blocks from the easiest, the same kind at the same place in
// every variant; none repeats within a variant. The decimal kind writes the
// process's decimal separator. Throws std::invalid_argument for a count or
// a number of variants out of range.
Worksheet MakeWorksheet(const WorksheetRequest& request);

// The answer line of an equation's worked solution, as the program writes
// it: "Answer: x(1)=3 ; x(2)=2".
const std::string& AnswerLine(const WorksheetEquation& equation);

// The kinds' names on the command line and in a page's address: "whole",
// "fractions", "one", "none", "decimal", "incomplete".
const char* KindName(EquationKind kind);
std::optional<EquationKind> KindNamed(std::string_view name);

// Every kind, from the easiest.
std::vector<EquationKind> AllKinds();

// A seed for a new sheet, from the system's source of randomness.
std::uint32_t NewWorksheetSeed();

// A worksheet's number as typed (a seed, a count, a number of variants):
// decimal digits alone, from `least` to `most`; nothing for any other text.
std::optional<std::uint32_t> WorksheetWholeNumber(std::string_view text, std::uint32_t least,
                                                  std::uint32_t most);

}  // namespace parabel

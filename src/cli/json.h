// JSON text for the machine-readable output of parabel-cli.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/worksheet.h"
#include "core/solver.h"

namespace parabel::cli {

// The text as a JSON string: quotes, backslashes and the control characters
// U+0000 .. U+001F escaped, everything else as UTF-8; each byte that starts
// no valid UTF-8 sequence becomes U+FFFD, so the result is always valid
// UTF-8 and valid JSON.
std::string JsonString(std::string_view text);

// A JSON array of strings.
std::string JsonStrings(const std::vector<std::string>& texts);

// The object of one solve of `input` (the text as given), on one line:
//   "input"         the text
//   "equation"      the equation line of the solution ("...=0", lower case)
//   "lines"         the saved solution, equation line first, as far as the
//                   solve got (numbers with the locale's separator, as shown)
// then, when solved,
//   "a", "b", "c", "discriminant"   strings, as RealToText writes them
//   "roots"         [x1, x2], each such a string or null for no root
// or, when it failed,
//   "error"         {"kind": "form" | "conversion", "message": the program's
//                   message}
// The numbers use '.' whatever the decimal separator is.
std::string JsonOfSolve(const std::string& input, const SolveOutcome& outcome);

// The object of a line of input too long to be held, which never reached the
// solve: "input" null, "equation" null, "lines" [], "error" {"kind": "text",
// "message": `message`}.
std::string JsonOfSkippedLine(const std::string& message);

// The object of an equation longer than the field holds, which is not
// solved: as a skipped line's, with "input" the text as given.
std::string JsonOfRefusedText(const std::string& input, const std::string& message);

// The object of one variant of a worksheet, on one line:
//   "seed"       the sheet's seed, a number
//   "variant"    the variant's number, from 1
//   "equations"  [{"equation": the text as a pupil types it ("2x^2-3x-5"),
//                  "kind": its kind's name ("whole", ...),
//                  "lines": the saved solution's lines}, ...]
std::string JsonOfWorksheetVariant(std::uint32_t seed, const WorksheetVariant& variant);

}  // namespace parabel::cli

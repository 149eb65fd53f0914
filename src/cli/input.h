// Inputs of parabel-cli: the operands of the command line, or else the lines
// of standard input.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace parabel::cli {

// Lines longer than this are skipped with a message instead of being held.
constexpr std::size_t kMaxLineLength = std::size_t{16} * 1024 * 1024;

// Reads lines (ended by LF or the end of the stream; one trailing CR dropped)
// without ever holding more than kMaxLineLength bytes of one line.
class LineReader {
  public:
    explicit LineReader(std::FILE* stream) : stream_(stream) {}
    // False at the end of the stream. `tooLong` tells that the line was cut
    // off and must not be used.
    bool Next(std::string& line, bool& tooLong);

  private:
    std::FILE* stream_;
};

// One input and where it came from, for messages.
struct Input {
    const std::string& text;
    // "line 3: " for a line of standard input, "operand 2: " for one of
    // several operands, "" for a single operand: what a message about this
    // input starts with. Lines are always named, since standard input may
    // hold more than one and is not read ahead (a script may be waiting for
    // each answer before it writes the next line).
    std::string where;
};

// Calls `handle` for each operand, or for each line of standard input when
// there are none. A line longer than kMaxLineLength is reported and skipped;
// `skipped`, when given, is called with the report in its place. Returns
// false when a line was skipped.
bool ForEachInput(const std::vector<std::string>& operands,
                  const std::function<void(const Input&)>& handle,
                  const std::function<void(const std::string& report)>& skipped = nullptr);

struct SplitArguments {
    std::set<std::string> flags;  // the flag options given
    std::vector<std::string> operands;
};

// Splits a command's arguments into its flag options (those in `flags`, such
// as "--bits") and its operands; "--" ends the options. Nothing, after a
// message, for an unknown option.
std::optional<SplitArguments> SplitOperands(const std::vector<std::string>& args,
                                            const std::string& command,
                                            const std::set<std::string>& flags);

// Writes a message line "parabel-cli: ..." to standard error.
void Complain(const std::string& message);

}  // namespace parabel::cli

// Inputs of parabel-cli: the operands of the command line, or else the lines
// of standard input.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace parabel::cli {

// Lines longer than this are skipped with a message instead of being held.
constexpr std::size_t kMaxLineLength = 16 * 1024 * 1024;

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

// Calls `handle` for each operand, or for each line of standard input when
// there are none. Returns false when a line was too long (reported).
bool ForEachInput(const std::vector<std::string>& operands,
                  const std::function<void(const std::string&)>& handle);

// Splits a command's arguments into its one flag option (`flag`, such as
// "--bits") and its operands; "--" ends the options. Nothing, after a
// message, for an unknown option.
std::optional<std::vector<std::string>> SplitOperands(const std::vector<std::string>& args,
                                                      const std::string& command,
                                                      const std::string& flag, bool& flagSet);

// Writes a message line "parabel-cli: ..." to standard error.
void Complain(const std::string& message);

}  // namespace parabel::cli

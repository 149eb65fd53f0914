// The line text format of the solution file: Windows-1251 bytes, CR LF after
// every line, nothing else.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabel {

// The file content of the lines (UTF-8): each line's bytes then CR LF; an
// empty list gives no bytes at all. ["A", "B"] gives 41 0D 0A 42 0D 0A.
std::string EncodeLines(const std::vector<std::string>& lines);

// The first line of a file's content, in UTF-8: the bytes up to, not
// including, the first CR, LF or NUL, read as Windows-1251; after a leading
// UTF-8 byte-order mark, as UTF-8 (returned as they are, broken sequences
// included, for the equation field to judge). Nothing when the content yields
// no line (it is empty, or begins with NUL).
std::optional<std::string> DecodeFirstLine(std::string_view content);

}  // namespace parabel

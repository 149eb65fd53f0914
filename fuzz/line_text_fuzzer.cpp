// The Windows-1251 line text of the solution and equation files.
//
// The input is used twice: as a file's bytes, whose first line is read, and
// as UTF-8 lines (split at LF, CR and NUL removed) to be written.
//
// Properties of reading:
// - A first line read is valid UTF-8 without CR, LF or NUL, whose
//   characters all fit Windows-1251 unless the content starts with a UTF-8
//   byte-order mark (then it is UTF-8 text, broken sequences replaced);
//   there is none exactly when the content (after the mark) is empty or
//   starts with NUL.
// - Bytes -> UTF-8 -> bytes is the identity for every byte string without
//   CR, LF, NUL and the unassigned byte 0x98: the line read from it followed
//   by CR LF, saved again, gives the same bytes, unless they start with
//   EF BB BF ("п»ї"), which reads as a byte-order mark.
// Properties of writing:
// - A line whose characters all fit Windows-1251 is written one byte per
//   character and reads back unchanged (unless it starts with "п»ї").
// - Any line is written without CR, LF or NUL bytes it did not hold, in at
//   most as many bytes as its UTF-8 form, and what is written reads back as
//   text that writes the same bytes again: a saved file loads and saves
//   unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/utf8.h"
#include "core/windows1251.h"
#include "fuzz_check.h"
#include "io/line_text.h"

namespace parabel::fuzz {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnds("\r\n\0", 3);

bool HasLineEnd(std::string_view text) {
    return text.find_first_of(kLineEnds) != std::string_view::npos;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    char32_t codePoint;
    while (i < text.size() && DecodeUtf8(text, i, codePoint)) {
    }
    return i == text.size();
}

std::string Shown(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 15];
        }
    }
    return shown;
}

void CheckReading(std::string_view content) {
    const std::optional<std::string> line = DecodeFirstLine(content);
    std::string_view body = content;
    if (body.starts_with(kByteOrderMark)) {
        body.remove_prefix(kByteOrderMark.size());
    }
    Check(line.has_value() == (!body.empty() && body[0] != '\0'),
          "a first line read, or none, wrongly from '" + Shown(content) + "'");
    if (line) {
        Check(IsValidUtf8(*line) && !HasLineEnd(*line),
              "the line read is no UTF-8 line: '" + Shown(*line) + "'");
        Check(content.starts_with(kByteOrderMark) || FitsWindows1251(*line),
              "the line read does not fit Windows-1251: '" + Shown(*line) + "'");
    }

    // The input's bytes without line ends and 0x98, as one line of a file.
    std::string plain;
    for (char byte : content) {
        if (!HasLineEnd(std::string_view(&byte, 1)) && byte != '\x98') {
            plain += byte;
        }
    }
    if (plain.empty() || plain.starts_with(kByteOrderMark)) {
        return;
    }
    const std::optional<std::string> read = DecodeFirstLine(plain + "\r\nnext line\r\n");
    Check(read.has_value() && EncodeLines({*read}) == plain + "\r\n",
          "the bytes '" + Shown(plain) + "' do not survive a load and save");
}

std::vector<std::string> Utf8Lines(std::string_view input) {
    std::vector<std::string> lines;
    std::string line;
    for (char byte : input) {
        if (byte == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (byte != '\r' && byte != '\0') {
            line += byte;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// The characters of valid UTF-8 (a broken byte counts as one).
std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    char32_t codePoint;
    for (std::size_t i = 0; i < utf8.size(); ++count) {
        if (!DecodeUtf8(utf8, i, codePoint)) {
            ++i;
        }
    }
    return count;
}

void CheckWriting(std::string_view input) {
    const std::vector<std::string> lines = Utf8Lines(input);
    for (const std::string& line : lines) {
        const std::string bytes = Utf8ToWindows1251(line);
        Check(!HasLineEnd(bytes) && bytes.size() <= line.size(),
              "'" + Shown(line) + "' is written as '" + Shown(bytes) + "'");
        Check(Utf8ToWindows1251(Windows1251ToUtf8(bytes)) == bytes,
              "'" + Shown(bytes) + "' written for '" + Shown(line) + "' does not load and save");
        if (FitsWindows1251(line)) {
            Check(bytes.size() == CharacterCount(line),
                  "'" + Shown(line) + "' is not written one byte per character");
            if (!bytes.starts_with(kByteOrderMark)) {
                const std::optional<std::string> back = DecodeFirstLine(EncodeLines({line, line}));
                Check(back == line, "'" + Shown(line) + "' reads back as '" +
                                        Shown(back.value_or("(none)")) + "'");
            }
        }
    }
    const std::string file = EncodeLines(lines);
    Check(file.size() >= 2 * lines.size() && (lines.empty() || file.ends_with("\r\n")),
          "the lines are not each ended by CR LF");
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    parabel::fuzz::CheckReading(input);
    parabel::fuzz::CheckWriting(input);
    return 0;
}

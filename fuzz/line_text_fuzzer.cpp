// The Windows-1251 line text of the solution and equation files.
//
// The input is used twice: as a file's bytes, and as UTF-8 lines (split at
// LF, CR and NUL removed) to be written.
//
// Properties of reading file bytes:
// - Every line read is valid UTF-8 whose characters all fit Windows-1251,
//   without CR, LF or NUL, and DecodeFirstLine gives the first of them.
// - Bytes -> UTF-8 -> bytes is the identity for a file whose lines each end
//   with CR LF and hold no CR, LF, NUL or the unassigned byte 0x98.
// - Lines read, written and read again are the same lines.
// Properties of writing UTF-8 lines:
// - Writing then reading gives as many lines as were written; a line whose
//   characters all fit Windows-1251 comes back unchanged.
// - In any other line each character that does not fit, and each invalid
//   UTF-8 sequence (the lead byte with the continuation bytes that follow
//   it, at most as many as the lead byte announces), becomes one '?', and
//   every other character comes back in its place; the language tag
//   characters U+E0000 .. U+E007F alone vanish (the C library's converter
//   ignores them, as Unicode recommends where language tags do not matter).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/windows1251.h"
#include "fuzz_check.h"
#include "io/line_text.h"

namespace parabel::fuzz {
namespace {

bool HasLineEnd(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void CheckReading(std::string_view content) {
    const std::vector<std::string> lines = DecodeLines(content);
    for (const std::string& line : lines) {
        Check(FitsWindows1251(line) && !HasLineEnd(line),
              "a line read does not fit Windows-1251: '" + line + "'");
    }
    const std::optional<std::string> first = DecodeFirstLine(content);
    Check(first.has_value() == !lines.empty() && (!first || *first == lines.front()),
          "DecodeFirstLine disagrees with DecodeLines");
    Check(DecodeLines(EncodeLines(lines)) == lines, "lines read do not survive a save");

    std::string plain;
    for (char byte : content) {
        if (byte == '\r' || byte == '\n' || byte == '\0') {
            plain += "\r\n";
        } else if (byte != '\x98') {
            plain += byte;
        }
    }
    if (!plain.empty() && !plain.ends_with("\r\n")) {
        plain += "\r\n";
    }
    Check(EncodeLines(DecodeLines(plain)) == plain, "file bytes do not survive a load and save");
}

// How many bytes a UTF-8 lead byte announces: 1 for ASCII and for bytes
// that cannot lead a sequence.
std::size_t AnnouncedLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// Whether the unit is one of U+E0000 .. U+E007F: F3 A0 80 80 .. F3 A0 81 BF.
bool IsLanguageTag(std::string_view unit) {
    return unit.size() == 4 && unit.substr(0, 2) == "\xF3\xA0" &&
           (unit[2] == '\x80' || unit[2] == '\x81') &&
           (static_cast<unsigned char>(unit[3]) & 0xC0) == 0x80;
}

// The line as it must come back: each unit (a lead byte and the
// continuation bytes that follow it, up to its announced length) as it is
// when it is a character that fits Windows-1251, nothing when it is a
// language tag, else '?'.
std::string ExpectedBack(std::string_view line) {
    std::string expected;
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t length = 1;
        const std::size_t announced = AnnouncedLength(static_cast<unsigned char>(line[i]));
        while (length < announced && i + length < line.size() &&
               (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string_view unit = line.substr(i, length);
        if (FitsWindows1251(unit)) {
            expected += unit;
        } else if (!IsLanguageTag(unit)) {
            expected += '?';
        }
        i += length;
    }
    return expected;
}

void CheckWriting(std::string_view input) {
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
    const std::vector<std::string> back = DecodeLines(EncodeLines(lines));
    Check(back.size() == lines.size(), "a different number of lines comes back");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (FitsWindows1251(lines[i])) {
            Check(back[i] == lines[i], "'" + lines[i] + "' comes back as '" + back[i] + "'");
        } else {
            const std::string expected = ExpectedBack(lines[i]);
            Check(back[i] == expected, "'" + lines[i] + "' comes back as '" + back[i] +
                                           "', expected '" + expected + "'");
        }
    }
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    parabel::fuzz::CheckReading(input);
    parabel::fuzz::CheckWriting(input);
    return 0;
}

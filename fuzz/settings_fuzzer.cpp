// The settings file's text (Inf.ini) and the colour texts it holds.
//
// Input: "section|key|value|other section|other key|file text" (the file
// text is everything after the fifth '|'; missing fields are empty); its
// first four bytes are also a 32-bit colour value.
//
// The section, key and value are first made writable: CR and LF removed
// everywhere, ']' from the section and '=' from the key, blanks trimmed, a
// key starting with '[' loses it (that line would be a section), and a value
// enclosed in a pair of quotes loses closing ones until it is not (the reader
// strips one pair).
//
// Properties:
// - Setting a value and reading it back gives the value (its first
//   kMaxProfileValue characters).
// - Every other key, in any section, reads the same before and after.
// - Setting the same value again changes no byte.
// - Setting keeps every line of the text: the bytes it replaces, if any, lie
//   within one line.
// - ColorToText and TextToColor round-trip every 32-bit colour value, in
//   either letter case; a text that reads as a colour writes as a text that
//   reads as the same colour.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/ascii.h"
#include "core/errors.h"
#include "fuzz_check.h"
#include "io/color_names.h"
#include "io/profile.h"

namespace parabel::fuzz {
namespace {

std::string Without(std::string_view text, std::string_view removed) {
    std::string kept;
    for (char c : text) {
        if (removed.find(c) == std::string_view::npos) {
            kept += c;
        }
    }
    return kept;
}

std::string Trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string WritableSection(std::string_view text) {
    return Trimmed(Without(text, "\r\n]"));
}

std::string WritableKey(std::string_view text) {
    std::string key = Trimmed(Without(text, "\r\n="));
    while (!key.empty() && key.front() == '[') {
        key = Trimmed(key.substr(1));
    }
    return key;
}

std::string WritableValue(std::string_view text) {
    std::string value = Trimmed(Without(text, "\r\n"));
    while (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front()) {
        value = Trimmed(value.substr(0, value.size() - 1));
    }
    return value;
}

std::string Show(const std::optional<std::string>& value) {
    return value ? "'" + *value + "'" : "nothing";
}

void CheckProfile(std::string_view sectionField, std::string_view keyField,
                  std::string_view valueField, std::string_view otherSection,
                  std::string_view otherKey, std::string_view text) {
    const std::string section = WritableSection(sectionField);
    const std::string key = WritableKey(keyField);
    const std::string value = WritableValue(valueField);
    const std::string written = SetProfileValue(text, section, key, value);

    const std::optional<std::string> back = ReadProfileValue(written, section, key);
    const std::string expected = value.substr(0, kMaxProfileValue);
    Check(back == expected, "[" + section + "] " + key + " reads back as " + Show(back) +
                                ", written '" + expected + "'");

    if (!(EqualIgnoringAsciiCase(otherSection, section) && EqualIgnoringAsciiCase(otherKey, key))) {
        const auto before = ReadProfileValue(text, otherSection, otherKey);
        const auto after = ReadProfileValue(written, otherSection, otherKey);
        Check(before == after, "[" + std::string(otherSection) + "] " + std::string(otherKey) +
                                   " was " + Show(before) + ", is " + Show(after));
    }

    Check(SetProfileValue(written, section, key, value) == written,
          "setting the same value again changes the text");

    // The text is the written one with at most one stretch of it replaced.
    std::size_t prefix = 0;
    while (prefix < text.size() && prefix < written.size() && text[prefix] == written[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < text.size() - prefix && suffix < written.size() - prefix &&
           text[text.size() - 1 - suffix] == written[written.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view replaced = text.substr(prefix, text.size() - prefix - suffix);
    Check(replaced.find_first_of("\r\n") == std::string_view::npos,
          "setting a value removed a line end: '" + std::string(replaced) + "'");
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

void CheckColor(std::int32_t color) {
    const std::string text = ColorToText(color);
    for (const std::string& form : {text, Upper(text)}) {
        std::int32_t back = 0;
        try {
            back = TextToColor(form);
        } catch (const ConversionError&) {
            Fail("'" + form + "' written for " + std::to_string(color) + " does not read");
        }
        Check(back == color,
              "'" + form + "' reads as " + std::to_string(back) + ", not " + std::to_string(color));
    }
}

void CheckColorText(std::string_view text) {
    std::int32_t color;
    try {
        color = TextToColor(text);
    } catch (const ConversionError&) {
        return;
    }
    CheckColor(color);
}

}  // namespace
}  // namespace parabel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view fields[5];
    for (std::string_view& field : fields) {
        const std::size_t bar = input.find('|');
        field = input.substr(0, bar);
        input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
    }
    parabel::fuzz::CheckProfile(fields[0], fields[1], fields[2], fields[3], fields[4], input);

    std::int32_t color = 0;
    std::memcpy(&color, data, std::min<std::size_t>(size, sizeof color));
    parabel::fuzz::CheckColor(color);
    parabel::fuzz::CheckColorText(fields[2]);
    parabel::fuzz::CheckColorText(input);
    return 0;
}

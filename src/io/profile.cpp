#include "profile.h"

#include <vector>

#include "core/ascii.h"

namespace parabel {

namespace {

struct TextLine {
    std::size_t start;  // first byte
    std::size_t end;    // one past the last byte before the line end
    std::size_t next;   // start of the following line
};

std::vector<TextLine> SplitLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find_first_of("\r\n", position);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::size_t next = end;
        if (next < text.size() && text[next] == '\r') {
            ++next;
        }
        if (next < text.size() && text[next] == '\n') {
            ++next;
        }
        lines.push_back({position, end, next});
        position = next;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view LineText(std::string_view text, const TextLine& line) {
    return text.substr(line.start, line.end - line.start);
}

// The section name of a "[name]" line, or nothing for another line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return Trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// Index of the header line of the first matching section.
std::optional<std::size_t> FindSection(std::string_view text, const std::vector<TextLine>& lines,
                                       std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(LineText(text, lines[i]));
        if (name && EqualIgnoringAsciiCase(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

// Index of the first key line matching `key` in the section after `header`,
// and the index of the section's last non-blank line.
struct KeySearch {
    std::optional<std::size_t> keyLine;
    std::size_t lastLine;
};

KeySearch FindKey(std::string_view text, const std::vector<TextLine>& lines, std::size_t header,
                  std::string_view key) {
    KeySearch search{std::nullopt, header};
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const std::string_view line = LineText(text, lines[i]);
        if (SectionName(line)) {
            break;
        }
        if (!Trim(line).empty()) {
            search.lastLine = i;
        }
        const std::size_t equals = line.find('=');
        if (!search.keyLine && equals != std::string_view::npos &&
            EqualIgnoringAsciiCase(Trim(line.substr(0, equals)), key)) {
            search.keyLine = i;
        }
    }
    return search;
}

// A UTF-8 byte-order mark that an editor may have put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text after a leading byte-order mark, which belongs to no line.
std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

std::string Entry(std::string_view key, std::string_view value) {
    std::string entry(key);
    entry += '=';
    entry += value;
    entry += "\r\n";
    return entry;
}

// SetProfileValue on text without a byte-order mark.
std::string SetValueInLines(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::vector<TextLine> lines = SplitLines(text);
    std::string result(text);
    const auto header = FindSection(text, lines, section);
    if (!header) {
        if (!result.empty() && result.back() != '\n' && result.back() != '\r') {
            result += "\r\n";
        }
        result += '[';
        result += section;
        result += "]\r\n";
        result += Entry(key, value);
        return result;
    }
    const KeySearch search = FindKey(text, lines, *header, key);
    if (search.keyLine) {
        const TextLine& line = lines[*search.keyLine];
        const std::size_t valueStart = line.start + LineText(text, line).find('=') + 1;
        result.replace(valueStart, line.end - valueStart, value);
        return result;
    }
    const TextLine& last = lines[search.lastLine];
    std::string insertion = Entry(key, value);
    if (last.next == last.end) {  // the last line of the file has no line end
        insertion = "\r\n" + insertion;
    }
    result.insert(last.next, insertion);
    return result;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    text = WithoutByteOrderMark(text);
    const std::vector<TextLine> lines = SplitLines(text);
    const auto header = FindSection(text, lines, section);
    if (!header) {
        return std::nullopt;
    }
    const KeySearch search = FindKey(text, lines, *header, key);
    if (!search.keyLine) {
        return std::nullopt;
    }
    const std::string_view line = LineText(text, lines[*search.keyLine]);
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxProfileValue));
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string_view body = WithoutByteOrderMark(text);
    const std::string_view mark = text.substr(0, text.size() - body.size());
    return std::string(mark) + SetValueInLines(body, section, key, value);
}

}  // namespace parabel

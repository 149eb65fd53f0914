#include "line_text.h"

#include "core/utf8.h"
#include "core/windows1251.h"

namespace parabel {

std::string EncodeLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += Utf8ToWindows1251(line);
        content += "\r\n";
    }
    return content;
}

std::optional<std::string> DecodeFirstLine(std::string_view content) {
    // A UTF-8 byte-order mark, which modern editors put first, is no part
    // of the equation, and says that the text after it is UTF-8.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool utf8 = content.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (utf8) {
        content.remove_prefix(kByteOrderMark.size());
    }
    if (content.empty() || content[0] == '\0') {
        return std::nullopt;
    }
    const std::size_t end = content.find_first_of(std::string_view("\r\n\0", 3));
    const std::string_view line =
        content.substr(0, end == std::string_view::npos ? content.size() : end);
    return utf8 ? ReplaceBrokenUtf8(line) : Windows1251ToUtf8(line);
}

}  // namespace parabel

#include "utf8.h"

#include <algorithm>
#include <cstdint>

namespace parabel {

std::size_t Utf8LeadLength(unsigned char lead) {
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

bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) {
        codePoint = lead;
        ++i;
        return true;
    }
    const std::size_t length = Utf8LeadLength(lead);
    if (length == 1 || i + length > text.size()) {
        return false;  // a continuation or invalid byte, or a cut sequence
    }
    char32_t value = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return false;
        }
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return false;  // overlong, beyond Unicode, or a surrogate
    }
    codePoint = value;
    i += length;
    return true;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::size_t AfterBrokenUtf8(std::string_view text, std::size_t i) {
    const std::size_t end =
        i + std::min(Utf8LeadLength(static_cast<unsigned char>(text[i])), text.size() - i);
    ++i;
    while (i < end && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

std::string ReplaceBrokenUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t next = i;
        char32_t codePoint;
        if (DecodeUtf8(text, next, codePoint)) {
            valid.append(text.substr(i, next - i));
            i = next;
        } else {
            AppendUtf8(valid, U'\uFFFD');
            i = AfterBrokenUtf8(text, i);
        }
    }
    return valid;
}

}  // namespace parabel

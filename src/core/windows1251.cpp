#include "windows1251.h"

#include <algorithm>
#include <cstdint>

#include "utf8.h"

namespace parabel {

namespace {

// The code points of the bytes 0x80 .. 0xBF (0xC0 .. 0xFF are U+0410 ..
// U+044F); 0 marks the one unassigned byte, 0x98.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

}  // namespace

std::optional<unsigned char> Windows1251Byte(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<unsigned char>(codePoint);
    }
    if (codePoint >= 0x0410 && codePoint <= 0x044F) {
        return static_cast<unsigned char>(codePoint - 0x0410 + 0xC0);
    }
    const auto* entry = std::find(std::begin(kUpperHalf), std::end(kUpperHalf), codePoint);
    if (entry == std::end(kUpperHalf)) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (entry - std::begin(kUpperHalf)));
}

std::optional<char32_t> Windows1251CodePoint(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    const char16_t codePoint = kUpperHalf[byte - 0x80];
    if (codePoint == 0) {
        return std::nullopt;
    }
    return codePoint;
}

bool IsWindows1251CodePoint(char32_t codePoint) {
    return Windows1251Byte(codePoint).has_value();
}

bool FitsWindows1251(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t codePoint;
        if (!DecodeUtf8(utf8, i, codePoint) || codePoint == 0 ||
            !IsWindows1251CodePoint(codePoint)) {
            return false;
        }
    }
    return true;
}

std::string Utf8ToWindows1251(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t next = i;
        char32_t codePoint;
        if (DecodeUtf8(utf8, next, codePoint)) {
            bytes += static_cast<char>(Windows1251Byte(codePoint).value_or('?'));
            i = next;
        } else {
            bytes += '?';
            i = AfterBrokenUtf8(utf8, i);
        }
    }
    return bytes;
}

std::string Windows1251ToUtf8(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const std::optional<char32_t> codePoint =
            Windows1251CodePoint(static_cast<unsigned char>(byte));
        if (codePoint) {
            AppendUtf8(utf8, *codePoint);
        } else {
            utf8 += '?';
        }
    }
    return utf8;
}

std::string ShowableText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t next = i;
        char32_t codePoint;
        if (DecodeUtf8(bytes, next, codePoint)) {
            text.append(bytes.substr(i, next - i));
            i = next;
        } else {
            text += Windows1251ToUtf8(bytes.substr(i, 1));
            ++i;
        }
    }
    return text;
}

}  // namespace parabel

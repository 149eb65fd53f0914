#include "windows1251.h"

#include <cstdint>

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

// Decodes one UTF-8 sequence at `i`; returns false for an invalid one.
bool Decode(std::string_view text, std::size_t& i, char32_t& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    int length;
    if (lead < 0x80) {
        codePoint = lead;
        length = 1;
    } else if ((lead & 0xE0) == 0xC0) {
        codePoint = lead & 0x1F;
        length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
        codePoint = lead & 0x0F;
        length = 3;
    } else {
        return false;  // four-byte sequences hold nothing of Windows-1251
    }
    if (i + length > text.size()) {
        return false;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return false;
        }
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t smallest = length == 1 ? 0 : (length == 2 ? 0x80 : 0x800);
    if (codePoint < smallest) {
        return false;  // overlong form
    }
    i += length;
    return true;
}

}  // namespace

bool IsWindows1251CodePoint(char32_t codePoint) {
    if (codePoint < 0x80) {
        return true;
    }
    if (codePoint >= 0x0410 && codePoint <= 0x044F) {
        return true;
    }
    for (char16_t entry : kUpperHalf) {
        if (entry != 0 && entry == codePoint) {
            return true;
        }
    }
    return false;
}

bool FitsWindows1251(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t codePoint;
        if (!Decode(utf8, i, codePoint) || codePoint == 0 || !IsWindows1251CodePoint(codePoint)) {
            return false;
        }
    }
    return true;
}

}  // namespace parabel

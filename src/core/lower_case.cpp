#include "lower_case.h"

namespace parabel {

namespace {

// The two-byte UTF-8 sequence of a code point in U+0080 .. U+07FF.
void AppendTwoByte(std::string& out, unsigned codePoint) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
}

unsigned LowerCyrillic(unsigned codePoint) {
    if (codePoint >= 0x0400 && codePoint <= 0x040F) {
        return codePoint + 0x50;  // Ѐ .. Џ -> ѐ .. џ
    }
    if (codePoint >= 0x0410 && codePoint <= 0x042F) {
        return codePoint + 0x20;  // А .. Я -> а .. я
    }
    if (codePoint == 0x0490) {
        return 0x0491;  // Ґ -> ґ
    }
    return codePoint;
}

}  // namespace

std::string ToLowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 'A' && byte <= 'Z') {
            out += static_cast<char>(byte + ('a' - 'A'));
            continue;
        }
        const bool twoByteLead = (byte & 0xE0) == 0xC0;
        if (twoByteLead && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const unsigned codePoint =
                ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            AppendTwoByte(out, LowerCyrillic(codePoint));
            ++i;
            continue;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

}  // namespace parabel

#include "lower_case.h"

#include "utf8.h"

namespace parabel {

namespace {

char32_t LowerCase(char32_t codePoint) {
    if (codePoint >= 'A' && codePoint <= 'Z') {
        return codePoint + ('a' - 'A');
    }
    if (codePoint >= 0x0400 && codePoint <= 0x040F) {
        return codePoint + 0x50;  // Ie with grave .. Dzhe -> their small letters
    }
    if (codePoint >= 0x0410 && codePoint <= 0x042F) {
        return codePoint + 0x20;  // A .. Ya -> a .. ya
    }
    if (codePoint == 0x0490) {
        return 0x0491;  // Ghe with upturn -> its small letter
    }
    return codePoint;
}

}  // namespace

std::string ToLowerCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t codePoint;
        if (DecodeUtf8(utf8, i, codePoint)) {
            AppendUtf8(out, LowerCase(codePoint));
        } else {
            out += utf8[i++];  // a byte of broken UTF-8 stays as it is
        }
    }
    return out;
}

}  // namespace parabel

#include "equation_field.h"

#include "core/catalog.h"
#include "core/equation.h"
#include "core/lower_case.h"
#include "core/utf8.h"
#include "core/windows1251.h"

namespace parabel {

namespace {

// The ASCII character that a character Windows-1251 lacks stands for, or 0.
char AsciiStandIn(char32_t codePoint) {
    constexpr char32_t kFullWidthFirst = 0xFF01;  // '!'
    constexpr char32_t kFullWidthLast = 0xFF5E;   // '~'
    constexpr char32_t kFullWidthOffset = 0xFF01 - U'!';
    switch (codePoint) {
        case 0x2010:  // hyphen
        case 0x2011:  // non-breaking hyphen
        case 0x2012:  // figure dash
        case 0x2015:  // horizontal bar
        case 0x2212:  // minus sign
        case 0xFE63:  // small hyphen-minus
            return '-';
        default:
            break;
    }
    if (codePoint >= kFullWidthFirst && codePoint <= kFullWidthLast) {
        return static_cast<char>(codePoint - kFullWidthOffset);  // U+FF0D is '-'
    }
    return 0;
}

}  // namespace

bool FitsEquationField(std::string_view fieldText) {
    std::size_t characters = 0;
    for (const char byte : fieldText) {
        // Every byte but a UTF-8 continuation byte starts a character.
        characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters <= kEquationFieldMaxLength;
}

bool FitsSolvedEquation(std::string_view fieldText) {
    return FitsEquationField(StripEqualsZero(fieldText) + "=0");
}

std::string EquationTooLongMessage() {
    return FormatText(Message::kErrorEquationTooLong,
                      {{"max", std::to_string(kEquationFieldMaxLength)}});
}

Report EquationTooLongBox() {
    return {std::string(Text(Message::kBoxError)), EquationTooLongMessage()};
}

std::string EquationFieldText(std::string_view typed) {
    constexpr char32_t kSuperscriptTwo = 0x00B2;
    std::string kept;
    kept.reserve(typed.size());
    std::size_t i = 0;
    while (i < typed.size()) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(typed, i, codePoint)) {
            i = AfterBrokenUtf8(typed, i);
            kept += '?';
        } else if (codePoint == U'\r' || codePoint == U'\n') {
            continue;
        } else if (codePoint == kSuperscriptTwo) {
            kept += "^2";
        } else if (const char standIn = AsciiStandIn(codePoint); standIn != 0) {
            kept += standIn;
        } else if (codePoint != 0 && IsWindows1251CodePoint(codePoint)) {
            AppendUtf8(kept, codePoint);
        } else {
            kept += '?';
        }
    }
    return ToLowerCase(kept);
}

}  // namespace parabel

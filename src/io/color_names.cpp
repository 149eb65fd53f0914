#include "color_names.h"

#include "core/ascii.h"
#include "core/errors.h"

namespace parabel {

const ColorIdentifier kColorIdentifiers[52] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", static_cast<std::int32_t>(0xFF00000A)},
    {"clActiveCaption", static_cast<std::int32_t>(0xFF000002)},
    {"clAppWorkSpace", static_cast<std::int32_t>(0xFF00000C)},
    {"clBackground", static_cast<std::int32_t>(0xFF000001)},
    {"clBtnFace", static_cast<std::int32_t>(0xFF00000F)},
    {"clBtnHighlight", static_cast<std::int32_t>(0xFF000014)},
    {"clBtnShadow", static_cast<std::int32_t>(0xFF000010)},
    {"clBtnText", static_cast<std::int32_t>(0xFF000012)},
    {"clCaptionText", static_cast<std::int32_t>(0xFF000009)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", static_cast<std::int32_t>(0xFF00001B)},
    {"clGradientInactiveCaption", static_cast<std::int32_t>(0xFF00001C)},
    {"clGrayText", static_cast<std::int32_t>(0xFF000011)},
    {"clHighlight", static_cast<std::int32_t>(0xFF00000D)},
    {"clHighlightText", static_cast<std::int32_t>(0xFF00000E)},
    {"clHotLight", static_cast<std::int32_t>(0xFF00001A)},
    {"clInactiveBorder", static_cast<std::int32_t>(0xFF00000B)},
    {"clInactiveCaption", static_cast<std::int32_t>(0xFF000003)},
    {"clInactiveCaptionText", static_cast<std::int32_t>(0xFF000013)},
    {"clInfoBk", static_cast<std::int32_t>(0xFF000018)},
    {"clInfoText", static_cast<std::int32_t>(0xFF000017)},
    {"clMenu", static_cast<std::int32_t>(0xFF000004)},
    {"clMenuBar", static_cast<std::int32_t>(0xFF00001E)},
    {"clMenuHighlight", static_cast<std::int32_t>(0xFF00001D)},
    {"clMenuText", static_cast<std::int32_t>(0xFF000007)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", static_cast<std::int32_t>(0xFF000000)},
    {"cl3DDkShadow", static_cast<std::int32_t>(0xFF000015)},
    {"cl3DLight", static_cast<std::int32_t>(0xFF000016)},
    {"clWindow", static_cast<std::int32_t>(0xFF000005)},
    {"clWindowFrame", static_cast<std::int32_t>(0xFF000006)},
    {"clWindowText", static_cast<std::int32_t>(0xFF000008)},
};

namespace {

[[noreturn]] void Reject(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    throw ConversionError(message);
}

// Hexadecimal digits to the end of the text, at most 32 significant bits.
std::uint32_t ReadHex(std::string_view digits, std::string_view text) {
    if (digits.empty()) {
        Reject(text);
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            Reject(text);
        }
        value = value << 4 | static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            Reject(text);
        }
    }
    return static_cast<std::uint32_t>(value);
}

// Decimal digits to the end of the text; the magnitude may reach 2^31 only
// for a negative number.
std::int64_t ReadDecimal(std::string_view digits, bool negative, std::string_view text) {
    if (digits.empty()) {
        Reject(text);
    }
    std::int64_t value = 0;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            Reject(text);
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            Reject(text);
        }
    }
    return value;
}

}  // namespace

std::string ColorToText(std::int32_t color) {
    for (const ColorIdentifier& identifier : kColorIdentifiers) {
        if (identifier.value == color) {
            return identifier.name;
        }
    }
    std::string digits = ZeroPadded(static_cast<std::uint32_t>(color), 8, 16);
    for (char& digit : digits) {
        digit = UpperAscii(digit);
    }
    return "$" + digits;
}

std::int32_t TextToColor(std::string_view text) {
    for (const ColorIdentifier& identifier : kColorIdentifiers) {
        if (EqualIgnoringAsciiCase(text, identifier.name)) {
            return identifier.value;
        }
    }
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (!rest.empty() && (rest.front() == '$' || rest.front() == 'x' || rest.front() == 'X')) {
        const std::uint32_t bits = ReadHex(rest.substr(1), text);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        const std::uint32_t bits = ReadHex(rest.substr(2), text);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    const std::int64_t magnitude = ReadDecimal(rest, negative, text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace parabel

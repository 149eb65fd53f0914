#include "equation_link.h"

#include <string_view>

#include "core/ascii.h"
#include "equation_field.h"

namespace parabel {

namespace {

bool KeptInFragment(unsigned char byte) {
    constexpr std::string_view kEscaped = " \"#%<>`\\{|}";
    return byte > 0x20 && byte < 0x7F &&
           kEscaped.find(static_cast<char>(byte)) == std::string_view::npos;
}

}  // namespace

std::string EquationFragment(std::string_view fieldText) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string fragment = "#";
    for (const char c : fieldText) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptInFragment(byte)) {
            fragment += c;
        } else {
            fragment += '%';
            fragment += kDigits[byte >> 4];
            fragment += kDigits[byte & 0xF];
        }
    }
    return fragment;
}

std::optional<std::string> EquationOfFragment(std::string_view fragment) {
    if (fragment.starts_with('#')) {
        fragment.remove_prefix(1);
    }
    if (fragment.empty()) {
        return std::nullopt;
    }
    std::string typed;
    for (std::size_t i = 0; i < fragment.size(); ++i) {
        const bool escaped = fragment[i] == '%' && i + 2 < fragment.size();
        const int high = escaped ? HexDigitValue(fragment[i + 1]) : -1;
        const int low = high >= 0 ? HexDigitValue(fragment[i + 2]) : -1;
        if (low >= 0) {
            typed += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            typed += fragment[i];
        }
    }
    return EquationFieldText(typed);
}

}  // namespace parabel

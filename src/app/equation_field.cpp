#include "equation_field.h"

#include "core/lower_case.h"
#include "core/utf8.h"
#include "core/windows1251.h"

namespace parabel {

std::string EquationFieldText(std::string_view typed) {
    constexpr char32_t kSuperscriptTwo = 0x00B2;
    std::string kept;
    kept.reserve(typed.size());
    std::size_t i = 0;
    while (i < typed.size()) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(typed, i, codePoint)) {
            ++i;  // a broken byte is no character
            continue;
        }
        if (codePoint == kSuperscriptTwo) {
            kept += "^2";
        } else if (codePoint != 0 && IsWindows1251CodePoint(codePoint)) {
            AppendUtf8(kept, codePoint);
        }
    }
    return ToLowerCase(kept);
}

}  // namespace parabel

// Lower case as the equation field keeps it: the Latin letters A-Z and the
// upper-case Cyrillic letters of Windows-1251 (U+0400-U+042F, U+0490) become
// their lower-case forms; every other character stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace parabel {

// `utf8` is UTF-8 text; invalid sequences are copied unchanged.
std::string ToLowerCase(std::string_view utf8);

}  // namespace parabel

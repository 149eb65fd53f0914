// Which characters the program's texts can hold: those of the Windows-1251
// code page, in which its files are written.
#pragma once

#include <string_view>

namespace parabel {

// True when the code point has a byte in Windows-1251.
bool IsWindows1251CodePoint(char32_t codePoint);

// True when `utf8` is valid UTF-8 without NUL bytes and every character has a
// byte in Windows-1251.
bool FitsWindows1251(std::string_view utf8);

}  // namespace parabel

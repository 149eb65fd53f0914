// The Windows-1251 code page, in which the program's files are written: which
// characters the program's texts can hold, and the conversion between its
// UTF-8 strings and the files' bytes, one byte per character.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parabel {

// The byte of a code point; nothing when the code page has none for it.
std::optional<unsigned char> Windows1251Byte(char32_t codePoint);

// The code point of a byte; nothing for the one unassigned byte, 0x98.
std::optional<char32_t> Windows1251CodePoint(unsigned char byte);

// True when the code point has a byte in Windows-1251.
bool IsWindows1251CodePoint(char32_t codePoint);

// True when `utf8` is valid UTF-8 without NUL bytes and every character has a
// byte in Windows-1251.
bool FitsWindows1251(std::string_view utf8);

// A character without a byte becomes '?'. So does broken UTF-8: one '?' for
// each broken sequence as AfterBrokenUtf8 measures it, as the equation field
// marks it.
std::string Utf8ToWindows1251(std::string_view utf8);

// The one unassigned byte (0x98) becomes '?'.
std::string Windows1251ToUtf8(std::string_view bytes);

// Text to show of bytes that should be UTF-8 but may not be, such as a file
// name from an old archive: the valid UTF-8 as it is, each byte of a broken
// sequence read as Windows-1251 (the encoding such names were written in
// here), so that "\xF3\xF0.txt" shows as "\u0443\u0440.txt" (two Cyrillic
// letters), not as two marks.
std::string ShowableText(std::string_view bytes);

}  // namespace parabel

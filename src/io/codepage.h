// Conversion between the program's UTF-8 strings and the Windows-1251 bytes
// of its files, one byte per character.
#pragma once

#include <string>
#include <string_view>

namespace parabel {

// Characters that Windows-1251 cannot hold become '?', and so does each
// invalid UTF-8 sequence (a lead byte with the continuation bytes that follow
// it); the language tag characters U+E0000 .. U+E007F are dropped, as the C
// library's converter ignores them.
std::string Utf8ToWindows1251(std::string_view utf8);

// The one unassigned byte (0x98) becomes '?'.
std::string Windows1251ToUtf8(std::string_view bytes);

}  // namespace parabel

// UTF-8, the encoding of the program's texts in memory: the one decoder and
// encoder of code points.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace parabel {

// Decodes the sequence at `i`. On success stores its code point, moves `i`
// past it and returns true. Returns false, leaving `i` as it was, for a byte
// that starts no sequence, a sequence cut short or broken by a byte that
// does not continue it, an overlong form, a surrogate, or a code point above
// U+10FFFF.
bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& codePoint);

// The length of the sequence that the lead byte announces: 2, 3 or 4 for a
// lead byte of that form, 1 for any other byte.
std::size_t Utf8LeadLength(unsigned char lead);

// Appends the UTF-8 form of a code point (at most U+10FFFF, no surrogate).
void AppendUtf8(std::string& out, char32_t codePoint);

// Past a broken sequence at `i` (one DecodeUtf8 refuses): its first byte
// and the continuation bytes that follow it, as many as that byte announces,
// so that one mark can stand for the whole broken sequence and no good
// character after it is lost.
std::size_t AfterBrokenUtf8(std::string_view text, std::size_t i);

// The text with each broken sequence (as AfterBrokenUtf8 measures it)
// replaced by U+FFFD, the replacement character: valid UTF-8 whatever the
// bytes were.
std::string ReplaceBrokenUtf8(std::string_view text);

}  // namespace parabel

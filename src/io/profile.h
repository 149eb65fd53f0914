// The settings file's text: sections in square brackets and key=value lines.
// Reading and writing are pure functions on the file's bytes; the file layer
// around them opens, reads and safely replaces the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parabel {

// At most this many characters of a value are seen.
constexpr std::size_t kMaxProfileValue = 2047;

// The value of `key` in `section`, or nothing when the section or key is
// missing. Section and key names match without regard to the case of a-z;
// blanks around names and values are not part of them; a value enclosed in a
// pair of double or single quotes loses them; the first matching section and
// the first matching key in it count. Lines end with CR LF, LF or CR. A UTF-8
// byte-order mark (EF BB BF) at the start of the text is not part of the
// first line.
std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with `key` of `section` set to `value`: the value of the first
// matching key line is replaced; a missing key is added after the last line
// of its section, a missing section at the end. Every other byte stays as it
// was, a leading byte-order mark included; new lines end with CR LF.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace parabel

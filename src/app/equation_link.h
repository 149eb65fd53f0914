// An equation in a link to the page: the address's fragment ("#x^2-5x+6"),
// which browsers never send to the server, so the equation stays with the
// reader. The page opens solved when its address carries one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parabel {

// The fragment, with its "#", for the field's text: its UTF-8 bytes, each
// one that a fragment may not hold as it is (controls, space, '"', '#',
// '%', '<', '>', '`', '\', '{', '|', '}' and every byte above ASCII)
// written as %XX. "x^2-5x+6" -> "#x^2-5x+6", the Cyrillic
// "\u0445^2" -> "#%D1%85^2".
std::string EquationFragment(std::string_view fieldText);

// The field's text of a fragment ("#..." or without its "#"): its %XX
// sequences decoded (a "%" that starts none stays a "%"), then taken as
// typed text is (EquationFieldText). Nothing for an empty fragment.
std::optional<std::string> EquationOfFragment(std::string_view fragment);

}  // namespace parabel

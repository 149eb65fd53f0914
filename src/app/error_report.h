// The general error report's text: what the program shows for an error that
// a command did not catch itself, the window and the page alike.
#pragma once

#include <string>
#include <string_view>

namespace parabel {

// The message with a "." appended when it is not empty and its last byte
// sorts after "." (so a message ending in "." or ")" gets none; a message
// ending in a letter, Cyrillic included, gets one).
std::string WithFinalDot(std::string_view message);

}  // namespace parabel

// What a command leaves for the window to tell the user, and the general
// error report: the box the program shows for an error that a command did
// not catch itself. The window, the page and their tests read the same
// reports; the models never throw.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace parabel {

// The message with a "." appended when it is not empty and its last byte
// sorts after "." (so a message ending in "." or ")" gets none; a message
// ending in a letter, Cyrillic included, gets one).
std::string WithFinalDot(std::string_view message);

// The message box a command asks for: both texts empty for none.
struct Report {
    std::string errorCaption;
    std::string errorMessage;

    bool HasError() const { return !errorCaption.empty(); }
};

// The general error report: runs `command`; an error that escapes it becomes
// the box the program shows for it (ErrorReport).
Report Guarded(std::string_view title, const std::function<void()>& command);

// The general error report's box for an error's message: captioned with the
// program's title, the message (its bytes shown as ShowableText makes them)
// as WithFinalDot makes it. Also for an error a face met outside the model.
Report ErrorReport(std::string_view title, std::string_view message);

}  // namespace parabel

// What a page command leaves for the page to tell the user: the message box
// it shows, if any. The page model never throws; an error is a report.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabel::web {

struct Report {
    // Both empty: nothing to show.
    std::string errorCaption;
    std::string errorMessage;

    bool HasError() const { return !errorCaption.empty(); }
};

// The general error report: runs `command` and turns any error that escapes
// it into the box the desktop shows for it, captioned with the program's
// title, its message ending in a dot as WithFinalDot makes it.
Report Guarded(const std::function<void()>& command);

// The same box for an error the page's own script met outside the native
// module, such as a copy the browser's clipboard refused.
Report ErrorReport(std::string_view message);

// The solve and load commands: besides their box, what the equation field
// and the solution list show afterwards.
struct SolveReport : Report {
    // Nothing when the command left the field as it was.
    std::optional<std::string> fieldText;
    // True when the list now shows `lines`; false when it keeps its own.
    bool listReplaced = false;
    std::vector<std::string> lines;
};

}  // namespace parabel::web

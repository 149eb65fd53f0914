#include "report.h"

#include <exception>

#include "app/error_report.h"

namespace parabel::web {

namespace {

// The program file's name as the window's general error report shows it.
constexpr const char* kProgramTitle = "Parabel";

}  // namespace

Report Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        return ErrorReport(error.what());
    }
    return {};
}

Report ErrorReport(std::string_view message) {
    Report report;
    report.errorCaption = kProgramTitle;
    report.errorMessage = WithFinalDot(message);
    return report;
}

}  // namespace parabel::web

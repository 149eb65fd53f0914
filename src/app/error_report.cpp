#include "error_report.h"

#include <exception>

#include "core/windows1251.h"

namespace parabel {

std::string WithFinalDot(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

Report Guarded(std::string_view title, const std::function<void()>& command) {
    Report report;
    try {
        command();
    } catch (const std::exception& error) {
        report.errorCaption = title;
        // A file's name in the message may be no UTF-8.
        report.errorMessage = WithFinalDot(ShowableText(error.what()));
    }
    return report;
}

}  // namespace parabel

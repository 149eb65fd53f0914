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
    try {
        command();
    } catch (const std::exception& error) {
        return ErrorReport(title, error.what());
    }
    return {};
}

Report ErrorReport(std::string_view title, std::string_view message) {
    // A file's name in the message may be no UTF-8.
    return {std::string(title), WithFinalDot(ShowableText(message))};
}

}  // namespace parabel

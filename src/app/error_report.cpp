#include "error_report.h"

namespace parabel {

std::string WithFinalDot(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

}  // namespace parabel

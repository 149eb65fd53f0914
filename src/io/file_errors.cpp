#include "file_errors.h"

#include <cstring>

namespace parabel {

namespace {

std::string FileMessage(const char* verb, const std::string& path, const std::string& reason) {
    return std::string("Cannot ") + verb + " file \"" + path + "\". " + reason;
}

}  // namespace

FileCreateError::FileCreateError(const std::string& path, const std::string& reason)
    : std::runtime_error(FileMessage("create", path, reason)) {}

FileOpenError::FileOpenError(const std::string& path, const std::string& reason)
    : std::runtime_error(FileMessage("open", path, reason)) {}

WriteError::WriteError(int errorNumber)
    : std::runtime_error("Stream write error"), reason_(ReasonText(errorNumber)) {}

std::string ReasonText(int errorNumber) {
    std::string reason = std::strerror(errorNumber);
    while (!reason.empty() && (reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
}

}  // namespace parabel

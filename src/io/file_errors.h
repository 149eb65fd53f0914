// Errors of file access, each with the exact message the program shows.
#pragma once

#include <stdexcept>
#include <string>

namespace parabel {

// "Cannot create file "<path>". <reason>"
class FileCreateError : public std::runtime_error {
  public:
    FileCreateError(const std::string& path, const std::string& reason);
};

// "Cannot open file "<path>". <reason>"
class FileOpenError : public std::runtime_error {
  public:
    FileOpenError(const std::string& path, const std::string& reason);
};

// "Stream write error": fewer bytes could be written than asked. The
// message is the one the program's boxes show; Reason() is the platform's
// word for why ("No space left on device"), for a report that may say more.
class WriteError : public std::runtime_error {
  public:
    explicit WriteError(int errorNumber);
    const std::string& Reason() const { return reason_; }

  private:
    std::string reason_;
};

// The platform's reason for an error number, without trailing blanks and dots.
std::string ReasonText(int errorNumber);

}  // namespace parabel

#include "text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <span>

#include "file_errors.h"
#include "line_text.h"
#include "safe_save.h"

namespace parabel {

bool IsExistingFile(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void SaveLinesFile(const std::string& path, const std::vector<std::string>& lines) {
    const std::string content = EncodeLines(lines);
    SaveFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
}

std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so a pipe without a writer or without data cannot stall.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw FileOpenError(path, ReasonText(errno));
    }
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        throw FileOpenError(path, ReasonText(EISDIR));
    }
    std::string head;
    char buffer[4096];
    bool lineEnded = false;
    while (!lineEnded && head.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - head.size());
        const ssize_t n = read(fd, buffer, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // the end, an error, or no data waiting
        }
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == '\r' || buffer[i] == '\n' || buffer[i] == '\0') {
                head.append(buffer, i + 1);
                lineEnded = true;
                break;
            }
        }
        if (!lineEnded) {
            head.append(buffer, n);
        }
    }
    close(fd);
    return DecodeFirstLine(head);
}

}  // namespace parabel

#include "small_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace parabel {

bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

SmallFile ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    SmallFile file;
    // Non-blocking, so that opening a FIFO in place of the file cannot stall.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.found = errno == ENOENT ? SmallFile::Found::kNothing : SmallFile::Found::kUnreadable;
        file.error = errno;
        return file;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        file.found = SmallFile::Found::kUnreadable;
        file.error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        file.found = SmallFile::Found::kNoRegular;
    } else {
        file.found = SmallFile::Found::kBytes;
        char buffer[4096];
        for (;;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                file.found = SmallFile::Found::kUnreadable;
                file.error = errno;
                break;
            }
            if (file.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                file.found = SmallFile::Found::kTooLong;
                break;
            }
            if (n == 0) {
                break;
            }
            file.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    if (file.found != SmallFile::Found::kBytes) {
        file.bytes.clear();
    }
    return file;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    SmallFile file = ReadSmallFile(path, maxBytes);
    if (file.found != SmallFile::Found::kBytes) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

}  // namespace parabel

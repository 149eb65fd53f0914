#include "safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "file_errors.h"

namespace parabel {

namespace {

// The file that is really replaced: the target of a symbolic link that leads
// to an existing file, otherwise the path itself.
std::string ReplacedPath(const std::string& path) {
    struct stat linkInfo;
    if (lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void SaveFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = ReplacedPath(path);
    struct stat info;
    if (stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        throw EFCreateError(path, ReasonText(EISDIR));
    }
    if (target.empty() || target.back() == '/') {
        throw EFCreateError(path, ReasonText(EISDIR));
    }
    // A short name of its own, so a target name near the length limit fits.
    std::string temporary = FolderOf(target) + "/.parabel-save-XXXXXX";
    std::vector<char> pattern(temporary.begin(), temporary.end());
    pattern.push_back('\0');
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        throw EFCreateError(path, ReasonText(errno));
    }
    temporary = pattern.data();
    fchmod(fd, NewFileMode(target));

    if (!WriteAll(fd, bytes) || fsync(fd) != 0) {
        close(fd);
        unlink(temporary.c_str());
        throw EWriteError();
    }
    if (close(fd) != 0) {
        unlink(temporary.c_str());
        throw EWriteError();
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        throw EFCreateError(path, ReasonText(error));
    }
}

}  // namespace parabel

#include "safe_save.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "file_errors.h"
#include "pending_removal.h"
#include "safe_save_testing.h"

namespace parabel {

namespace {

#if defined(__EMSCRIPTEN__)
// The WebAssembly engine keeps no files of the program's (the page downloads
// what it saves instead): no save gets this far there, but the calls must
// link. Both fail as a kernel without them does.
int fallocate(int, int, off_t, off_t) {
    errno = ENOSYS;
    return -1;
}
int memfd_create(const char*, unsigned) {
    errno = ENOSYS;
    return -1;
}
#endif


std::atomic<bool> namedTemporaryOnly{false};
std::atomic<safe_save_testing::AfterWriteHook> afterWriteHook{nullptr};
std::atomic<safe_save_testing::SyncHook> syncHook{nullptr};

// Links followed before giving up with ELOOP, as many as the kernel follows.
constexpr int kMaxLinksFollowed = 40;

// Names tried for a temporary file before giving up; a name is taken only by
// a file a former process of the same id left behind.
constexpr int kNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The text of the symbolic link at `path`, or nothing with errno set.
bool ReadLink(const std::string& path, std::string& text) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            return false;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(length));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The path that symbolic links at `path` lead to, link after link, whether
// or not something exists there. Only the last component is followed here;
// links among the folders are the kernel's business as for any path.
std::string FinalTarget(const std::string& path) {
    std::string current = path;
    for (int followed = 0; followed <= kMaxLinksFollowed; ++followed) {
        struct stat info;
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::string text;
        if (!ReadLink(current, text)) {
            throw FileCreateError(path, ReasonText(errno));
        }
        current = !text.empty() && text.front() == '/' ? text : InFolder(FolderOf(current), text);
    }
    throw FileCreateError(path, ReasonText(ELOOP));
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

// Writes the content through a buffer of its own, so that small pieces cost
// no system call each. False when a write fails, errno telling why; a
// producer that throws counts as a failed write.
bool WriteContent(int fd, const FileContent& content) {
    constexpr std::size_t kBufferSize = 1 << 16;
    struct WriteFailed {};
    std::vector<std::uint8_t> buffer;
    buffer.reserve(std::min<std::uint64_t>(kBufferSize, content.size().value_or(kBufferSize)));
    const auto flush = [&] {
        if (!WriteAll(fd, buffer)) {
            throw WriteFailed{};
        }
        buffer.clear();
    };
    try {
        content.Produce([&](std::span<const std::uint8_t> piece) {
            if (buffer.size() + piece.size() > kBufferSize) {
                flush();
            }
            if (piece.size() >= kBufferSize) {
                if (!WriteAll(fd, piece)) {
                    throw WriteFailed{};
                }
                return;
            }
            buffer.insert(buffer.end(), piece.begin(), piece.end());
        });
        flush();
    } catch (const WriteFailed&) {
        return false;
    } catch (...) {
        errno = EIO;
        return false;
    }
    return true;
}

// WriteContent with SIGPIPE held back in this thread: a pipe or socket
// whose reader went away fails the write with EPIPE instead of ending the
// process.
bool WriteAllWithoutBrokenPipeSignal(int fd, const FileContent& content) {
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &brokenPipe, &previousMask);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);

    const bool written = WriteContent(fd, content);
    if (!written && errno == EPIPE && sigismember(&pendingBefore, SIGPIPE) == 0) {
        const timespec noWait{0, 0};
        sigtimedwait(&brokenPipe, nullptr, &noWait);  // the SIGPIPE this write raised
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    return written;
}

// A name for a temporary file in `folder`, new on every call.
std::string TemporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return InFolder(folder, ".parabel-save-" + std::to_string(getpid()) + "-" +
                                std::to_string(counter.fetch_add(1)));
}

// Gives the new file the owner, group and permissions of the file it
// replaces. The owner first: a change of owner clears set-id bits. Who may
// not give the file away (EPERM when not root) keeps at least the group when
// a member of it, and otherwise makes the file their own as any save would.
void TakeOverOwnerAndMode(int fd, const struct stat& old) {
    struct stat now;
    if (fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0 && errno == EPERM && now.st_gid != old.st_gid &&
            fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Neither could be given; the file stays the saver's.
        }
    }
    fchmod(fd, old.st_mode & 07777);
}

// Flushes the file's data to the disk; false with errno when that fails.
bool SyncToDisk(int fd) {
    if (fsync(fd) != 0) {
        return false;
    }
    if (const auto hook = syncHook.load()) {
        hook();
    }
    return true;
}

// The first writes of a new file: owner and mode, content, flush.
bool FillNewFile(int fd, const struct stat* old, const FileContent& content) {
    if (old != nullptr) {
        TakeOverOwnerAndMode(fd, *old);
    }
    return WriteContent(fd, content) && SyncToDisk(fd);
}

void CallAfterWriteHook(const char* temporaryPath) {
    if (const auto hook = afterWriteHook.load()) {
        hook(temporaryPath);
    }
}

// Renames the temporary file over the target, removing it when that fails.
void MoveIntoPlace(const std::string& shownPath, const std::string& temporary,
                   const std::string& target) {
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        throw FileCreateError(shownPath, ReasonText(error));
    }
}

// New files start private when they replace one (its permissions follow),
// with the usual permissions otherwise (the kernel applies the umask).
mode_t CreationMode(const struct stat* old) {
    return old != nullptr ? 0600 : 0666;
}

enum class Outcome { kSaved, kUnsupported };

// Replaces by an unnamed file (O_TMPFILE). kUnsupported when the file system
// has no unnamed files or the file cannot be given a name.
Outcome ReplaceByUnnamedFile(const std::string& shownPath, const std::string& target,
                             const struct stat* old, const FileContent& content) {
    const std::string folder = FolderOf(target);
    const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, CreationMode(old));
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
            return Outcome::kUnsupported;
        }
        throw FileCreateError(shownPath, ReasonText(errno));
    }
    // Closing the descriptor is all it takes to drop the file from here on,
    // whatever ends the process.
    if (!FillNewFile(fd, old, content)) {
        const int error = errno;
        close(fd);
        throw WriteError(error);
    }
    CallAfterWriteHook("");

    const std::string ownLink = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = TemporaryName(folder);
        const PendingRemoval pending(temporary);
        if (linkat(AT_FDCWD, ownLink.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            close(fd);
            MoveIntoPlace(shownPath, temporary, target);
            return Outcome::kSaved;
        }
        if (errno != EEXIST) {
            break;  // no /proc, or links not allowed here
        }
    }
    close(fd);
    return Outcome::kUnsupported;
}

// Replaces by a temporary file that has a name from its creation on.
void ReplaceByNamedFile(const std::string& shownPath, const std::string& target,
                        const struct stat* old, const FileContent& content) {
    const std::string folder = FolderOf(target);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = TemporaryName(folder);
        // Registered before it exists, so no moment is left in which a
        // signal would find the file but not its name.
        const PendingRemoval pending(temporary);
        const int fd =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, CreationMode(old));
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            throw FileCreateError(shownPath, ReasonText(errno));
        }
        const bool filled = FillNewFile(fd, old, content);
        const int fillError = errno;
        const bool closed = close(fd) == 0;
        if (!filled || !closed) {
            const int error = filled ? errno : fillError;
            unlink(temporary.c_str());
            throw WriteError(error);
        }
        CallAfterWriteHook(temporary.c_str());
        MoveIntoPlace(shownPath, temporary, target);
        return;
    }
    throw FileCreateError(shownPath, ReasonText(EEXIST));
}

void Replace(const std::string& shownPath, const std::string& target, const struct stat* old,
             const FileContent& content) {
    if (namedTemporaryOnly.load() ||
        ReplaceByUnnamedFile(shownPath, target, old, content) == Outcome::kUnsupported) {
        ReplaceByNamedFile(shownPath, target, old, content);
    }
}

// Writes over an existing node that is kept: a regular file with other
// names, a FIFO, a device, a socket. The content of a regular file has a
// known size (see WriteUnsizedInPlace).
void WriteInPlace(const std::string& shownPath, const std::string& target, const struct stat& info,
                  const FileContent& content) {
    const bool regular = S_ISREG(info.st_mode);
    assert(!regular || content.size().has_value());
    const auto size = static_cast<off_t>(content.size().value_or(0));
    // Opened without blocking, so a FIFO without a reader fails at once
    // (ENXIO) instead of waiting for one; O_NOFOLLOW, because the links were
    // followed already and one put there since is not ours to follow.
    const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC |
                                            (regular ? 0 : O_TRUNC));
    if (fd < 0) {
        throw FileCreateError(shownPath, ReasonText(errno));
    }
    // The writes themselves wait, as a plain write does, for a slow reader.
    const int flags = fcntl(fd, F_GETFL);
    if (flags != -1) {
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    if (regular && size != 0) {
        // Space first: when the disk or the size limit cannot take the
        // content, the old content is still whole.
        if (fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
            const int error = errno;
            if (ftruncate(fd, info.st_size) != 0) {
                // Nothing more can be done for the file; the error follows.
            }
            close(fd);
            throw WriteError(error);
        }
    }
    bool written = WriteAllWithoutBrokenPipeSignal(fd, content);
    if (regular) {
        written = written && ftruncate(fd, size) == 0 && SyncToDisk(fd);
    }
    int error = written ? 0 : errno;
    if (close(fd) != 0 && regular && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        throw WriteError(error);
    }
}

// A descriptor closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// A file without a name for content that must be made whole before its
// size is known: in `folder` when its file system has unnamed files (and the
// saver may write there), in memory otherwise. -1 when neither can be had.
int OpenSpillFile(const std::string& folder) {
    if (!namedTemporaryOnly.load()) {
        const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0) {
            return fd;
        }
    }
    return memfd_create("parabel-save", MFD_CLOEXEC);
}

// The bytes of the spill file `fd`, `size` of them, read back in pieces.
FileContent SpilledContent(int fd, std::uint64_t size) {
    return FileContent(size, [fd](const FileContent::Sink& sink) {
        std::vector<std::uint8_t> buffer(1 << 16);
        for (off_t at = 0;;) {
            const ssize_t n = pread(fd, buffer.data(), buffer.size(), at);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                throw std::system_error(errno, std::generic_category());
            }
            if (n == 0) {
                return;
            }
            sink({buffer.data(), static_cast<std::size_t>(n)});
            at += n;
        }
    });
}

// Writes content of unknown size over a regular file that is kept: made
// whole in a spill file first, so the file's space is reserved for its known
// size before any of its bytes is overwritten, as for content of known size.
void WriteUnsizedInPlace(const std::string& shownPath, const std::string& target,
                         const struct stat& info, const FileContent& content) {
    const Descriptor spill(OpenSpillFile(FolderOf(target)));
    if (spill.fd() < 0 || !WriteContent(spill.fd(), content)) {
        throw WriteError(errno);
    }
    const off_t size = lseek(spill.fd(), 0, SEEK_CUR);
    if (size < 0) {
        throw WriteError(errno);
    }
    WriteInPlace(shownPath, target, info, SpilledContent(spill.fd(), size));
}

}  // namespace

namespace safe_save_testing {

void UseNamedTemporaryOnly(bool on) {
    namedTemporaryOnly.store(on);
}

void SetAfterWriteHook(AfterWriteHook hook) {
    afterWriteHook.store(hook);
}

void SetSyncHook(SyncHook hook) {
    syncHook.store(hook);
}

}  // namespace safe_save_testing

void SaveFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    SaveFileSafely(path, FileContent(bytes));
}

void SaveFileSafely(const std::string& path, const FileContent& content) {
    if (path.empty() || path.back() == '/') {
        throw FileCreateError(path, ReasonText(EISDIR));
    }
    const std::string target = FinalTarget(path);
    struct stat info;
    if (lstat(target.c_str(), &info) != 0) {
        // Nothing there (or an unreachable folder, which the creation reports).
        Replace(path, target, nullptr, content);
    } else if (S_ISDIR(info.st_mode)) {
        throw FileCreateError(path, ReasonText(EISDIR));
    } else if (S_ISREG(info.st_mode) && info.st_nlink == 1) {
        Replace(path, target, &info, content);
    } else if (S_ISREG(info.st_mode) && !content.size()) {
        WriteUnsizedInPlace(path, target, info, content);
    } else {
        WriteInPlace(path, target, info, content);
    }
}

}  // namespace parabel

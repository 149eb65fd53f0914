#include "io/safe_save.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "io/file_errors.h"
#include "io/safe_save_testing.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

namespace fs = std::filesystem;

// The two ways a replacing save makes its temporary file.
struct Scheme {
    const char* name;
    bool namedOnly;
};
constexpr Scheme kSchemes[] = {{"unnamed temporary", false}, {"named temporary", true}};

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Content whose size shows only once it is made (as a compressed picture's),
// handed over in pieces of up to 1000 bytes.
FileContent Unsized(const std::string& text) {
    return FileContent([&text](const FileContent::Sink& sink) {
        for (std::size_t at = 0; at < text.size(); at += 1000) {
            sink(Bytes(text).subspan(at, std::min<std::size_t>(1000, text.size() - at)));
        }
    });
}

// The two kinds of content a save is given, made of a text that outlives it.
struct ContentKind {
    const char* name;
    FileContent (*make)(const std::string& text);
};
constexpr ContentKind kContentKinds[] = {
    {"known size", [](const std::string& text) { return FileContent(Bytes(text)); }},
    {"unknown size", Unsized},
};

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
}

// Runs `action` in a child process that ends after `seconds` at the latest.
// Returns "saved" when the action returned, the message of what it threw
// (a WriteError's followed by ": " and its reason), or "signal <n>" when a
// signal ended the child.
std::string InChild(const std::function<void()>& action, unsigned seconds = 10) {
    int channel[2];
    if (pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        alarm(seconds);
        std::string outcome = "saved";
        try {
            action();
        } catch (const WriteError& error) {
            outcome = std::string(error.what()) + ": " + error.Reason();
        } catch (const std::exception& error) {
            outcome = error.what();
        }
        if (write(channel[1], outcome.data(), outcome.size()) < 0) {
            _exit(2);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string outcome;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        outcome.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status));
    }
    return outcome;
}

class SafeSave : public testing::TempFolderTest {
  protected:
    void TearDown() override {
        safe_save_testing::UseNamedTemporaryOnly(false);
        safe_save_testing::SetAfterWriteHook(nullptr);
        safe_save_testing::SetSyncHook(nullptr);
        TempFolderTest::TearDown();
    }
    // The names in the folder, sorted: a temporary file left behind shows.
    std::vector<std::string> Listing() const { return NamesIn(folder_); }
    static std::vector<std::string> NamesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool IsRoot() { return geteuid() == 0; }
    void WriteToAFifo(const ContentKind& kind);
};

using NameList = std::vector<std::string>;

TEST_F(SafeSave, CreatesAndReplacesWhollyLeavingNoTemporaryFile) {
    const std::string contents[] = {"a long first content", std::string(70000, 'l'), "short", ""};
    for (const Scheme& scheme : kSchemes) {
        for (const ContentKind& kind : kContentKinds) {
            SCOPED_TRACE(std::string(scheme.name) + ", " + kind.name);
            safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
            const std::string path = Path("a.txt");
            fs::remove(path);
            for (const std::string& content : contents) {
                SaveFileSafely(path, kind.make(content));
                EXPECT_TRUE(Read(path) == content) << content.size();
            }
            EXPECT_EQ(Listing(), NameList{"a.txt"});
        }
    }
}

TEST_F(SafeSave, KeepsThePermissionsOfTheReplacedFile) {
    for (const Scheme& scheme : kSchemes) {
        safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
        for (const mode_t mode : {0640, 0600, 0755, 0444, 0604}) {
            const std::string path = Path("b.txt");
            fs::remove(path);
            Write(path, "old");
            chmod(path.c_str(), mode);
            SaveFileSafely(path, Bytes("new"));
            EXPECT_EQ(StatOf(path).st_mode & 07777, mode) << scheme.name << " " << std::oct << mode;
            EXPECT_EQ(Read(path), "new");
        }
    }
}

TEST_F(SafeSave, ANewFileGetsTheUsualPermissions) {
    const mode_t previous = umask(027);
    for (const Scheme& scheme : kSchemes) {
        safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
        const std::string path = Path(std::string("new-") + (scheme.namedOnly ? "n" : "u"));
        SaveFileSafely(path, Bytes("x"));
        EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u) << scheme.name;
    }
    umask(previous);
}

TEST_F(SafeSave, KeepsTheOwnerOfTheReplacedFile) {
    if (!IsRoot()) {
        GTEST_SKIP() << "needs root: only root can make a file owned by another user";
    }
    for (const Scheme& scheme : kSchemes) {
        safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
        // Set-id bits too: a change of owner after the permissions would drop them.
        for (const mode_t mode : {0644, 06754}) {
            const std::string path = Path("owned.txt");
            fs::remove(path);
            Write(path, "old");
            ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
            chmod(path.c_str(), mode);
            SaveFileSafely(path, Bytes("new"));
            const struct stat info = StatOf(path);
            EXPECT_EQ(info.st_uid, 4321u) << scheme.name;
            EXPECT_EQ(info.st_gid, 4322u) << scheme.name;
            EXPECT_EQ(info.st_mode & 07777, mode) << scheme.name << " " << std::oct << mode;
            EXPECT_EQ(Read(path), "new");
        }
    }
}

TEST_F(SafeSave, ASaverWhoMayNotGiveAFileAwayMakesItTheirOwn) {
    if (!IsRoot()) {
        GTEST_SKIP() << "needs root: to have a file of root's replaced by another user";
    }
    constexpr uid_t kNobody = 65534;
    chmod(folder_.c_str(), 0777);
    for (const Scheme& scheme : kSchemes) {
        const std::string path = Path("root.txt");
        fs::remove(path);
        Write(path, "old");
        chmod(path.c_str(), 0644);
        const std::string outcome = InChild([&] {
            safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                throw std::runtime_error("cannot become nobody");
            }
            SaveFileSafely(path, Bytes("new"));
        });
        EXPECT_EQ(outcome, "saved") << scheme.name;
        EXPECT_EQ(Read(path), "new") << scheme.name;
        EXPECT_EQ(StatOf(path).st_uid, kNobody) << scheme.name;
        EXPECT_EQ(StatOf(path).st_mode & 07777, 0644u) << scheme.name;
        EXPECT_EQ(Listing(), NameList{"root.txt"}) << scheme.name;
    }
}

TEST_F(SafeSave, AHardLinkedFileIsWrittenInPlace) {
    const std::string path = Path("one.txt");
    const std::string other = Path("two.txt");
    // Content of unknown size is first made in a file beside the target or,
    // with the named scheme standing for a file system without unnamed
    // files, in memory.
    const std::string contents[] = {"a longer new content", "short", "", std::string(70000, 'h')};
    for (const Scheme& scheme : kSchemes) {
        for (const ContentKind& kind : kContentKinds) {
            SCOPED_TRACE(std::string(scheme.name) + ", " + kind.name);
            safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
            for (const std::string& content : contents) {
                fs::remove(path);
                fs::remove(other);
                Write(path, "the old content");
                fs::create_hard_link(path, other);
                const ino_t inode = StatOf(path).st_ino;
                SaveFileSafely(path, kind.make(content));
                EXPECT_TRUE(Read(other) == content) << content.size();
                EXPECT_TRUE(Read(path) == content) << content.size();
                EXPECT_EQ(StatOf(path).st_ino, inode);
                EXPECT_EQ(StatOf(path).st_nlink, 2u);
            }
            EXPECT_EQ(Listing(), (NameList{"one.txt", "two.txt"}));
        }
    }
}

TEST_F(SafeSave, AFifoIsWrittenToItsReader) {
    for (const ContentKind& kind : kContentKinds) {
        SCOPED_TRACE(kind.name);
        fs::remove(Path("fifo"));
        WriteToAFifo(kind);
    }
}

void SafeSave::WriteToAFifo(const ContentKind& kind) {
    const std::string path = Path("fifo");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    // Open for reading first (without waiting for a writer), so the save finds
    // a reader; then read in a thread what the save writes, far more than a
    // pipe holds at once.
    const int readEnd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    const std::string content(1 << 20, 'p');
    std::string received;
    std::thread reader([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        char buffer[65536];
        while (received.size() < content.size() && std::chrono::steady_clock::now() < deadline) {
            const ssize_t n = read(readEnd, buffer, sizeof buffer);
            if (n > 0) {
                received.append(buffer, static_cast<std::size_t>(n));
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    });
    SaveFileSafely(path, kind.make(content));
    reader.join();
    char extra;
    EXPECT_LE(read(readEnd, &extra, 1), 0);
    close(readEnd);
    EXPECT_EQ(received.size(), content.size());
    EXPECT_EQ(received, content);
    EXPECT_TRUE(S_ISFIFO(StatOf(path).st_mode));
    EXPECT_EQ(Listing(), NameList{"fifo"});
}

TEST_F(SafeSave, AFifoWhoseReaderLeavesGivesAWriteError) {
    const std::string path = Path("fifo");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const int readEnd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    std::thread leaver([&] {
        // Leaves once the first bytes wait in the pipe.
        char byte;
        for (int i = 0; i < 10000 && read(readEnd, &byte, 1) != 1; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        close(readEnd);
    });
    // In a child, so a SIGPIPE shows as its end rather than the test's.
    const std::string outcome = InChild([&] {
        close(readEnd);  // the child's copy would keep a reader
        SaveFileSafely(path, Bytes(std::string(1 << 20, 'p')));
    });
    leaver.join();
    EXPECT_EQ(outcome, "Stream write error: Broken pipe");
    EXPECT_TRUE(S_ISFIFO(StatOf(path).st_mode));
}

TEST_F(SafeSave, ADeviceStaysADevice) {
    if (!IsRoot()) {
        GTEST_SKIP() << "needs root: to make a device node like /dev/null";
    }
    const std::string path = Path("null");
    struct stat null {};
    ASSERT_EQ(stat("/dev/null", &null), 0);
    if (mknod(path.c_str(), S_IFCHR | 0666, null.st_rdev) != 0) {
        GTEST_SKIP() << "cannot make device nodes here: " << ReasonText(errno);
    }
    SaveFileSafely(path, Bytes("a picture"));
    const struct stat info = StatOf(path);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, null.st_rdev);
    EXPECT_EQ(Listing(), NameList{"null"});
}

TEST_F(SafeSave, NodesWithoutAReaderAreReportedAtOnceAndKept) {
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", Path("socket").c_str());
    ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::pair<std::string, mode_t> rows[] = {{Path("fifo"), S_IFIFO},
                                                   {Path("socket"), S_IFSOCK}};
    for (const auto& [path, type] : rows) {
        // A child with a deadline: an open that waits for a reader ends it.
        EXPECT_EQ(InChild([&node = path] { SaveFileSafely(node, Bytes("data")); }, 3),
                  "Cannot create file \"" + path + "\". No such device or address");
        EXPECT_EQ(StatOf(path).st_mode & S_IFMT, type) << path;
    }
    close(socketFd);
    EXPECT_EQ(Listing(), (NameList{"fifo", "socket"}));
}

struct LinkRow {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link name, link text
    const char* existing;                                    // a file there before, or ""
    const char* receiver;                                    // the file that gets the content
};

TEST_F(SafeSave, FollowsSymbolicLinksToTheirFinalTarget) {
    const std::string absoluteTarget = Path("abs.txt");
    const LinkRow rows[] = {
        {"link to a file", {{"link", absoluteTarget}}, "abs.txt", "abs.txt"},
        {"link to nothing yet", {{"link", absoluteTarget}}, "", "abs.txt"},
        {"relative link in another folder", {{"sub/link", "../rel.txt"}}, "", "rel.txt"},
        {"relative link to a file", {{"link", "sub/in.txt"}}, "sub/in.txt", "sub/in.txt"},
        {"chain to a file",
         {{"link", "hop1"}, {"hop1", "sub/hop2"}, {"sub/hop2", "../end.txt"}},
         "end.txt",
         "end.txt"},
        {"chain to nothing yet", {{"link", "hop1"}, {"hop1", "sub/end.txt"}}, "", "sub/end.txt"},
    };
    for (const LinkRow& row : rows) {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "sub");
        for (const auto& [name, text] : row.links) {
            fs::create_symlink(text, Path(name));
        }
        if (*row.existing != '\0') {
            Write(Path(row.existing), "old");
        }
        EXPECT_NO_THROW(SaveFileSafely(Path(row.links.front().first), Bytes("new"))) << row.name;
        EXPECT_EQ(Read(Path(row.receiver)), "new") << row.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Path(row.receiver)))) << row.name;
        for (const auto& [name, text] : row.links) {
            std::error_code error;
            EXPECT_EQ(fs::read_symlink(Path(name), error), text) << row.name << ": " << name;
            EXPECT_FALSE(error) << row.name << ": " << name << " is no link any more";
        }
    }
}

TEST_F(SafeSave, FilesThatCannotBeCreated) {
    Write(Path("plain"), "a file");
    fs::create_directory(Path("folder"));
    fs::create_symlink("loop2", Path("loop1"));
    fs::create_symlink("loop1", Path("loop2"));
    fs::create_symlink("folder", Path("to-folder"));
    const std::pair<std::string, std::string> rows[] = {
        {Path("missing/x.bmp"), "No such file or directory"},
        {Path("plain/x.bmp"), "Not a directory"},
        {Path("folder"), "Is a directory"},
        {Path("to-folder"), "Is a directory"},
        {Path("loop1"), "Too many levels of symbolic links"},
    };
    for (const Scheme& scheme : kSchemes) {
        safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
        for (const auto& [path, reason] : rows) {
            try {
                SaveFileSafely(path, Bytes("data"));
                ADD_FAILURE() << path;
            } catch (const FileCreateError& error) {
                EXPECT_EQ(error.what(), "Cannot create file \"" + path + "\". " + reason);
            }
        }
    }
    EXPECT_EQ(Read(Path("plain")), "a file");
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(Listing(), (NameList{"folder", "loop1", "loop2", "plain", "to-folder"}));
}

// A save that fails because the disk (here the file size limit) cannot take
// the content, or because the producer fails part way, leaves the old file.
// Content of known size written in place goes straight into the file, as a
// plain write would, so only a full disk is kept from it; content of unknown
// size is made whole before the file is touched.
TEST_F(SafeSave, AFailedSaveLeavesTheOldFile) {
    struct Row {
        const char* name;
        bool namedOnly;
        bool hardLinked;
        const ContentKind& kind;
    };
    const ContentKind& sized = kContentKinds[0];
    const ContentKind& unsized = kContentKinds[1];
    const Row rows[] = {
        {"unnamed temporary", false, false, sized},
        {"named temporary", true, false, sized},
        {"hard-linked, in place", false, true, sized},
        {"unnamed temporary, unknown size", false, false, unsized},
        {"named temporary, unknown size", true, false, unsized},
        {"hard-linked, unknown size made beside", false, true, unsized},
        {"hard-linked, unknown size made in memory", true, true, unsized},
    };
    const std::string old(3000, 'o');
    const std::string content(5000, 'n');
    // Hands over the first 2000 bytes of the content, then fails.
    const FileContent::Producer failing = [&content](const FileContent::Sink& sink) {
        sink(Bytes(content).first(2000));
        throw std::runtime_error("no more content");
    };
    for (const bool producerFails : {false, true}) {
        for (const Row& row : rows) {
            if (producerFails && row.hardLinked && &row.kind == &sized) {
                continue;
            }
            SCOPED_TRACE(std::string(row.name) + (producerFails ? ", producer fails" : ", full"));
            fs::remove_all(folder_);
            fs::create_directory(folder_);
            const std::string path = Path("c.bmp");
            Write(path, old);
            if (row.hardLinked) {
                fs::create_hard_link(path, Path("d.bmp"));
            }
            // In a child process, with a file size limit of 1000 bytes for
            // the full disk.
            const std::string outcome = InChild([&] {
                safe_save_testing::UseNamedTemporaryOnly(row.namedOnly);
                if (producerFails) {
                    SaveFileSafely(path, &row.kind == &sized ? FileContent(5000, failing)
                                                             : FileContent(failing));
                    return;
                }
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{1000, 1000};
                setrlimit(RLIMIT_FSIZE, &limit);
                SaveFileSafely(path, row.kind.make(content));
            });
            EXPECT_EQ(outcome, producerFails ? "Stream write error: Input/output error"
                                             : "Stream write error: File too large");
            EXPECT_TRUE(Read(path) == old);
            EXPECT_EQ(Listing(), row.hardLinked ? (NameList{"c.bmp", "d.bmp"}) : NameList{"c.bmp"});
        }
    }
}

// What a save did, in order, as its seams saw it.
std::vector<std::string> saveSteps;

// The data is on the disk before the new file takes the old one's place, and
// before a save in place reports success, whichever way the save writes.
TEST_F(SafeSave, DataReachesTheDiskBeforeTheFileIsInPlace) {
    safe_save_testing::SetSyncHook([] { saveSteps.push_back("synced"); });
    safe_save_testing::SetAfterWriteHook([](const char*) { saveSteps.push_back("put in place"); });
    const struct {
        const char* name;
        bool namedOnly;
        bool otherName;  // a hard link: the file is written in place
        std::vector<std::string> steps;
    } rows[] = {
        {"unnamed temporary", false, false, {"synced", "put in place"}},
        {"named temporary", true, false, {"synced", "put in place"}},
        {"in place, with a second name", false, true, {"synced"}},
    };
    for (const auto& row : rows) {
        Write(Path("s.txt"), "old");
        if (row.otherName) {
            ASSERT_EQ(link(Path("s.txt").c_str(), Path("other.txt").c_str()), 0);
        }
        safe_save_testing::UseNamedTemporaryOnly(row.namedOnly);
        saveSteps.clear();
        SaveFileSafely(Path("s.txt"), Bytes("new content"));
        EXPECT_EQ(saveSteps, row.steps) << row.name;
        EXPECT_EQ(Read(Path("s.txt")), "new content") << row.name;
        fs::remove(Path("other.txt"));
    }
}

// What the hook saw: the path it was given and the folder's names then.
std::string seenTemporary;
NameList seenNames;
fs::path hookFolder;

TEST_F(SafeSave, TheTemporaryFileHasNoNameWhileItIsWritten) {
    const int probe = open(folder_.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) {
        GTEST_SKIP() << "the file system of /tmp has no unnamed files: " << ReasonText(errno);
    }
    close(probe);
    hookFolder = folder_;
    safe_save_testing::SetAfterWriteHook([](const char* temporary) {
        seenTemporary = temporary;
        seenNames = NamesIn(hookFolder);
    });
    Write(Path("t.txt"), "old");
    for (const Scheme& scheme : kSchemes) {
        safe_save_testing::UseNamedTemporaryOnly(scheme.namedOnly);
        seenNames.clear();
        SaveFileSafely(Path("t.txt"), Bytes("new"));
        if (scheme.namedOnly) {
            // The check can see a temporary file that has a name.
            ASSERT_FALSE(seenTemporary.empty());
            EXPECT_EQ(seenNames, (NameList{fs::path(seenTemporary).filename().string(), "t.txt"}));
        } else {
            EXPECT_EQ(seenTemporary, "");
            EXPECT_EQ(seenNames, NameList{"t.txt"});
        }
        EXPECT_EQ(Listing(), NameList{"t.txt"}) << scheme.name;
    }
}

// The signal the hook raises, and whether the test's own handler ran.
int signalToRaise = 0;
volatile std::sig_atomic_t ownHandlerRan = 0;

TEST_F(SafeSave, SIGINTOrSIGTERMDuringANamedSaveRemovesTheTemporaryFile) {
    const std::string path = Path("big.bmp");
    Write(path, "old");
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        signalToRaise = signalNumber;
        const std::string outcome = InChild([&] {
            // A process started with the signal ignored would not be ended by it.
            struct sigaction current {};
            sigaction(signalNumber, nullptr, &current);
            if (current.sa_handler == SIG_IGN) {
                std::signal(signalNumber, SIG_DFL);
            }
            safe_save_testing::UseNamedTemporaryOnly(true);
            safe_save_testing::SetAfterWriteHook([](const char* temporary) {
                if (access(temporary, F_OK) != 0) {
                    _exit(7);  // the hook must come while the file exists
                }
                raise(signalToRaise);
            });
            SaveFileSafely(path, Bytes(std::string(1 << 20, 'n')));
        });
        EXPECT_EQ(outcome, "signal " + std::to_string(signalNumber));
        EXPECT_EQ(Read(path), "old");
        EXPECT_EQ(Listing(), NameList{"big.bmp"}) << strsignal(signalNumber);
    }
}

TEST_F(SafeSave, ASignalTheProgramIgnoresOrHandlesStaysItsOwn) {
    const std::string path = Path("kept.bmp");
    struct Row {
        const char* name;
        int signalNumber;
        void (*disposition)(int);
    };
    const Row rows[] = {{"ignored SIGINT", SIGINT, SIG_IGN},
                        {"handled SIGTERM", SIGTERM, [](int) { ownHandlerRan = 1; }}};
    for (const Row& row : rows) {
        Write(path, "old");
        signalToRaise = row.signalNumber;
        const std::string outcome = InChild([&] {
            ownHandlerRan = 0;
            std::signal(row.signalNumber, row.disposition);
            safe_save_testing::UseNamedTemporaryOnly(true);
            safe_save_testing::SetAfterWriteHook([](const char*) { raise(signalToRaise); });
            SaveFileSafely(path, Bytes("new"));
            if (row.disposition != SIG_IGN && ownHandlerRan == 0) {
                throw std::runtime_error("the program's handler did not run");
            }
        });
        EXPECT_EQ(outcome, "saved") << row.name;
        EXPECT_EQ(Read(path), "new") << row.name;
        EXPECT_EQ(Listing(), NameList{"kept.bmp"}) << row.name;
    }
}

TEST(ReasonText, DropsTrailingBlanksAndDots) {
    EXPECT_EQ(ReasonText(ENOENT), "No such file or directory");
    EXPECT_EQ(ReasonText(EISDIR), "Is a directory");
}

}  // namespace
}  // namespace parabel

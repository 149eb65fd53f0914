#include "io/safe_save.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/file_errors.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

namespace fs = std::filesystem;

class SafeSave : public testing::TempFolderTest {
  protected:
    static std::span<const std::uint8_t> Bytes(const std::string& text) {
        return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
    }
    // Nothing but the listed files is left in the folder (no temporary file).
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }
};

TEST_F(SafeSave, CreatesAndReplacesWholly) {
    const std::string path = Path("a.txt");
    SaveFileSafely(path, Bytes("a long first content"));
    EXPECT_EQ(Read(path), "a long first content");
    SaveFileSafely(path, Bytes("short"));
    EXPECT_EQ(Read(path), "short");
    SaveFileSafely(path, Bytes(""));
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(SafeSave, KeepsThePermissionsOfTheReplacedFile) {
    const std::string path = Path("b.txt");
    Write(path, "old");
    chmod(path.c_str(), 0640);
    SaveFileSafely(path, Bytes("new"));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeSave, ReplacesTheTargetOfASymbolicLink) {
    const std::string target = Path("target.txt");
    const std::string link = Path("link.txt");
    Write(target, "old");
    fs::create_symlink(target, link);
    SaveFileSafely(link, Bytes("new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), "new");
}

TEST_F(SafeSave, FilesThatCannotBeCreated) {
    Write(Path("plain"), "a file");
    fs::create_directory(Path("folder"));
    const std::pair<std::string, std::string> rows[] = {
        {Path("missing/x.bmp"), "No such file or directory"},
        {Path("plain/x.bmp"), "Not a directory"},
        {Path("folder"), "Is a directory"},
    };
    for (const auto& [path, reason] : rows) {
        try {
            SaveFileSafely(path, Bytes("data"));
            ADD_FAILURE() << path;
        } catch (const EFCreateError& error) {
            EXPECT_EQ(error.what(), "Cannot create file \"" + path + "\". " + reason);
        }
    }
    EXPECT_EQ(Read(Path("plain")), "a file");
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(SafeSave, AWriteThatRunsOutOfSpaceLeavesTheOldFile) {
    const std::string path = Path("c.bmp");
    const std::string old(3000, 'o');
    Write(path, old);
    // In a child process with a file size limit of 1000 bytes.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            SaveFileSafely(path, Bytes(std::string(5000, 'n')));
        } catch (const EWriteError& error) {
            _exit(std::string(error.what()) == "Stream write error" ? 42 : 1);
        } catch (...) {
            _exit(2);
        }
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 42);
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST(ReasonText, DropsTrailingBlanksAndDots) {
    EXPECT_EQ(ReasonText(ENOENT), "No such file or directory");
    EXPECT_EQ(ReasonText(EISDIR), "Is a directory");
}

}  // namespace
}  // namespace parabel

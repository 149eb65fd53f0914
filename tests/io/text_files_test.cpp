#include "io/text_files.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/file_errors.h"
#include "io/settings.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

namespace fs = std::filesystem;

using TextFiles = testing::TempFolderTest;

TEST_F(TextFiles, ExistenceCountsEveryEntryButFolders) {
    Write(Path("file"), "x");
    fs::create_directory(Path("folder"));
    fs::create_symlink(Path("nowhere"), Path("dangling"));
    mkfifo(Path("fifo").c_str(), 0600);
    // Dates outside 1980 .. 2107 do not matter.
    Write(Path("old"), "x");
    fs::last_write_time(Path("old"),
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 60));
    EXPECT_TRUE(IsExistingFile(Path("file")));
    EXPECT_TRUE(IsExistingFile(Path("fifo")));
    EXPECT_TRUE(IsExistingFile(Path("old")));
    EXPECT_FALSE(IsExistingFile(Path("folder")));
    EXPECT_FALSE(IsExistingFile(Path("dangling")));
    EXPECT_FALSE(IsExistingFile(Path("missing")));
    EXPECT_FALSE(IsExistingFile(""));
}

TEST_F(TextFiles, SavedLinesLoadBack) {
    SaveLinesFile(Path("s.txt"), {"x^2-5x+6=0", "Решение"});
    EXPECT_EQ(Read(Path("s.txt")), "x^2-5x+6=0\r\n\xD0\xE5\xF8\xE5\xED\xE8\xE5\r\n");
    EXPECT_EQ(ReadFirstLine(Path("s.txt"), 100), "x^2-5x+6=0");
    SaveLinesFile(Path("empty.txt"), {});
    EXPECT_EQ(Read(Path("empty.txt")), "");
    EXPECT_EQ(ReadFirstLine(Path("empty.txt"), 100), std::nullopt);
}

TEST_F(TextFiles, FirstLineOfEndlessOrHugeSources) {
    EXPECT_EQ(ReadFirstLine("/dev/zero", 100), std::nullopt);  // NUL first
    mkfifo(Path("fifo").c_str(), 0600);
    EXPECT_EQ(ReadFirstLine(Path("fifo"), 100), std::nullopt);  // no writer: nothing, no stall
    Write(Path("huge"), std::string(100000, '7'));
    EXPECT_EQ(ReadFirstLine(Path("huge"), 40007)->size(), 40007u);
}

TEST_F(TextFiles, FilesThatCannotBeOpened) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = Path("socket");
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    try {
        ReadFirstLine(socketPath, 100);
        ADD_FAILURE();
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.what(),
                  "Cannot open file \"" + socketPath + "\". No such device or address");
    }
    close(fd);
    fs::create_directory(Path("folder"));
    EXPECT_THROW(ReadFirstLine(Path("folder"), 100), FileOpenError);
    EXPECT_THROW(ReadFirstLine(Path("missing"), 100), FileOpenError);
}

TEST_F(TextFiles, SettingsColourText) {
    const std::string ini = Path("Inf.ini");
    EXPECT_EQ(ReadColorText(ini), "clRed");  // no file
    WriteColorText({ini}, "clRed");
    EXPECT_EQ(Read(ini), "[1]\r\nColor=clRed\r\n");
    Write(ini, "; mine\r\n[1]\r\nColor = \"clBlue\" \r\n");
    EXPECT_EQ(ReadColorText(ini), "clBlue");
    WriteColorText({ini}, "$00030201");
    EXPECT_EQ(Read(ini), "; mine\r\n[1]\r\nColor =$00030201\r\n");
    // A file an editor saved with a UTF-8 byte-order mark keeps its section and its mark.
    Write(ini, "\xEF\xBB\xBF[1]\r\nColor=clBlue\r\n");
    EXPECT_EQ(ReadColorText(ini), "clBlue");
    WriteColorText({ini}, "clLime");
    EXPECT_EQ(Read(ini), "\xEF\xBB\xBF[1]\r\nColor=clLime\r\n");
    try {
        WriteColorText({Path("missing/Inf.ini")}, "clRed");
        ADD_FAILURE();
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), "Unable to write to " + Path("missing/Inf.ini"));
    }
    EXPECT_NE(SettingsPathBesideProgram().find("/Inf.ini"), std::string::npos);
}

}  // namespace
}  // namespace parabel

#include "io/settings_location.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "io/settings.h"
#include "io/state_location.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

struct ChoiceRow {
    const char* folder;
    bool fileBeside;
    bool folderWritable;
    const char* xdg;
    const char* home;
    const char* expected;
    bool makesFolder;
};

TEST(ChooseSettingsLocation, BesideAPortableCopyElseTheConfigFolder) {
    // The folders installed programs run from, one written with a slash.
    const std::vector<std::string> systemFolders = {"/usr/bin", "/usr/local/bin/", "/opt/pb/bin"};
    const char* const xdgFile = "/x/org.parabel.Parabel/Inf.ini";
    const char* const homeFile = "/home/u/.config/org.parabel.Parabel/Inf.ini";
    const ChoiceRow rows[] = {
        // A copy elsewhere is portable when the file is there or it may write.
        {"/opt/p/", true, false, "/x", "/home/u", "/opt/p/Inf.ini", false},
        {"/opt/p/", false, true, "/x", "/home/u", "/opt/p/Inf.ini", false},
        {"/opt/p/", true, true, nullptr, nullptr, "/opt/p/Inf.ini", false},
        {"/usr/bin/sub/", false, true, "/x", "/home/u", "/usr/bin/sub/Inf.ini", false},
        {"/usr/", true, true, "/x", "/home/u", "/usr/Inf.ini", false},
        // ... else it uses the configuration folder, if there is one.
        {"/opt/p/", false, false, "/x", "/home/u", xdgFile, true},
        {"/opt/p/", false, false, "/x/", "/home/u", xdgFile, true},
        {"/opt/p/", false, false, nullptr, "/home/u", homeFile, true},
        {"/opt/p/", false, false, "", "/home/u", homeFile, true},
        {"/opt/p/", false, false, "rel/dir", "/home/u", homeFile, true},
        {"/opt/p/", false, false, nullptr, nullptr, "/opt/p/Inf.ini", false},
        {"/opt/p/", false, false, nullptr, "relative", "/opt/p/Inf.ini", false},
        // An installed copy is never portable: not for root, who may write
        // its folder, nor when a file already lies beside it.
        {"/usr/bin/", false, true, "/x", "/home/u", xdgFile, true},
        {"/usr/bin/", true, true, nullptr, "/root", "/root/.config/org.parabel.Parabel/Inf.ini",
         true},
        {"/usr/bin/", true, false, nullptr, "/home/u", homeFile, true},
        {"/usr/local/bin/", true, true, "/x", "/home/u", xdgFile, true},
        {"/opt/pb/bin/", false, true, nullptr, "/home/u", homeFile, true},
        // ... and without a home it has no settings file at all.
        {"/usr/bin/", true, true, nullptr, nullptr, "", false},
        {"/usr/local/bin/", false, false, "", "relative", "", false},
    };
    for (const ChoiceRow& row : rows) {
        SettingsFacts facts;
        facts.programFolder = row.folder;
        facts.systemFolders = systemFolders;
        facts.fileBesideProgram = row.fileBeside;
        facts.programFolderWritable = row.folderWritable;
        facts.xdgConfigHome = row.xdg;
        facts.home = row.home;
        const SettingsLocation location = ChooseSettingsLocation(facts);
        const std::string context = std::string(row.folder) + (row.fileBeside ? " file" : "") +
                                    (row.folderWritable ? " writable" : "") +
                                    " xdg=" + (row.xdg ? row.xdg : "(unset)");
        EXPECT_EQ(location.path, row.expected) << context;
        EXPECT_EQ(location.makesFolder, row.makesFolder) << context;
    }
}

TEST(ChooseStateFolder, TheXdgStateFolderElseTheHomes) {
    struct Row {
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Row rows[] = {
        {"/s", "/h", "/s/org.parabel.Parabel/"},
        {"/s/", "/h", "/s/org.parabel.Parabel/"},
        {nullptr, "/h", "/h/.local/state/org.parabel.Parabel/"},
        {"", "/h", "/h/.local/state/org.parabel.Parabel/"},
        {"relative", "/h", "/h/.local/state/org.parabel.Parabel/"},
        {nullptr, nullptr, ""},
        {"relative", "also-relative", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ChooseStateFolder(row.xdg, row.home), row.expected)
            << (row.xdg ? row.xdg : "(unset)");
    }
}

TEST(WriteColorText, ALocationWithoutAPathIsNotWritten) {
    try {
        WriteColorText(SettingsLocation{}, "clBlue");
        FAIL() << "written without a path";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Unable to write the settings: no home folder to keep them in");
    }
}

class SettingsAsAUser : public testing::TempFolderTest {
  protected:
    static constexpr uid_t kNobody = 65534;

    // Runs `check` in a child process as the unprivileged user `nobody`; its
    // return value is the child's exit status (0: held).
    static int AsNobody(const std::function<int()>& check) {
        const pid_t child = fork();
        if (child == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(90);
            }
            _exit(check());
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 91;
    }

    void SetUp() override {
        TempFolderTest::SetUp();
        if (geteuid() != 0) {
            GTEST_SKIP() << "needs root to drop to an ordinary user; as an ordinary user the "
                            "program's own folder decides by itself";
        }
        // The test program's folder belongs to root: nobody may not write it.
        ASSERT_NE(access(SettingsPathBesideProgram().c_str(), F_OK), 0)
            << "remove the Inf.ini beside the test program";
        chmod(folder_.c_str(), 0777);
    }
};

TEST_F(SettingsAsAUser, TheRootOfTheBuildKeepsItsSettingsBesideTheProgram) {
    const SettingsLocation location = FindSettingsLocation();
    EXPECT_EQ(location.path, SettingsPathBesideProgram());
    EXPECT_FALSE(location.makesFolder);
}

TEST_F(SettingsAsAUser, AnInstalledProgramKeepsTheColourInTheConfigFolder) {
    const std::string config = Path("config");
    const int status = AsNobody([&] {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        const SettingsLocation location = FindSettingsLocation();
        if (location.path != config + "/org.parabel.Parabel/Inf.ini") {
            return 1;
        }
        if (ReadColorText(location.path) != "clRed") {
            return 2;  // nothing written yet: the default
        }
        WriteColorText(location, "clBlue");
        // A later run finds it again.
        return ReadColorText(FindSettingsLocation().path) == "clBlue" ? 0 : 3;
    });
    EXPECT_EQ(status, 0);
    struct stat info;
    ASSERT_EQ(stat((config + "/org.parabel.Parabel").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, kNobody);
}

TEST_F(SettingsAsAUser, WithoutXdgConfigHomeTheHomesConfigFolderServes) {
    const std::string home = Path("home");
    const int status = AsNobody([&] {
        unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", home.c_str(), 1);
        const SettingsLocation location = FindSettingsLocation();
        WriteColorText(location, "clLime");
        return location.path == home + "/.config/org.parabel.Parabel/Inf.ini" &&
                       ReadColorText(location.path) == "clLime"
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(SettingsAsAUser, AnUnwritableConfigFolderFailsWithTheMessageAndKeepsTheFile) {
    const std::string config = Path("locked");
    mkdir(config.c_str(), 0755);  // root's: nobody may not write here
    mkdir((config + "/org.parabel.Parabel").c_str(), 0755);
    Write(config + "/org.parabel.Parabel/Inf.ini", "[1]\r\nColor=clBlue\r\n");
    const int status = AsNobody([&] {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        const SettingsLocation location = FindSettingsLocation();
        try {
            WriteColorText(location, "clLime");
        } catch (const std::runtime_error& error) {
            return std::string(error.what()) == "Unable to write to " + location.path ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Read(config + "/org.parabel.Parabel/Inf.ini"), "[1]\r\nColor=clBlue\r\n");

    // A folder that cannot even be made fails the same way.
    const int missing = AsNobody([&] {
        setenv("XDG_CONFIG_HOME", (config + "/sub").c_str(), 1);
        try {
            WriteColorText(FindSettingsLocation(), "clLime");
        } catch (const std::runtime_error& error) {
            return std::string(error.what()).rfind("Unable to write to ", 0) == 0 ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(missing, 0);
}

}  // namespace
}  // namespace parabel

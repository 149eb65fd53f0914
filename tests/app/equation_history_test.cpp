// The equation history: what is remembered and in which order, the text it
// is kept as, what counts as damaged, the walk of Up and Down, and the file
// of the user's state folder, which windows open at once share and which a
// damaged or unreadable file does not spoil.
#include "app/equation_history.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "app/history_store.h"
#include "app/main_window_model.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

using Equations = std::vector<std::string>;

EquationHistory Remembered(const Equations& solved) {
    EquationHistory history;
    for (const std::string& equation : solved) {
        history.Remember(equation);
    }
    return history;
}

TEST(EquationHistory, NewestFirstEachOnceAtMostFifty) {
    EXPECT_EQ(Remembered({"x^2=0", "x^2-4=0", "x^2=0"}).equations(),
              (Equations{"x^2=0", "x^2-4=0"}));
    EquationHistory history = Remembered({"a", "b"});
    EXPECT_FALSE(history.Remember("b"));  // first already: nothing to write
    EXPECT_FALSE(history.Remember(""));
    EXPECT_FALSE(history.Remember("x^2\n-4=0"));  // would not stand on one line
    EXPECT_TRUE(history.Remember("a"));
    EXPECT_EQ(history.equations(), (Equations{"a", "b"}));

    Equations many;
    for (int i = 0; i < 60; ++i) {
        many.push_back(std::to_string(i) + "x^2=0");
    }
    const EquationHistory full = Remembered(many);
    ASSERT_EQ(full.equations().size(), EquationHistory::kMaxEquations);
    EXPECT_EQ(full.equations().front(), "59x^2=0");
    EXPECT_EQ(full.equations().back(), "10x^2=0");
    // Its text reads back as the same history.
    EXPECT_EQ(EquationHistory::FromText(full.Text())->equations(), full.equations());
}

TEST(EquationHistory, ADamagedTextIsNoHistory) {
    struct Row {
        const char* what;
        std::string text;
        std::optional<Equations> read;
    };
    const std::string fifty = Remembered([] {
                                  Equations many;
                                  for (int i = 0; i < 50; ++i) {
                                      many.push_back(std::to_string(i));
                                  }
                                  return many;
                              }())
                                  .Text();
    const Row rows[] = {
        {"none yet", "", Equations{}},
        {"two lines", "x^2-5x+6=0\n-x^2+4=0\n", Equations{"x^2-5x+6=0", "-x^2+4=0"}},
        {"Cyrillic and Windows-1251 signs", "х^2+€=0\n", Equations{"х^2+€=0"}},
        {"fifty", fifty, Equations{}},  // checked by size below
        {"fifty-one", fifty + "x^2\n", std::nullopt},
        {"the last line cut short", "x^2=0\nx^2-4", std::nullopt},
        {"an empty line", "x^2=0\n\nx^2-4=0\n", std::nullopt},
        {"a line the field would change", "X^2=0\n", std::nullopt},
        {"a character the field cannot hold", "x\u2713\n", std::nullopt},
        {"broken UTF-8", "x^2\xFF\n", std::nullopt},
        {"a Windows line end", "x^2=0\r\n", std::nullopt},
        {"twice the same", "x^2=0\nx^2=0\n", std::nullopt},
        {"NUL", std::string("x^2\0\n", 5), std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<EquationHistory> read = EquationHistory::FromText(row.text);
        EXPECT_EQ(read.has_value(), row.read.has_value()) << row.what;
        if (read && row.text != fifty) {
            EXPECT_EQ(read->equations(), *row.read) << row.what;
        }
    }
    EXPECT_EQ(EquationHistory::FromText(fifty)->equations().size(), 50u);
}

TEST(HistoryWalk, UpOlderDownNewerAndBackToWhatWasTyped) {
    const EquationHistory history = Remembered({"c", "b", "a"});  // newest first: a b c
    HistoryWalk walk;
    EXPECT_EQ(walk.Newer(history), std::nullopt);  // not walking: Down does nothing
    EXPECT_EQ(walk.Older(history, "typed"), "a");
    EXPECT_EQ(walk.Older(history, "a"), "b");
    EXPECT_EQ(walk.Older(history, "b"), "c");
    EXPECT_EQ(walk.Older(history, "c"), std::nullopt);  // the oldest stays
    EXPECT_EQ(walk.Newer(history), "b");
    EXPECT_EQ(walk.Newer(history), "a");
    EXPECT_EQ(walk.Newer(history), "typed");
    EXPECT_FALSE(walk.walking());
    EXPECT_EQ(walk.Newer(history), std::nullopt);
    // An edit ends the walk: Up starts again from the newest.
    walk.Older(history, "typed");
    walk.End();
    EXPECT_EQ(walk.Older(history, "edited"), "a");
    EXPECT_EQ(walk.Newer(history), "edited");
    EXPECT_EQ(HistoryWalk().Older(EquationHistory(), "x"), std::nullopt);
}

using HistoryFileTest = testing::TempFolderTest;

TEST_F(HistoryFileTest, MadeWithAPrivateFolderAndReadBackUnlessUnreadable) {
    const std::string folder = Path("state/org.parabel.Parabel/");
    HistoryFile file(folder);
    EXPECT_EQ(file.Read(), std::nullopt);  // none yet
    file.Write("x^2=0\n");
    EXPECT_EQ(file.Read(), "x^2=0\n");
    EXPECT_EQ(Read(folder + "history"), "x^2=0\n");
    struct stat info;
    ASSERT_EQ(stat(Path("state").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // Too long to be a history of ours, or no file at all: none.
    Write(folder + "history", std::string(4 * 1024 * 1024, 'x'));
    EXPECT_EQ(file.Read(), std::nullopt);
    std::filesystem::remove(folder + "history");
    std::filesystem::create_directory(folder + "history");
    EXPECT_EQ(file.Read(), std::nullopt);
    // A history that cannot be written is no error of a command.
    file.Write("x^2=0\n");
    EXPECT_EQ(HistoryFile("").Read(), std::nullopt);
}

// A window of the program over the history file of `folder`, as started.
struct StateWindow {
    explicit StateWindow(const std::string& folder) : file(folder) { model.ReadHistory(); }
    SettingsText settings;
    HistoryFile file;
    MainWindowModel model{"Parabel", settings, file};
};

TEST_F(HistoryFileTest, WindowsOpenAtOnceKeepEachOthersEquations) {
    struct Row {
        const char* what;
        std::vector<std::pair<int, const char*>> solved;  // by window 0 or 1; "" clears
        std::string kept;
        std::size_t firstWindowShows;  // how many equations, after all
    };
    std::vector<std::pair<int, const char*>> sixty;
    static const std::vector<std::string> equations = [] {
        std::vector<std::string> many;
        for (int i = 0; i < 60; ++i) {
            many.push_back(std::to_string(i + 1) + "x^2");
        }
        return many;
    }();
    for (int i = 0; i < 60; ++i) {
        sixty.emplace_back(i % 2, equations[static_cast<std::size_t>(i)].c_str());
    }
    std::string newestFifty;
    for (int i = 60; i > 10; --i) {
        newestFifty += std::to_string(i) + "x^2=0\n";
    }
    const Row rows[] = {
        {"in turn",
         {{0, "x^2-1"}, {1, "x^2-2"}, {0, "x^2-3"}, {1, "x^2-4"}},
         "x^2-4=0\nx^2-3=0\nx^2-2=0\nx^2-1=0\n",
         3},
        {"one solved again moves first",
         {{0, "x^2-1"}, {1, "x^2-2"}, {0, "x^2-2"}},
         "x^2-2=0\nx^2-1=0\n",
         2},
        {"a clear in one window clears for both",
         {{0, "x^2-1"}, {1, ""}, {0, "x^2-3"}},
         "x^2-3=0\n",
         1},
        {"the newest fifty of both", sixty, newestFifty, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all(Path("state"));
        StateWindow windows[2]{StateWindow(Path("state/")), StateWindow(Path("state/"))};
        for (const auto& [window, equation] : row.solved) {
            if (*equation == '\0') {
                windows[window].model.ClearHistory();
            } else {
                windows[window].model.Solve(equation);
            }
        }
        EXPECT_EQ(Read(Path("state/history")), row.kept);
        EXPECT_EQ(windows[0].model.history().size(), row.firstWindowShows);
    }
}

// Runs `action` in a child process with umask 022, as the user nobody,
// owner of everything in `tree`, when the test runs as root (whom no
// permission stops), and gives what it wrote to the standard error.
std::string StandardErrorOfChild(const std::filesystem::path& tree,
                                 const std::function<void()>& action) {
    constexpr uid_t kNobody = 65534;
    int channel[2];
    if (pipe(channel) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDERR_FILENO);
        close(channel[0]);
        umask(022);
        if (geteuid() == 0) {
            lchown(tree.c_str(), kNobody, kNobody);
            for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
                lchown(entry.path().c_str(), kNobody, kNobody);
            }
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(2);
            }
        }
        action();
        _exit(0);
    }
    close(channel[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "child failed";
}

TEST_F(HistoryFileTest, ADamagedOrUnreadableFileIsLeftAsideAndReplaced) {
    struct Row {
        const char* what;
        std::function<void(const std::string& history)> make;
        const char* copy;  // the name it is kept aside as; "" when it stays
        std::string told;  // on the standard error, after "parabel: the equation history "
        std::optional<std::string> kept;  // after two solves; nothing: the link stays
    };
    const auto file = [](std::string bytes, mode_t mode) {
        return [bytes, mode](const std::string& history) {
            Write(history, bytes);
            chmod(history.c_str(), mode);
        };
    };
    const auto link = [](const char* target) {
        return [target](const std::string& history) { symlink(target, history.c_str()); };
    };
    const std::string both = "x^2-4=0\nx^2-1=0\n";
    const Row rows[] = {
        {"damaged", file("x^2=0\n\xFF\n", 0600), "history.damaged",
         "is damaged (not one equation a line)", both},
        {"too long", file(std::string(4 * 1024 * 1024, 'x'), 0644), "history.damaged",
         "is damaged (longer than any history)", both},
        {"no permission", file("x^2=0\n", 0), "history.unreadable",
         "is unreadable (Permission denied)", both},
        {"a loop of links", link("history"), "history.unreadable",
         "is unreadable (Too many levels of symbolic links)", both},
        {"whole, and read-only", file("x^2=0\n", 0400), "", "", "x^2-4=0\nx^2-1=0\nx^2=0\n"},
        {"a link to a full disk", link("/dev/full"), "",
         "cannot be kept in HISTORY: Stream write error (No space left on device)", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all(Path("state"));
        std::filesystem::create_directory(Path("state"));
        const std::string history = Path("state/history");
        const std::string copy = Path(std::string("state/") + row.copy);
        row.make(history);
        struct stat before {};
        lstat(history.c_str(), &before);
        const std::string told = StandardErrorOfChild(folder_, [&] {
            StateWindow window(Path("state/"));
            window.model.Solve("x^2-1");
            window.model.Solve("x^2-4");
        });
        std::string expected;  // said once, for two solves
        if (*row.copy != '\0') {
            expected = "parabel: the equation history " + history + " " + row.told + ": kept as " +
                       copy + ", a new one begun\n";
            struct stat aside {};
            EXPECT_EQ(lstat(copy.c_str(), &aside), 0);
            EXPECT_EQ(aside.st_ino, before.st_ino);  // the very file, its bytes and mode
            struct stat now {};
            EXPECT_EQ(stat(history.c_str(), &now), 0);
            EXPECT_EQ(now.st_mode & 0777, 0644u);  // the usual, with umask 022
        } else if (!row.told.empty()) {
            expected = "parabel: the equation history " + row.told + "\n";
            expected.replace(expected.find("HISTORY"), 7, history);
        }
        EXPECT_EQ(told, expected);
        if (row.kept) {
            EXPECT_EQ(Read(history), *row.kept);
        } else {
            struct stat after {};
            lstat(history.c_str(), &after);
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
    }
}

}  // namespace
}  // namespace parabel

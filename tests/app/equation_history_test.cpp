// The equation history: what is remembered and in which order, the text it
// is kept as, what counts as damaged, the walk of Up and Down, and the file
// of the user's state folder, which windows open at once share and which a
// damaged or unreadable file does not spoil.
#include "app/equation_history.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// While it lives: umask 022, and when the test runs as root (whom no
// permission stops), the effective user and group nobody, owner of
// everything in `tree`.
class AsUserNobody {
  public:
    explicit AsUserNobody(const std::filesystem::path& tree) : umask_(umask(022)) {
        if (geteuid() != 0) {
            return;
        }
        lchown(tree.c_str(), kNobody, kNobody);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
            lchown(entry.path().c_str(), kNobody, kNobody);
        }
        root_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }
    ~AsUserNobody() {
        if (root_) {
            seteuid(0);
            setegid(0);
        }
        umask(umask_);
    }

  private:
    static constexpr uid_t kNobody = 65534;
    mode_t umask_;
    bool root_ = false;
};

// A window of the program over the history file of `folder`, as started.
struct StateWindow {
    explicit StateWindow(const std::string& folder) : file(folder) { model.ReadHistory(); }
    SettingsText settings;
    HistoryFile file;
    MainWindowModel model{"Parabel", settings, file};
};

TEST_F(HistoryFileTest, WindowsOpenAtOnceKeepEachOthersEquations) {
    std::vector<std::string> sixty;
    std::string newestFifty;
    for (int i = 1; i <= 60; ++i) {
        sixty.push_back(std::to_string(i) + "x^2");
        newestFifty.insert(0, i > 10 ? sixty.back() + "=0\n" : "");
    }
    // Solved by two windows in turn ("" clears), and the history kept then.
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"x^2-1", "x^2-2", "x^2-3", "x^2-4"}, "x^2-4=0\nx^2-3=0\nx^2-2=0\nx^2-1=0\n"},
        {{"x^2-1", "", "x^2-3"}, "x^2-3=0\n"},
        {sixty, newestFifty},
    };
    for (const auto& [solved, kept] : rows) {
        std::filesystem::remove_all(Path("state"));
        StateWindow windows[2]{StateWindow(Path("state/")), StateWindow(Path("state/"))};
        for (std::size_t i = 0; i < solved.size(); ++i) {
            MainWindowModel& model = windows[i % 2].model;
            solved[i].empty() ? model.ClearHistory() : void(model.Solve(solved[i]));
        }
        EXPECT_EQ(Read(Path("state/history")), kept);
        EXPECT_EQ(windows[(solved.size() - 1) % 2].model.history().size(),
                  static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '\n')));
    }
}

TEST_F(HistoryFileTest, ADamagedOrUnreadableFileIsLeftAsideAndReplaced) {
    struct Row {
        std::function<void(const std::string& history)> make;
        std::string copy;    // what it is kept aside as, history.<copy>; "" when it stays
        std::string reason;  // told on the standard error
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
        {file("x^2=0\n\xFF\n", 0600), "damaged", "not one equation a line", both},
        {file(std::string(4 * 1024 * 1024, 'x'), 0644), "damaged", "longer than any history", both},
        {file("x^2=0\n", 0), "unreadable", "Permission denied", both},
        {link("history"), "unreadable", "Too many levels of symbolic links", both},
        {file("x^2=0\n", 0400), "", "", both + "x^2=0\n"},  // whole, and read-only
        {link("/dev/full"), "", "No space left on device", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        std::filesystem::remove_all(Path("state"));
        std::filesystem::create_directory(Path("state"));
        const std::string history = Path("state/history");
        row.make(history);
        struct stat before {};
        lstat(history.c_str(), &before);
        ::testing::internal::CaptureStderr();
        {
            // As a user whom permissions stop, not root; new files as usual.
            const AsUserNobody nobody(folder_);
            StateWindow window(Path("state/"));
            window.model.Solve("x^2-1");
            window.model.Solve("x^2-4");
        }
        // Told once, for two solves.
        const std::string told =
            "parabel: the equation history " +
            (row.copy.empty()
                 ? "cannot be kept in " + history + ": Stream write error (" + row.reason + ")"
                 : history + " is " + row.copy + " (" + row.reason + "): kept as " + history + "." +
                       row.copy + ", a new one begun") +
            "\n";
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), row.reason.empty() ? "" : told);
        struct stat aside {};
        if (!row.copy.empty()) {  // the very file, its bytes and mode
            EXPECT_TRUE(lstat((history + "." + row.copy).c_str(), &aside) == 0 &&
                        aside.st_ino == before.st_ino);
        }
        struct stat now {};
        if (row.kept) {
            EXPECT_EQ(Read(history), *row.kept);
            stat(history.c_str(), &now);
            EXPECT_EQ(now.st_mode & 0777, row.copy.empty() ? before.st_mode & 0777 : 0644);
        } else {
            EXPECT_TRUE(lstat(history.c_str(), &now) == 0 && now.st_ino == before.st_ino);
        }
    }
}

}  // namespace
}  // namespace parabel

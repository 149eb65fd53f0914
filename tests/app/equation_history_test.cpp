// The equation history: what is remembered and in which order, the text it
// is kept as, what counts as damaged, the walk of Up and Down, and the file
// of the user's state folder.
#include "app/equation_history.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "app/history_store.h"
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

}  // namespace
}  // namespace parabel

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/equation_field.h"
#include "support/comma_locale.h"
#include "support/run_program.h"

namespace parabel {
namespace {

using testing::RunProgram;

const std::string kSep = "__________________________";

// One equation of each case, solved in English: the worked solution, or the
// message on standard error.
TEST(CliLanguage, SolvesInEnglish) {
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const std::string tooLong = "x^2+" + std::string(kEquationFieldMaxLength, '1');
    const Row rows[] = {
        {{"solve", "x^2+1"},
         0,
         "x^2+1=0\nSolution\n" + kSep + "\nD=(0)^2-4*(1)*(1)=-4\nD<0 - No roots.\n" + kSep +
             "\nAnswer: No roots.\n\n",
         ""},
        {{"solve", "x^2+2x+1"},
         0,
         "x^2+2x+1=0\nSolution\n" + kSep + "\nD=(2)^2-4*(1)*(1)=0\nD=0 - One root.\n" +
             "x=(-2)/(2*(1))=-1\n" + kSep + "\nAnswer: -1\n\n",
         ""},
        {{"solve", "x^2-5x+6"},
         0,
         "x^2-5x+6=0\nSolution\n" + kSep + "\nD=(-5)^2-4*(1)*(6)=1\nD>0 - Two roots.\n" +
             "x(1,2)=((5)±(1^(1/2)))/(2*(1))\nx(1)=3\nx(2)=2\n" + kSep +
             "\nAnswer: x(1)=3 ; x(2)=2\n\n",
         ""},
        {{"solve", "5+3"},
         1,
         "",
         "The equation is not of the form ax^2+bx+c, where\n a - any number other than 0\n"
         " b - any number\n c - any number\n"},
        {{"solve", "5x+3"}, 1, "", "A coefficient is written in a form that cannot be read.\n"},
        {{"solve", tooLong},
         1,
         "",
         "An equation longer than 10000 characters does not fit in the equation field.\n"},
        {{"plot", "5x+3", "--trace"},
         1,
         "",
         "A coefficient is written in a form that cannot be read.\n"},
        // The saved file: ASCII, CR LF.
        {{"solve", "--saved", "x^2+1"},
         0,
         "x^2+1=0\r\nSolution\r\n" + kSep + "\r\nD=(0)^2-4*(1)*(1)=-4\r\nD<0 - No roots.\r\n" +
             kSep + "\r\nAnswer: No roots.\r\n",
         ""},
        {{"solve", "--json", "5x+3"},
         1,
         "{\"input\":\"5x+3\",\"equation\":\"5x+3=0\",\"lines\":[\"5x+3=0\"],\"error\":{\"kind\":"
         "\"conversion\",\"message\":\"A coefficient is written in a form that cannot be "
         "read.\"}}\n",
         "A coefficient is written in a form that cannot be read.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[1].substr(0, 20));
        // Chosen before the command or after it, in a locale name or a code.
        for (const auto& args : {std::vector<std::string>{"--language", "en"},
                                 std::vector<std::string>{"--language=en_GB.UTF-8"}}) {
            std::vector<std::string> all = args;
            all.insert(all.end(), row.args.begin(), row.args.end());
            const auto before = RunProgram(PARABEL_CLI, all);
            EXPECT_EQ(before.status, row.status);
            EXPECT_EQ(before.out, row.out);
            EXPECT_EQ(before.err, row.err);
        }
        std::vector<std::string> after = row.args;
        after.insert(after.begin() + 1, {"--language", "en"});
        EXPECT_EQ(RunProgram(PARABEL_CLI, after).out, row.out);
    }
}

// Without --language the first of the user's interface languages that the
// catalog has decides, else Russian; --language overrides them.
TEST(CliLanguage, FollowsTheEnvironmentUnlessChosen) {
    struct Row {
        std::vector<std::string> environment;
        std::vector<std::string> language;
        const char* title;
    };
    const Row rows[] = {
        {{"LC_ALL=C"}, {}, "Решение"},
        {{"LC_ALL=POSIX", "LANGUAGE=en"}, {}, "Решение"},
        {{"LC_ALL=", "LANG=de_DE.UTF-8"}, {}, "Решение"},
        {{"LC_ALL=", "LANG=en_GB.UTF-8"}, {}, "Solution"},
        {{"LC_ALL=", "LANG=ru_RU.UTF-8", "LANGUAGE=en:ru"}, {}, "Solution"},
        {{"LC_ALL=", "LANG=ru_RU.UTF-8", "LC_MESSAGES=en_US.UTF-8"}, {}, "Solution"},
        {{"LC_ALL=en_US.UTF-8"}, {}, "Solution"},
        {{"LC_ALL=", "LANG=de_DE.UTF-8", "LANGUAGE=de:en"}, {}, "Solution"},
        {{"LC_ALL=en_US.UTF-8"}, {"--language", "ru"}, "Решение"},
        {{"LC_ALL=C"}, {"--language", "EN"}, "Solution"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.environment.back());
        std::vector<std::string> args = row.language;
        args.insert(args.end(), {"solve", "x^2+1"});
        const auto result = RunProgram(PARABEL_CLI, args, "", row.environment);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out.substr(0, result.out.find('\n', 8)),
                  std::string("x^2+1=0\n") + row.title);
    }
}

// A language the program does not offer is a bad argument; the help and the
// messages about arguments stay English in every language.
TEST(CliLanguage, RefusesAnUnknownLanguage) {
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    const Row rows[] = {
        {{"--language", "de", "solve", "x^2"}, "unknown language \"de\" (--language takes ru, en)"},
        {{"solve", "x^2", "--language=x-pseudo"}, "unknown language \"x-pseudo\""},
        {{"--language=", "solve"}, "unknown language \"\""},
        {{"solve", "--language"}, "--language needs a language code (ru, en)"},
        {{"--language", "en", "solve", "--frobnicate"}, "unknown option --frobnicate"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.err);
        const auto result = RunProgram(PARABEL_CLI, row.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(row.err), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"--language", "en", "--help"}).out,
              RunProgram(PARABEL_CLI, {"--help"}).out);
    // After "--" it is an equation, which fails as one.
    const auto operand = RunProgram(PARABEL_CLI, {"--language", "en", "solve", "--", "--language"});
    EXPECT_EQ(operand.status, 1);
    EXPECT_EQ(operand.err.rfind("The equation is not", 0), 0u) << operand.err;
}

}  // namespace
}  // namespace parabel

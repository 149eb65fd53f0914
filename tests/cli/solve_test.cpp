#include <gtest/gtest.h>

#include <string>

#include "app/equation_field.h"
#include "app/solve_and_draw.h"
#include "io/text_files.h"
#include "support/comma_locale.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

using testing::CommaLocalePath;
using testing::kCommaLocale;
using testing::RunProgram;

const std::string kSep = "__________________________";

const std::string kGoldenRatioSolution =
    "x^2+x-1=0\nРешение\n" + kSep +
    "\nD=(1)^2-4*(1)*(-1)=5\nD>0 - Два корня.\nx(1,2)=((-1)±(5^(1/2)))/(2*(1))\n"
    "x(1)=0.618033988749895\nx(2)=-1.61803398874989\n" +
    kSep + "\nОтвет: x(1)=0.618033988749895 ; x(2)=-1.61803398874989\n\n";

const char kFormMessage[] =
    "Уравнение не соответствует виду ax^2+bx+c, где\n a-любое число не равное 0\n"
    " b-любое число\n c-любое число\n";

TEST(CliSolve, PrintsTheSavedSolution) {
    const auto result = RunProgram(PARABEL_CLI, {"solve", "x^2+x-1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kGoldenRatioSolution);
    EXPECT_EQ(result.err, "");
}

TEST(CliSolve, ReadsLinesOfStandardInputInLowerCaseWithoutCarriageReturns) {
    const auto result = RunProgram(PARABEL_CLI, {"solve"}, "X^2+X-1\r\nx^2+1=0\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kGoldenRatioSolution + "x^2+1=0\nРешение\n" + kSep +
                              "\nD=(0)^2-4*(1)*(1)=-4\nD<0 - Корней нет.\n" + kSep +
                              "\nОтвет: Корней нет.\n\n");
}

TEST(CliSolve, FailuresGoToStandardErrorNamingTheirInputAndTheRestIsSolved) {
    const auto result = RunProgram(PARABEL_CLI, {"solve", "5+3", "5x+3", "x^2-5x+6"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, std::string("operand 1: ") + kFormMessage +
                              "operand 2: Коэффициент выражен в неприемлимом виде.\n");
    EXPECT_EQ(result.out.substr(0, 11), "x^2-5x+6=0\n");

    const auto lines = RunProgram(PARABEL_CLI, {"solve"}, "x^2-5x+6\nx^2+1\n5x+3\nx³\n");
    EXPECT_EQ(lines.status, 1);
    EXPECT_EQ(lines.err,
              "line 3: Коэффициент выражен в неприемлимом виде.\n"
              "line 4: Коэффициент выражен в неприемлимом виде.\n");

    const auto single = RunProgram(PARABEL_CLI, {"solve", "5x+3"});
    EXPECT_EQ(single.err, "Коэффициент выражен в неприемлимом виде.\n");
}

TEST(CliSolve, ValuesAreMachineReadable) {
    const auto result =
        RunProgram(PARABEL_CLI, {"solve", "--values", "x^2-5x+6", "x^2+1", "5+3", "1e-4000x^2+x"});
    EXPECT_EQ(result.status, 1);
    const std::string expected =
        "x^2-5x+6=0\nРешение\n" + kSep +
        "\nD=(-5)^2-4*(1)*(6)=1\nD>0 - Два корня.\nx(1,2)=((5)±(1^(1/2)))/(2*(1))\nx(1)=3\n"
        "x(2)=2\n" +
        kSep + "\nОтвет: x(1)=3 ; x(2)=2\nvalues: 1;-5;6;3;2\n\n" + "x^2+1=0\nРешение\n" + kSep +
        "\nD=(0)^2-4*(1)*(1)=-4\nD<0 - Корней нет.\n" + kSep +
        "\nОтвет: Корней нет.\nvalues: 1;0;1;2147483647;2147483647\n\n" + "5+3=0\nerror: form\n\n" +
        "1e-4000x^2+x=0\nРешение\n" + kSep +
        "\nD=(1)^2-4*(1E-4000)*(0)=1\nD>0 - Два корня.\nx(1,2)=((-1)±(1^(1/2)))/(2*(1E-4000))\n"
        "x(1)=0\nx(2)=-1E4000\n" +
        kSep + "\nОтвет: x(1)=0 ; x(2)=-1E4000\nerror: conversion\n\n";
    EXPECT_EQ(result.out, expected);
}

TEST(CliSolve, SeparatorFollowsTheLocale) {
    const std::string& locales = CommaLocalePath();
    ASSERT_FALSE(locales.empty()) << "no ru_RU locale sources: run scripts/setup";
    const std::vector<std::string> comma = {"LOCPATH=" + locales,
                                            std::string("LC_ALL=") + kCommaLocale};
    const auto withComma = RunProgram(PARABEL_CLI, {"solve", "--values", "x^2-0,25"}, "", comma);
    EXPECT_EQ(withComma.status, 0) << withComma.err;
    EXPECT_NE(withComma.out.find("x(1,2)=((0)±(1^(1/2)))/(2*(1))"), std::string::npos)
        << withComma.out;
    EXPECT_NE(withComma.out.find("values: 1;0;-0,25;0,5;-0,5\n"), std::string::npos)
        << withComma.out;
    // A point is no separator there.
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"solve", "x^2-0.25"}, "", comma).status, 1);
    // JSON numbers keep their point; the lines are as the program shows them.
    const auto json = RunProgram(PARABEL_CLI, {"solve", "--json", "x^2-0,25"}, "", comma).out;
    EXPECT_NE(json.find("\"D=(0)^2-4*(1)*(-0,25)=1\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"c\":\"-0.25\",\"discriminant\":\"1\",\"roots\":[\"0.5\",\"-0.5\"]"),
              std::string::npos)
        << json;

    const auto withPoint =
        RunProgram(PARABEL_CLI, {"solve", "--values", "x^2-0.25"}, "", {"LC_ALL=C"});
    EXPECT_EQ(withPoint.status, 0);
    EXPECT_NE(withPoint.out.find("values: 1;0;-0.25;0.5;-0.5\n"), std::string::npos)
        << withPoint.out;
}

TEST(CliSolve, BadInputGetsAClearMessage) {
    // With its "=0", as long as the field holds.
    const std::string longest = "x^2-5x+" + std::string(kEquationFieldMaxLength - 10, '0') + "6";
    struct Row {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string errPart;
    };
    const Row rows[] = {
        {{"solve", "--frobnicate"}, "", 2, "unknown option --frobnicate"},
        {{"frobnicate"}, "", 2, "unknown command frobnicate"},
        {{"settings", "x^2"}, "", 2, "settings: unexpected operand x^2"},
        {{"settings", "--frobnicate"}, "", 2, "unknown option --frobnicate"},
        {{}, "", 2, "Usage:"},
        // What the field cannot hold shows as "?", which no coefficient takes.
        {{"solve"}, std::string("x^2\0+1\n", 7), 1, "неприемлимом"},
        {{"solve"}, std::string("\xFF\xFE\x00\x01\n", 5), 1, "Уравнение не соответствует"},
        {{"solve"}, "x³+1\n", 1, "неприемлимом"},
        {{"solve"}, "x²−1\n", 0, ""},
        {{"solve"}, "", 0, ""},
        {{"solve"}, "\n", 1, "Уравнение не соответствует"},
        // Longer than the field holds: refused, never cut (x^2-5x+6 with 99,992 zeros).
        {{"solve"}, std::string(1 << 20, '7') + "x^2+1\n", 1, "line 1: Уравнение длиннее"},
        {{"solve", longest}, "", 0, ""},
        {{"solve", longest + "0"}, "", 1, "не помещается в поле уравнения"},
        {{"solve", "x^2-5x+" + std::string(99992, '0') + "6"}, "", 1, "не помещается"},
        {{"plot", "x^2-5x+" + std::string(99992, '0') + "6", "--trace"}, "", 1, "не помещается"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input.substr(0, 20));
        const auto result = RunProgram(PARABEL_CLI, row.args, row.input);
        EXPECT_EQ(result.status, row.status);
        EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
    }
}

using CliSolveSaved = testing::TempFolderTest;

// The file the program's save command writes after solving the equation.
std::string SavedByTheProgram(const std::string& path, const std::string& equation) {
    NullSurface panel;
    PlotState state;
    SaveLinesFile(path, SolveAndDraw(EquationFieldText(equation), panel, state).outcome.saved);
    return testing::ReadWholeFile(path);
}

TEST_F(CliSolveSaved, WritesTheBytesOfTheSaveCommand) {
    // Solved, no root, one root, a form and a conversion failure, a fault of
    // the plot after every line.
    const char* const equations[] = {"X^2+x-1", "x^2+1", "2x^2+4x+2", "5+3", "5x+3", "1e16x^2-1"};
    std::string all;
    for (const char* equation : equations) {
        SCOPED_TRACE(equation);
        const auto result = RunProgram(PARABEL_CLI, {"solve", "--saved", equation});
        const std::string file = SavedByTheProgram(Path("s.txt"), equation);
        EXPECT_EQ(result.out, file);
        all += file;
    }
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"solve", "--saved", "x^2+1"}).out,
              "x^2+1=0\r\n\xD0\xE5\xF8\xE5\xED\xE8\xE5\r\n" + kSep +
                  "\r\nD=(0)^2-4*(1)*(1)=-4\r\nD<0 - \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2."
                  "\r\n" +
                  kSep + "\r\n\xCE\xF2\xE2\xE5\xF2: \xCA\xEE\xF0\xED\xE5\xE9 \xED\xE5\xF2.\r\n");
    // Several equations: one file after the other; text the field cannot hold
    // gives the equation line as the field shows it.
    std::string input;
    const std::string marked = SavedByTheProgram(Path("s.txt"), "x?");
    all.clear();
    for (const char* equation : equations) {
        input += std::string(equation) + "\nx³\n";
        all += SavedByTheProgram(Path("s.txt"), equation) + marked;
    }
    const auto several = RunProgram(PARABEL_CLI, {"solve", "--saved"}, input);
    EXPECT_EQ(several.status, 1);
    EXPECT_EQ(several.out, all);
}

TEST(CliSolve, OneOutputAtATime) {
    const auto result = RunProgram(PARABEL_CLI, {"solve", "--json", "--saved", "x^2"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("exclude each other"), std::string::npos);
}

// Every command's help is reached three ways with the same text, starts with
// the command's own usage, and is part of the whole help; the whole help's
// usage lists every command.
TEST(CliSolve, EveryCommandHasItsHelp) {
    const auto all = RunProgram(PARABEL_CLI, {"--help"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"help"}).out, all.out);
    const std::string usage = all.out.substr(0, all.out.find("\n\n"));
    for (const char* command : {"solve", "number", "plot", "settings", "worksheet"}) {
        SCOPED_TRACE(command);
        const auto help = RunProgram(PARABEL_CLI, {"help", command});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(RunProgram(PARABEL_CLI, {command, "--help"}).out, help.out);
        EXPECT_EQ(RunProgram(PARABEL_CLI, {command, "x^2", "-h"}).out, help.out);
        const std::string own = "Usage:\n  parabel-cli " + std::string(command) + " ";
        EXPECT_EQ(help.out.rfind(own.substr(0, own.size() - 1), 0), 0u) << help.out;
        const std::size_t body = help.out.find("\n\n") + 2;
        const std::string text = help.out.substr(body, help.out.find("\n\n", body) - body);
        EXPECT_NE(all.out.find(text), std::string::npos);
        EXPECT_NE(usage.find("parabel-cli " + std::string(command)), std::string::npos);
    }
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"help", "frobnicate"}).status, 2);
    const auto version = RunProgram(PARABEL_CLI, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "parabel-cli 1.0\n");
}

}  // namespace
}  // namespace parabel

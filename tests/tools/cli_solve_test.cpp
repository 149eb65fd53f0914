#include <gtest/gtest.h>

#include <string>

#include "support/comma_locale.h"
#include "support/run_program.h"

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

TEST(CliSolve, FailuresGoToStandardErrorAndTheRestIsSolved) {
    const auto result = RunProgram(PARABEL_CLI, {"solve", "5+3", "5x+3", "x^2-5x+6"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, std::string(kFormMessage) + "Коэффициент выражен в неприемлимом виде.\n");
    EXPECT_EQ(result.out.substr(0, 11), "x^2-5x+6=0\n");
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

    const auto withPoint =
        RunProgram(PARABEL_CLI, {"solve", "--values", "x^2-0.25"}, "", {"LC_ALL=C"});
    EXPECT_EQ(withPoint.status, 0);
    EXPECT_NE(withPoint.out.find("values: 1;0;-0.25;0.5;-0.5\n"), std::string::npos)
        << withPoint.out;
}

TEST(CliSolve, BadInputGetsAClearMessage) {
    struct Row {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string errPart;
    };
    const Row rows[] = {
        {{"solve", "--frobnicate"}, "", 2, "unknown option --frobnicate"},
        {{"frobnicate"}, "", 2, "unknown command frobnicate"},
        {{}, "", 2, "Usage:"},
        {{"solve"}, std::string("x^2\0+1\n", 7), 1, "does not accept"},
        {{"solve"}, "\xFF\xFE\x00\x01\n", 1, "does not accept"},
        {{"solve"}, "x²+1\n", 1, "does not accept"},
        {{"solve"}, "", 0, ""},
        {{"solve"}, "\n", 1, "Уравнение не соответствует"},
        {{"solve"}, std::string(1 << 20, '7') + "x^2+1\n", 1, "неприемлимом"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input.substr(0, 20));
        const auto result = RunProgram(PARABEL_CLI, row.args, row.input);
        EXPECT_EQ(result.status, row.status);
        EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
    }
}

TEST(CliSolve, HelpExplainsTheCommands) {
    const auto result = RunProgram(PARABEL_CLI, {"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("parabel-cli solve [--values] [EQUATION...]"), std::string::npos);
    EXPECT_NE(result.out.find("parabel-cli number [--bits] [TEXT...]"), std::string::npos);
}

}  // namespace
}  // namespace parabel

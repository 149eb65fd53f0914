#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/run_program.h"
#include "support/temp_folder.h"

namespace parabel {
namespace {

namespace fs = std::filesystem;
using testing::RunProgram;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

using CliPlot = testing::TempFolderTest;

// The red of the curve as a 32-bit BMP pixel: blue, green, red, 0.
bool HasRedPixel(const std::string& bmp) {
    for (std::size_t i = 1078; i + 3 < bmp.size(); i += 4) {
        if (bmp.compare(i, 4, std::string("\0\0\xFF\0", 4)) == 0) {
            return true;
        }
    }
    return false;
}

TEST_F(CliPlot, WritesTheMainWindowsPicture) {
    const auto result = RunProgram(PARABEL_CLI, {"plot", "x^2-5x+6", "-o", Path("p.bmp")});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string bmp = Read(Path("p.bmp"));
    EXPECT_EQ(bmp.size(), 436422u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_TRUE(HasRedPixel(bmp));
}

TEST_F(CliPlot, ColourNamesAndFullScreenSize) {
    const auto result = RunProgram(PARABEL_CLI, {"plot", "x^2-5x+6", "-o", Path("f.bmp"), "--color",
                                                 "clBlue", "--screen", "1024x768"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string bmp = Read(Path("f.bmp"));
    EXPECT_EQ(bmp.size(), 1078u + 1024u * 728 * 4);
    EXPECT_FALSE(HasRedPixel(bmp));
}

TEST_F(CliPlot, TraceListsTheDrawingOperations) {
    const auto result = RunProgram(PARABEL_CLI, {"plot", "x^2-5x+6", "--trace"});
    EXPECT_EQ(result.status, 0);
    const auto lines = Lines(result.out);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[0], "repaint");
    EXPECT_EQ(lines[1], "pen 00000000");
    EXPECT_EQ(lines[2], "moveto 0 160");
    EXPECT_EQ(lines[3], "lineto 300 160");
    EXPECT_EQ(lines[lines.size() - 2], "textout 183 145 3");
    EXPECT_EQ(lines.back(), "textout 173 145 2");
    EXPECT_NE(result.out.find("\npen 000000FF\nmoveto 0 -2900\nlineto 1 -2865\n"),
              std::string::npos);
}

TEST_F(CliPlot, TraceOfTheFullScreenRefresh) {
    const auto result =
        RunProgram(PARABEL_CLI, {"plot", "x^2-5x+6", "--trace", "--screen", "1024x768"});
    EXPECT_EQ(result.status, 0);
    const auto lines = Lines(result.out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "repaint");
    EXPECT_EQ(lines[1], "moveto 0 364");
    EXPECT_EQ(lines.back(), "pen 00000000");
    EXPECT_EQ(lines[lines.size() - 3], "textout 547 351 3");
}

TEST_F(CliPlot, ArithmeticFaultsEndTheTrace) {
    const auto panel = RunProgram(PARABEL_CLI, {"plot", "1e16x^2", "--trace"});
    EXPECT_EQ(panel.status, 1);
    const auto panelLines = Lines(panel.out);
    ASSERT_FALSE(panelLines.empty());
    EXPECT_EQ(panelLines.back(), "error Invalid floating point operation");
    EXPECT_EQ(panel.err, "Коэффициент выражен в неприемлимом виде.\n");

    const auto fullScreen =
        RunProgram(PARABEL_CLI, {"plot", "4e14x^2", "--trace", "--screen", "1024x768"});
    EXPECT_EQ(fullScreen.status, 1);
    const auto lines = Lines(fullScreen.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "error Invalid floating point operation");
    EXPECT_EQ(lines[lines.size() - 2], "pen 000000FF");
}

TEST_F(CliPlot, SolveReportsAFaultOfThePlotAsTheProgramDoes) {
    const auto result = RunProgram(PARABEL_CLI, {"solve", "--values", "1e16x^2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("Ответ: 0\nerror: conversion\n"), std::string::npos) << result.out;
}

TEST_F(CliPlot, BadArgumentsAndUnwritablePaths) {
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    };
    const Row rows[] = {
        {{"plot"}, 2, "no equation"},
        {{"plot", "x^2"}, 2, "either -o"},
        {{"plot", "x^2", "-o", "a.bmp", "--trace"}, 2, "either -o"},
        {{"plot", "x^2", "--trace", "--color", "red"}, 2, "'red' is not a valid integer value"},
        {{"plot", "x^2", "--trace", "--screen", "0x0"}, 2, "--screen"},
        {{"plot", "x^2", "--trace", "--screen", "1024x"}, 2, "--screen"},
        {{"plot", "x^2", "x^2", "--trace"}, 2, "one equation"},
        {{"plot", "x^2", "-o"}, 2, "needs a value"},
        {{"plot", "x^2", "-o", Path("missing/p.bmp")},
         1,
         "Cannot create file \"" + Path("missing/p.bmp") + "\". No such file or directory"},
        {{"plot", "5+3", "-o", Path("q.bmp")}, 1, "Уравнение не соответствует"},
    };
    for (const Row& row : rows) {
        const auto result = RunProgram(PARABEL_CLI, row.args);
        EXPECT_EQ(result.status, row.status) << row.errPart;
        EXPECT_NE(result.err.find(row.errPart), std::string::npos) << result.err;
    }
    EXPECT_FALSE(fs::exists(Path("q.bmp")));
}

}  // namespace
}  // namespace parabel

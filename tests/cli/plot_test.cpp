#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/png_decode.h"
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

// The pixels of a 32-bit BMP file as 0xFFRRGGBB, top row first.
std::vector<std::uint32_t> BmpPixels(const std::string& bmp, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const auto* p =
                reinterpret_cast<const unsigned char*>(bmp.data()) + 1078 + (y * width + x) * 4;
            pixels.push_back(0xFF000000u | p[2] << 16 | p[1] << 8 | p[0]);
        }
    }
    return pixels;
}

// Where a PNG goes: a new file, a file with a second name (written in
// place), or standard output.
enum class PngOutput { kFile, kHardLinkedFile, kStandardOutput };

TEST_F(CliPlot, PngHoldsTheBmpsPixels) {
    constexpr PngOutput kFile = PngOutput::kFile;
    constexpr PngOutput kLinked = PngOutput::kHardLinkedFile;
    constexpr PngOutput kOut = PngOutput::kStandardOutput;
    struct Row {
        const char* name;
        std::string screen;  // "": the main window's picture
        std::string color;   // "": the default red
        int width, height;
        PngOutput output;
        std::size_t atMost;  // bytes: what the first PNG writer made of it, or 0
    };
    const Row rows[] = {
        {"main window", "", "", 322, 338, kFile, 1875},
        {"main window, colour by name", "", "clNavy", 322, 338, kOut, 0},
        {"main window, the background's colour", "", "clBtnFace", 322, 338, kLinked, 0},
        {"3840 x 2160", "3840x2160", "", 3840, 2120, kFile, 32562},
        {"3840 x 2160, #rrggbb", "3840x2160", "#0a0B0c", 3840, 2120, kOut, 0},
        {"common name", "203x157", "pink", 203, 117, kLinked, 0},
        {"the smallest screen", "17x41", "", 17, 1, kFile, 0},
        {"the widest screen", "8192x1000", "#00ff7f", 8192, 960, kFile, 0},
        {"the tallest screen", "40x8192", "lime", 40, 8152, kOut, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> options;
        if (!row.screen.empty()) {
            options.insert(options.end(), {"--screen", row.screen});
        }
        if (!row.color.empty()) {
            options.insert(options.end(), {"--color", row.color});
        }
        std::vector<std::string> bmpArgs = {"plot", "x^2-5x+6", "-o", Path("p.bmp")};
        bmpArgs.insert(bmpArgs.end(), options.begin(), options.end());
        ASSERT_EQ(RunProgram(PARABEL_CLI, bmpArgs).status, 0);
        const std::string pngPath = Path("p.png");
        fs::remove(pngPath);
        fs::remove(Path("other.png"));
        std::vector<std::string> pngArgs = {"plot", "x^2-5x+6", "-o", pngPath};
        if (row.output == kOut) {
            pngArgs = {"plot", "x^2-5x+6", "-o", "-", "--format", "png"};
        } else if (row.output == kLinked) {
            Write(pngPath, std::string(100000, 'o'));
            fs::create_hard_link(pngPath, Path("other.png"));
        }
        pngArgs.insert(pngArgs.end(), options.begin(), options.end());
        const auto result = RunProgram(PARABEL_CLI, pngArgs);
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string file = row.output == kOut ? result.out : Read(pngPath);
        if (row.output == kLinked) {
            EXPECT_TRUE(Read(Path("other.png")) == file);
        }
        // A plot has a handful of colours: a palette image, smaller than
        // the first writer's red, green and blue.
        ASSERT_GT(file.size(), 25u);
        EXPECT_EQ(file[25], 3) << "colour type";
        if (row.atMost != 0) {
            EXPECT_LE(file.size(), row.atMost);
        }
        const auto png = testing::DecodePng(file);
        ASSERT_TRUE(png.has_value());
        EXPECT_EQ(png->width, row.width);
        EXPECT_EQ(png->height, row.height);
        EXPECT_TRUE(png->pixels == BmpPixels(Read(Path("p.bmp")), row.width, row.height));
    }
}

TEST_F(CliPlot, StandardOutputGetsTheFilesBytes) {
    struct Row {
        const char* file;
        std::vector<std::string> format;  // for -o -
        std::string head;
    };
    const Row rows[] = {
        {"p.bmp", {}, "BM"},
        {"p.BMP", {"--format", "bmp"}, "BM"},
        {"p.png", {"--format", "png"}, "\x89PNG\r\n"},
        {"p.svg", {"--format", "SVG"}, "<?xml"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const auto toFile = RunProgram(
            PARABEL_CLI, {"plot", "x^2-5x+6", "--screen", "640x480", "-o", Path(row.file)});
        ASSERT_EQ(toFile.status, 0) << toFile.err;
        std::vector<std::string> args = {"plot", "x^2-5x+6", "--screen", "640x480", "-o", "-"};
        args.insert(args.end(), row.format.begin(), row.format.end());
        const auto toOutput = RunProgram(PARABEL_CLI, args);
        EXPECT_EQ(toOutput.status, 0);
        EXPECT_EQ(toOutput.err, "");
        EXPECT_EQ(toOutput.out.substr(0, row.head.size()), row.head);
        EXPECT_TRUE(toOutput.out == Read(Path(row.file)));
    }
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(CliPlot, TheFormatFollowsTheExtensionUnlessGiven) {
    const auto unknown = RunProgram(PARABEL_CLI, {"plot", "x^2", "-o", Path("p.gif")});
    EXPECT_EQ(unknown.status, 2);
    const std::string quoted = Path("p.gif").insert(0, 1, '\'') + '\'';
    EXPECT_NE(unknown.err.find(quoted), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("bmp, png and svg"), std::string::npos);
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"plot", "x^2", "-o", Path("p.d/p")}).status, 2);
    EXPECT_FALSE(fs::exists(Path("p.gif")));

    const auto given =
        RunProgram(PARABEL_CLI, {"plot", "x^2", "-o", Path("p.gif"), "--format", "png"});
    EXPECT_EQ(given.status, 0);
    EXPECT_TRUE(testing::DecodePng(Read(Path("p.gif"))).has_value());
}

TEST_F(CliPlot, ColoursByTheProgramsNamesCommonNamesAndHex) {
    struct Row {
        const char* color;
        const char* pen;
    };
    const Row rows[] = {
        {"clRed", "pen 000000FF"},     {"red", "pen 000000FF"},       {"#FF0000", "pen 000000FF"},
        {"$000000FF", "pen 000000FF"}, {"Green", "pen 00008000"},     {"clGreen", "pen 00008000"},
        {"lime", "pen 0000FF00"},      {"pink", "pen 00CBC0FF"},      {"#0a0B0c", "pen 000C0B0A"},
        {"grey", "pen 00808080"},      {"clBtnFace", "pen FF00000F"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.color);
        const auto result =
            RunProgram(PARABEL_CLI, {"plot", "x^2", "--trace", "--color", row.color});
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find(std::string("\n") + row.pen + "\n"), std::string::npos);
    }
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
        {{"plot", "x^2", "--trace", "--color", "reddish"}, 2, "--color reddish: not a colour"},
        {{"plot", "x^2", "--trace", "--color", "#12345"}, 2, "not a colour"},
        {{"plot", "x^2", "--trace", "--format", "png"}, 2, "--format goes with -o"},
        {{"plot", "x^2", "-o", "p.png", "--format", "gif"}, 2, "the formats are bmp, png and svg"},
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

// parabel-cli plot: the picture the program would save for an equation, or
// the drawing operations that make it.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/equation_field.h"
#include "app/picture_file.h"
#include "app/solve_and_draw.h"
#include "color.h"
#include "commands.h"
#include "core/ascii.h"
#include "core/errors.h"
#include "input.h"
#include "io/safe_save.h"
#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "plot/raster_surface.h"
#include "plot/recording_surface.h"
#include "plot/svg_surface.h"

namespace parabel::cli {

namespace {

constexpr ColorValue kDefaultColor = 0x000000FF;  // clRed
constexpr int kMaxScreenSide = 8192;

enum class PictureFormat { kBmp, kPng, kSvg };

struct FormatName {
    const char* name;
    PictureFormat format;
};

constexpr FormatName kFormatNames[] = {
    {"bmp", PictureFormat::kBmp},
    {"png", PictureFormat::kPng},
    {"svg", PictureFormat::kSvg},
};

std::optional<PictureFormat> FormatNamed(std::string_view name) {
    for (const FormatName& entry : kFormatNames) {
        if (EqualIgnoringAsciiCase(name, entry.name)) {
            return entry.format;
        }
    }
    return std::nullopt;
}

// The format of a file name's extension (after the last '.' of its last
// component), in any case.
std::optional<PictureFormat> FormatOfFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    return FormatNamed(std::string_view(path).substr(dot + 1));
}

struct PlotOptions {
    std::string equation;
    std::string output;  // "-": standard output
    std::optional<PictureFormat> format;
    bool trace = false;
    ColorValue color = kDefaultColor;
    std::optional<ScreenSize> screen;
};

[[noreturn]] void Usage(const std::string& problem) {
    throw std::invalid_argument("plot: " + problem +
                                "\nusage: parabel-cli plot EQUATION (-o FILE | --trace)"
                                " [--format bmp|png|svg] [--color COLOUR] [--screen WxH]");
}

std::optional<ScreenSize> ParseScreen(const std::string& text) {
    int width = 0;
    int height = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &end) != 2 ||
        width < kSmallestFullScreen.width || height < kSmallestFullScreen.height ||
        width > kMaxScreenSide || height > kMaxScreenSide) {
        return std::nullopt;
    }
    return ScreenSize{width, height};
}

PlotOptions ParseOptions(const std::vector<std::string>& args) {
    PlotOptions options;
    bool haveEquation = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                Usage(arg + " needs a value");
            }
            return args[++i];
        };
        if (arg == "-o") {
            options.output = value();
        } else if (arg == "--format") {
            const std::string& name = value();
            options.format = FormatNamed(name);
            if (!options.format) {
                Usage("--format " + name + ": the formats are bmp, png and svg");
            }
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--color") {
            const std::string& text = value();
            const auto color = ReadCurveColor(text);
            if (!color) {
                Usage("--color " + text +
                      ": not a colour; give a colour name of the program (clRed, clNavy, ...),"
                      " a common name (red, blue, green, ...; see parabel-cli plot --help),"
                      " #rrggbb,"
                      " or a number as the settings file holds it ($00FF0000, 16711680)");
            }
            options.color = *color;
        } else if (arg == "--screen") {
            options.screen = ParseScreen(value());
            if (!options.screen) {
                Usage("--screen wants WIDTHxHEIGHT, " + std::to_string(kSmallestFullScreen.width) +
                      "x" + std::to_string(kSmallestFullScreen.height) + " to " +
                      std::to_string(kMaxScreenSide) + "x" + std::to_string(kMaxScreenSide));
            }
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            Usage("unknown option " + arg);
        } else if (!haveEquation) {
            options.equation = arg;
            haveEquation = true;
        } else {
            Usage("one equation at a time");
        }
    }
    if (!haveEquation) {
        Usage("no equation");
    }
    if (options.trace == !options.output.empty()) {
        Usage("give either -o FILE or --trace");
    }
    if (options.trace && options.format) {
        Usage("--format goes with -o");
    }
    if (options.trace) {
        return options;
    }
    if (!options.format) {
        options.format =
            options.output == "-" ? PictureFormat::kBmp : FormatOfFileName(options.output);
    }
    if (!options.format) {
        Usage("cannot tell the picture format of '" + options.output +
              "' from its extension; the formats are bmp, png and svg (name the file"
              " *.bmp, *.png or *.svg, or give --format bmp|png|svg)");
    }
    return options;
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return path;
    }
    char folder[4096];
    if (getcwd(folder, sizeof folder) == nullptr) {
        return path;
    }
    return std::string(folder) + "/" + path;
}

void PrintTrace(const RecordingSurface& surface) {
    for (const DrawOp& op : surface.ops()) {
        const std::string line = op.ToString();
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
}

int Trace(const PlotOptions& options) {
    PlotState state;
    state.curveColor = options.color;
    RecordingSurface panel;
    NullSurface keepsNothing;
    Surface& solveSurface = options.screen ? static_cast<Surface&>(keepsNothing) : panel;
    const SolveAndDrawResult result = SolveAndDraw(options.equation, solveSurface, state);
    const SolveOutcome& outcome = result.outcome;
    if (!options.screen) {
        PrintTrace(panel);
        if (result.drawingFaulted) {
            std::printf("error %s\n", result.drawingFault.c_str());
        }
    }
    if (outcome.failure != SolveFailure::kNone) {
        std::fprintf(stderr, "%s\n", FailureMessage(outcome.failure));
        return 1;
    }
    if (!options.screen) {
        return 0;
    }
    RecordingSurface fullScreen;
    try {
        DrawFullScreenPlot(fullScreen, *options.screen, state);
    } catch (const ArithmeticError& error) {
        PrintTrace(fullScreen);
        std::printf("error %s\n", error.what());
        return 1;
    }
    PrintTrace(fullScreen);
    return 0;
}

// Solves the equation on `panel` and, with --screen, draws the full-screen
// plot on `fullScreen` after it. False after a message when either failed.
bool DrawPicture(const PlotOptions& options, Surface& panel, Surface& fullScreen) {
    PlotState state;
    state.curveColor = options.color;
    const SolveOutcome outcome = SolveAndDraw(options.equation, panel, state).outcome;
    if (outcome.failure != SolveFailure::kNone) {
        std::fprintf(stderr, "%s\n", FailureMessage(outcome.failure));
        return false;
    }
    if (options.screen) {
        try {
            DrawFullScreenPlot(fullScreen, *options.screen, state);
        } catch (const ArithmeticError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return false;
        }
    }
    return true;
}

// Hands the picture to its output: standard output, or the file, replaced
// safely. 0, or 1 after a message.
int Deliver(const PlotOptions& options, const FileContent& content) {
    if (options.output == "-") {
        bool written = true;
        content.Produce([&](std::span<const std::uint8_t> piece) {
            written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
        });
        if (!written || std::fflush(stdout) != 0) {
            Complain(std::string("plot: cannot write the picture to standard output: ") +
                     std::strerror(errno));
            return 1;
        }
        return 0;
    }
    try {
        SaveFileSafely(AbsolutePath(options.output), content);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

int Deliver(const PlotOptions& options, const std::vector<std::uint8_t>& bytes) {
    return Deliver(options, FileContent(std::span<const std::uint8_t>(bytes)));
}

// BMP and PNG: the pixels of the framed surface, as the program's picture
// file of it.
int WriteRasterPicture(const PlotOptions& options) {
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    RasterSurface fullScreen =
        options.screen ? MakeFullScreenSurface(*options.screen, SystemColor(kButtonFace))
                       : RasterSurface(0, 0, kWhitePixel);
    if (!DrawPicture(options, panel, fullScreen)) {
        return 1;
    }
    const FramedSurface picture = options.screen
                                      ? FullScreenPictureRows(fullScreen, *options.screen)
                                      : MainPictureRows(panel);
    return Deliver(
        options, PictureFile(picture, options.format == PictureFormat::kPng ? RasterFormat::kPng
                                                                            : RasterFormat::kBmp));
}

int WriteSvgPicture(const PlotOptions& options) {
    SvgSurface panel(MainPictureLayout(), std::vector<Pixel>(kPanelHeight, kWhitePixel));
    const ScreenSize screen = options.screen.value_or(ScreenSize{});
    SvgSurface fullScreen(FullScreenPictureLayout(screen),
                          FullScreenBackdrop(screen, SystemColor(kButtonFace)));
    if (!DrawPicture(options, panel, fullScreen)) {
        return 1;
    }
    const std::string svg = options.screen ? fullScreen.Document() : panel.Document();
    return Deliver(options, std::vector<std::uint8_t>(svg.begin(), svg.end()));
}

int WritePicture(const PlotOptions& options) {
    try {
        return options.format == PictureFormat::kSvg ? WriteSvgPicture(options)
                                                     : WriteRasterPicture(options);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

}  // namespace

namespace {

int RunPlot(const std::vector<std::string>& args) {
    PlotOptions options;
    try {
        options = ParseOptions(args);
    } catch (const std::invalid_argument& error) {
        Complain(error.what());
        return 2;
    }
    options.equation = EquationFieldText(options.equation);
    if (!FitsSolvedEquation(options.equation)) {
        std::fprintf(stderr, "%s\n", EquationTooLongMessage().c_str());
        return 1;
    }
    const int status = options.trace ? Trace(options) : WritePicture(options);
    std::fflush(stdout);
    return status;
}

}  // namespace

namespace {

const char kPlotHelp[] =
    "plot    Solves the equation as the program does and writes the picture its\n"
    "        save-graph command saves: the 322 x 338 frame with the plot.\n"
    "        --screen WxH writes the full-screen picture for a screen of that\n"
    "        size instead (W x (H - 40)).\n"
    "        -o FILE   the format follows the extension of FILE, in any case:\n"
    "                  .bmp  32-bit BMP, byte for byte what the program saves\n"
    "                  .png  the same pixels, lossless (a palette image when\n"
    "                        they have at most 256 colours)\n"
    "                  .svg  vector: the same drawing as lines and texts in a\n"
    "                        view box of the picture's size (UTF-8 text)\n"
    "                  Any other name is refused unless --format is given.\n"
    "        -o -      the picture to standard output, and nothing else there;\n"
    "                  BMP unless --format says otherwise.\n"
    "        --format bmp|png|svg   the format, whatever the file's name.\n"
    "        --color COLOUR  the curve colour, red by default: a colour name of\n"
    "                  the program (clRed, clBlue, clBtnFace, ...) or a number as\n"
    "                  the settings file holds it ($00FF0000, 16711680), #rrggbb,\n"
    "                  or one of these names, with their CSS colours:\n";

const char kPlotHelpEnd[] =
    "        --trace   prints the drawing operations instead, one per line\n"
    "                  (repaint, pen/brush/font RRGGBB colour values, moveto X Y,\n"
    "                  lineto X Y, textout X Y TEXT); an arithmetic fault ends\n"
    "                  the list with \"error MESSAGE\".\n";

// The common colour names, wrapped into the help's column.
std::string CommonColorList() {
    std::string list;
    std::string line = "                 ";
    for (const auto& color : kCommonColors) {
        const std::string entry =
            std::string(" ") + color.name + " " + HexOfPixel(0xFF000000u | color.rgb);
        if (line.size() + entry.size() + 1 > 78) {
            list += line + "\n";
            line = "                 ";
        }
        line += entry;
        line += ',';
    }
    line.back() = '.';
    return list + line + "\n";
}

std::string PlotHelp() {
    return kPlotHelp + CommonColorList() + kPlotHelpEnd;
}

}  // namespace

const Command kPlotCommand = {
    "plot",
    "parabel-cli plot EQUATION -o FILE [--format bmp|png|svg] [--color COLOUR] [--screen WxH]\n"
    "parabel-cli plot EQUATION --trace [--color COLOUR] [--screen WxH]\n",
    PlotHelp,
    RunPlot,
};

}  // namespace parabel::cli

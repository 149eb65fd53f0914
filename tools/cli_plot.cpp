// parabel-cli plot: the picture the program would save for an equation, or
// the drawing operations that make it.
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "cli_commands.h"
#include "cli_equation.h"
#include "cli_input.h"
#include "core/errors.h"
#include "io/bmp.h"
#include "io/color_names.h"
#include "io/safe_save.h"
#include "plot/full_screen_plot.h"
#include "plot/main_plot.h"
#include "plot/picture.h"
#include "plot/raster_surface.h"
#include "plot/recording_surface.h"

namespace parabel::cli {

namespace {

constexpr ColorValue kDefaultColor = 0x000000FF;  // clRed
constexpr int kMaxScreenSide = 8192;

struct PlotOptions {
    std::string equation;
    std::string output;
    bool trace = false;
    ColorValue color = kDefaultColor;
    std::optional<ScreenSize> screen;
};

[[noreturn]] void Usage(const std::string& problem) {
    throw std::invalid_argument("plot: " + problem +
                                "\nusage: parabel-cli plot EQUATION (-o FILE.bmp | --trace)"
                                " [--color COLOUR] [--screen WxH]");
}

std::optional<ScreenSize> ParseScreen(const std::string& text) {
    int width = 0;
    int height = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &end) != 2 || width < 17 ||
        height < 41 || width > kMaxScreenSide || height > kMaxScreenSide) {
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
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--color") {
            const std::string& text = value();
            try {
                options.color = TextToColor(text);
            } catch (const EConvertError& error) {
                Usage(std::string("--color: ") + error.what());
            }
        } else if (arg == "--screen") {
            options.screen = ParseScreen(value());
            if (!options.screen) {
                Usage("--screen wants WIDTHxHEIGHT, 17x41 to 8192x8192");
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
        Usage("give either -o FILE.bmp or --trace");
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
    std::string plotError;
    NullSurface keepsNothing;
    Surface& solveSurface = options.screen ? static_cast<Surface&>(keepsNothing) : panel;
    const SolveOutcome outcome = SolveAndPlot(options.equation, solveSurface, state, &plotError);
    if (!options.screen) {
        PrintTrace(panel);
        if (!plotError.empty()) {
            std::printf("error %s\n", plotError.c_str());
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
    } catch (const EMathError& error) {
        PrintTrace(fullScreen);
        std::printf("error %s\n", error.what());
        return 1;
    }
    PrintTrace(fullScreen);
    return 0;
}

int WritePicture(const PlotOptions& options) {
    PlotState state;
    state.curveColor = options.color;
    RasterSurface panel(kPanelWidth, kPanelHeight, kWhitePixel);
    const SolveOutcome outcome = SolveAndPlot(options.equation, panel, state);
    if (outcome.failure != SolveFailure::kNone) {
        std::fprintf(stderr, "%s\n", FailureMessage(outcome.failure));
        return 1;
    }
    Picture picture;
    if (options.screen) {
        RasterSurface surface = MakeFullScreenSurface(*options.screen, SystemColor(15));
        try {
            DrawFullScreenPlot(surface, *options.screen, state);
        } catch (const EMathError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        picture = ComposeFullScreenPicture(surface, *options.screen);
    } else {
        picture = ComposeMainPicture(panel);
    }
    const std::vector<std::uint8_t> bytes =
        EncodeBmp({picture.width, picture.height, picture.pixels.data()});
    try {
        SaveFileSafely(AbsolutePath(options.output), bytes);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace

int RunPlot(const std::vector<std::string>& args) {
    PlotOptions options;
    try {
        options = ParseOptions(args);
    } catch (const std::invalid_argument& error) {
        Complain(error.what());
        return 2;
    }
    if (!AcceptedByTheField(options.equation)) {
        return 1;
    }
    const int status = options.trace ? Trace(options) : WritePicture(options);
    std::fflush(stdout);
    return status;
}

}  // namespace parabel::cli

#include "io/png.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "support/png_decode.h"

namespace parabel {
namespace {

using Pixels = std::vector<std::uint32_t>;

// A width x height picture whose pixel (x, y) is colour(x, y).
Pixels Picture(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
    Pixels pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(colour(x, y));
        }
    }
    return pixels;
}

// The n-th colour of a sequence of distinct colours spread over all three
// channels (an odd multiplier is one to one on 24 bits), so a swapped
// channel or a wrong palette entry shows.
std::uint32_t Shade(unsigned n) {
    return 0xFF000000u | ((n * 0x9E3779B1u) & 0xFFFFFFu);
}

// Runs of `count` colours, each colour once in the first `count` runs, whose
// lengths (1 to 13 pixels) and later colours follow a fixed pseudo-random
// sequence, so that runs start and end at every position within a packed
// byte and rows differ from the one above.
Pixels RandomRuns(int width, int height, unsigned count) {
    Pixels pixels;
    std::uint32_t state = 12345;
    const auto next = [&] { return (state = state * 1103515245u + 12345u) >> 16; };
    for (unsigned run = 0; pixels.size() < static_cast<std::size_t>(width) * height; ++run) {
        const std::uint32_t colour = Shade(run < count ? run : next() % count);
        for (unsigned length = next() % 13 + 1; length > 0; --length) {
            pixels.push_back(colour);
        }
    }
    pixels.resize(static_cast<std::size_t>(width) * height);
    return pixels;
}

// A picture like a plot's: white with a black frame, a grey band at the
// bottom and a red parabola.
Pixels PlotLike(int width, int height) {
    return Picture(width, height, [=](int x, int y) -> std::uint32_t {
        const int curve = (x - width / 2) * (x - width / 2) / (width / 4 + 1);
        if (x == 0 || y == 0 || x == width - 1 || y == height - 1) {
            return 0xFF000000;
        }
        if (y > height * 9 / 10) {
            return 0xFFF0F0F0;
        }
        return curve == height - 1 - y ? 0xFFFF0000 : 0xFFFFFFFF;
    });
}

// Two colours, each with the top byte 0x00, 0x7F or 0xFF.
Pixels TwoColoursAnyTopByte(int width, int height) {
    return Picture(width, height, [](int x, int y) {
        const std::uint32_t colour = y % 2 != 0 ? 0xABCDEFu : 0x123456u;
        return colour | (x % 3 == 0 ? 0x7F000000u : x % 3 == 1 ? 0xFF000000u : 0u);
    });
}

// Squares of side `side` in two colours.
Pixels Checkerboard(int width, int height, int side, std::uint32_t one, std::uint32_t other) {
    return Picture(width, height,
                   [=](int x, int y) { return (x / side + y / side) % 2 != 0 ? one : other; });
}

// A picture in which neighbours differ in all three channels.
Pixels EveryPixelItsOwn(int width, int height) {
    return Picture(width, height, [](int x, int y) -> std::uint32_t {
        return 0xFF000000u | ((x * 7 + y * 3) & 0xFF) << 16 | ((x * 13 + y * 29) & 0xFF) << 8 |
               ((x + y * 101) & 0xFF);
    });
}

// Nine colours in stripes one to three pixels wide, shifted on every row.
Pixels Stripes(int width, int height) {
    return Picture(width, height,
                   [](int x, int y) { return Shade(static_cast<unsigned>((x + y) % 7 + x % 3)); });
}

// Runs of 17 pixels, black and one of 24 colours with one bit set in turn,
// so that neighbouring runs differ in a single bit of a single channel.
Pixels OneBitApart(int width, int height) {
    return Picture(width, height, [](int x, int y) {
        const int run = x / 17;
        return run % 2 == 0 ? 0xFF000000u : 0xFF000000u | 1u << ((run / 2 + y) % 24);
    });
}

struct Stored {
    int bitDepth;
    int colourType;  // 3 palette, 2 red-green-blue
};

// The bit depth and colour type of the file's header (IHDR).
Stored HeaderOf(const std::vector<std::uint8_t>& file) {
    return {file.at(24), file.at(25)};
}

std::string Text(const std::vector<std::uint8_t>& file) {
    return {reinterpret_cast<const char*>(file.data()), file.size()};
}

TEST(Png, DecodesToTheSamePixelsInTheSmallestLayout) {
    struct Row {
        const char* name;
        int width, height;
        Pixels pixels;
        Stored stored;
    };
    const Row rows[] = {
        {"one pixel", 1, 1, {0xFF123456}, {1, 3}},
        {"one colour", 37, 5, Pixels(37 * 5, 0xFF00FF00), {1, 3}},
        {"two colours without the top byte", 9, 4, Checkerboard(9, 4, 1, 0, 0xFFFFFF), {1, 3}},
        {"the top byte is ignored", 7, 3, TwoColoursAnyTopByte(7, 3), {1, 3}},
        {"three colours", 13, 7, RandomRuns(13, 7, 3), {2, 3}},
        {"four colours", 3, 11, RandomRuns(3, 11, 4), {2, 3}},
        {"five colours", 21, 9, RandomRuns(21, 9, 5), {4, 3}},
        {"sixteen colours", 99, 17, RandomRuns(99, 17, 16), {4, 3}},
        {"seventeen colours", 101, 13, RandomRuns(101, 13, 17), {8, 3}},
        {"256 colours", 300, 40, RandomRuns(300, 40, 256), {8, 3}},
        {"257 colours", 300, 40, RandomRuns(300, 40, 257), {8, 2}},
        {"a colour in every pixel", 322, 338, EveryPixelItsOwn(322, 338), {8, 2}},
        {"a plot at 322 x 338", 322, 338, PlotLike(322, 338), {2, 3}},
        {"a plot at 3840 x 2120", 3840, 2120, PlotLike(3840, 2120), {2, 3}},
        {"one column", 1, 500, RandomRuns(1, 500, 6), {4, 3}},
        // More runs than are kept from the first reading: the rows are read
        // again.
        {"a checkerboard of 2 x 2 squares",
         1024,
         300,
         Checkerboard(1024, 300, 2, 0xFF0000FF, 0xFFFF00FF),
         {1, 3}},
        {"stripes of every width", 4000, 60, Stripes(4000, 60), {4, 3}},
        {"colours a bit apart", 1000, 30, OneBitApart(1000, 30), {8, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::uint8_t> file = EncodePng(row.width, row.height, row.pixels);
        EXPECT_EQ(HeaderOf(file).bitDepth, row.stored.bitDepth);
        EXPECT_EQ(HeaderOf(file).colourType, row.stored.colourType);
        const auto decoded = testing::DecodePng(Text(file));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->width, row.width);
        EXPECT_EQ(decoded->height, row.height);
        Pixels opaque = row.pixels;
        for (std::uint32_t& pixel : opaque) {
            pixel |= 0xFF000000u;
        }
        EXPECT_TRUE(decoded->pixels == opaque);
        // Read back by the program's own reader too.
        const std::optional<DecodedPng> read = DecodePng(file);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->width, row.width);
        EXPECT_EQ(read->height, row.height);
        EXPECT_TRUE(read->pixels == opaque);
    }
}

// The reader keeps what the writer drops: a file with an alpha channel (the
// program's icons) reads with its alpha, and bytes that are no PNG file read
// as nothing.
TEST(Png, ReadsAlphaAndRefusesWhatIsNoPngFile) {
    // A 2 x 1 picture, red opaque and blue half transparent, as libpng writes
    // it with an alpha channel.
    std::vector<std::uint8_t> withAlpha;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 2;
    image.height = 1;
    image.format = PNG_FORMAT_RGBA;
    const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 128};
    png_alloc_size_t size = 0;
    ASSERT_NE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba, 0, nullptr), 0);
    withAlpha.resize(size);
    ASSERT_NE(png_image_write_to_memory(&image, withAlpha.data(), &size, 0, rgba, 0, nullptr), 0);
    const std::optional<DecodedPng> read = DecodePng(withAlpha);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->pixels, (Pixels{0xFFFF0000, 0x800000FF}));

    const std::vector<std::uint8_t> cut(withAlpha.begin(), withAlpha.begin() + 40);
    const std::uint8_t text[] = {'x', '^', '2'};
    EXPECT_FALSE(DecodePng(cut).has_value());
    EXPECT_FALSE(DecodePng(text).has_value());
    EXPECT_FALSE(DecodePng({}).has_value());
}

struct SinkFailure {};

TEST(Png, FailuresReachTheCaller) {
    const Pixels three(3, 0xFFFFFFFF);
    EXPECT_THROW(EncodePng(0, 0, {}), std::runtime_error);
    EXPECT_THROW(EncodePng(2, 2, three), std::runtime_error);
    EXPECT_THROW(EncodePng(3, 0, three), std::runtime_error);

    const auto white = [](int, std::uint32_t* out) { *out = 0xFFFFFFFF; };
    const auto ignore = [](std::span<const std::uint8_t>) {};
    // libpng's own refusal: wider than it writes.
    try {
        WritePng(
            2'000'000, 1, [](int, std::uint32_t* out) { std::fill_n(out, 2'000'000, 0xFFFFFFFFu); },
            ignore);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("PNG: ", 0), 0u) << error.what();
    }
    // What the sink or the rows throw passes through as it is, at any point.
    for (const int failingPiece : {1, 2, 3}) {
        int pieces = 0;
        EXPECT_THROW(WritePng(1, 1, white,
                              [&](std::span<const std::uint8_t>) {
                                  if (++pieces == failingPiece) {
                                      throw SinkFailure{};
                                  }
                              }),
                     SinkFailure)
            << failingPiece;
    }
    EXPECT_THROW(WritePng(
                     1, 3,
                     [](int y, std::uint32_t* out) {
                         if (y == 2) {
                             throw std::out_of_range("row 2");
                         }
                         *out = 0xFF000000;
                     },
                     ignore),
                 std::out_of_range);
}

}  // namespace
}  // namespace parabel

#include "io/png.h"  // this file's own header; <png.h> below is libpng's

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <exception>
#include <stdexcept>
#include <string>

#include "color_runs.h"
#include "indexed_rows.h"
#include "packed_row.h"

namespace parabel {

namespace {

// How the rows are compressed, chosen by measuring plot pictures at
// 3840 x 2160 and 322 x 338. They are long runs of a handful of colours: the
// "up" filter turns a row like the one above into zeros, and zlib's
// run-length matching (which knows no levels) then packs the 3840 x 2160
// plot into 10 KB. zlib's default search makes 8.6 KB at level 6 and 6.7 KB
// at level 9 in twice and four times the time; libpng's choice of a filter
// per row, or the Paeth filter, saves a tenth in twice the time.
constexpr int kFilters = PNG_FILTER_UP;
constexpr int kLevel = 1;
constexpr int kStrategy = Z_RLE;
// Bytes of compressed data per IDAT chunk.
constexpr std::size_t kChunkBytes = 1 << 16;

// What libpng's callbacks share with the writer: where the bytes go, what
// the sink threw and libpng's own message when it gave up.
struct Output {
    const ByteSink* sink = nullptr;
    std::exception_ptr thrown;
    std::string message;
};

bool HandOn(Output& output, std::span<const std::uint8_t> bytes) noexcept {
    try {
        (*output.sink)(bytes);
        return true;
    } catch (...) {
        output.thrown = std::current_exception();
        return false;
    }
}

void WriteBytes(png_structp png, png_bytep data, std::size_t length) {
    if (!HandOn(*static_cast<Output*>(png_get_io_ptr(png)), {data, length})) {
        png_error(png, "the file cannot be written");
    }
}

void Flush(png_structp) {}

// libpng's errors end in a jump back to RunLibpng; its warnings (about
// settings it adjusts) concern no one.
[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    static_cast<Output*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// libpng's write structures, freed however the writing ends.
class Writer {
  public:
    explicit Writer(Output& output)
        : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, OnError, OnWarning)) {
        if (png_ == nullptr) {
            throw std::runtime_error("PNG: out of memory");
        }
        info_ = png_create_info_struct(png_);
        if (info_ == nullptr) {
            png_destroy_write_struct(&png_, nullptr);
            throw std::runtime_error("PNG: out of memory");
        }
        png_set_write_fn(png_, &output, WriteBytes, Flush);
    }
    ~Writer() { png_destroy_write_struct(&png_, &info_); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

  private:
    png_structp png_;
    png_infop info_ = nullptr;
};

// Runs `work`, which calls libpng; false when libpng gave up. Nothing with a
// destructor may live in `work` across a libpng call, since the jump back
// here passes over it.
template <typename Work>
bool RunLibpng(png_structp png, const Work& work) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    work();
    return true;
}

// The fewest bits per pixel that number `colors` colours: a quarter of the
// bytes of 8-bit numbers for a plot's few colours, which made files half as
// large again and took three times as long.
int IndexBits(int colors) {
    return colors <= 2 ? 1 : colors <= 4 ? 2 : colors <= 16 ? 4 : 8;
}

// A row read afresh as a palette image stores it, a run of one colour at a
// time.
void PackRow(std::span<const std::uint32_t> row, const Palette& palette, int bits,
             std::uint8_t* out) {
    for (std::size_t i = 0; i < row.size();) {
        const std::size_t end = ColorRunEnd(row.data(), i, row.size());
        FillPacked(out, bits, i, end, static_cast<unsigned>(palette.NumberOf(row[i])));
        i = end;
    }
}

void ToRgb(std::span<const std::uint32_t> row, std::uint8_t* out) {
    for (const std::uint32_t pixel : row) {
        *out++ = static_cast<std::uint8_t>(pixel >> 16);
        *out++ = static_cast<std::uint8_t>(pixel >> 8);
        *out++ = static_cast<std::uint8_t>(pixel);
    }
}

// The picture's colours and, while they fit the budget, its rows as runs,
// through a first reading of its rows. False when it has more colours than a
// palette holds.
bool ReadIndexed(int height, const PixelRowSource& rows, std::vector<std::uint32_t>& row,
                 IndexedRows& indexed) {
    for (int y = 0; y < height; ++y) {
        rows(y, row.data());
        if (!indexed.AddRow(row)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void WritePng(int width, int height, const PixelRowSource& rows, const ByteSink& sink) {
    if (width <= 0 || height <= 0) {
        throw std::runtime_error("PNG: the picture has no pixels");
    }
    const auto count = static_cast<std::size_t>(width);
    std::vector<std::uint32_t> row(count);
    IndexedRows picture;
    const bool indexed = ReadIndexed(height, rows, row, picture);
    const Palette& palette = picture.palette();
    const int bits = indexed ? IndexBits(palette.size()) : 8;
    std::vector<std::uint8_t> stored(indexed ? PackedRowBytes(count, bits) : count * 3);
    std::vector<png_color> colors;
    if (indexed) {
        for (const std::uint32_t color : palette.colors()) {
            colors.push_back({static_cast<png_byte>(color >> 16), static_cast<png_byte>(color >> 8),
                              static_cast<png_byte>(color)});
        }
    }
    // Row y as the file stores it, into `stored`: from the runs kept, or
    // read again when they were not; a row like the one above is there
    // already.
    const auto storeRow = [&](int y) {
        if (indexed && picture.kept()) {
            if (y == 0 || !picture.SameAsAbove(y)) {
                picture.PackRow(y, bits, stored.data());
            }
            return;
        }
        rows(y, row.data());
        if (indexed) {
            PackRow(row, palette, bits, stored.data());
        } else {
            ToRgb(row, stored.data());
        }
    };

    Output output{&sink, nullptr, {}};
    const Writer writer(output);
    png_structp png = writer.png();
    png_infop info = writer.info();
    const bool written = RunLibpng(png, [&] {
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     bits, indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (indexed) {
            png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
            // Every number comes from the palette: libpng need not look
            // at each pixel again to find one beyond it.
            png_set_check_for_invalid_index(png, 0);
        }
        png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
        png_set_compression_level(png, kLevel);
        png_set_compression_strategy(png, kStrategy);
        png_set_compression_buffer_size(png, kChunkBytes);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            storeRow(y);
            png_write_row(png, stored.data());
        }
        png_write_end(png, nullptr);
    });
    if (!written) {
        if (output.thrown) {
            std::rethrow_exception(output.thrown);
        }
        throw std::runtime_error("PNG: " + output.message);
    }
}

std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint32_t> pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::runtime_error("PNG: the picture has no pixels or not width x height of them");
    }
    std::vector<std::uint8_t> bytes;
    WritePng(
        width, height,
        [&](int y, std::uint32_t* out) {
            const auto* from = pixels.data() + static_cast<std::size_t>(y) * width;
            std::copy(from, from + width, out);
        },
        [&](std::span<const std::uint8_t> piece) {
            bytes.insert(bytes.end(), piece.begin(), piece.end());
        });
    return bytes;
}

std::optional<DecodedPng> DecodePng(std::span<const std::uint8_t> file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, file.data(), file.size()) == 0) {
        return std::nullopt;
    }
    DecodedPng decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    image.format = PNG_FORMAT_BGRA;  // in memory, the little-endian words 0xAARRGGBB
    decoded.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    if (png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return decoded;
}

}  // namespace parabel

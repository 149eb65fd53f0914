// Pictures compared pixel by pixel with golden files kept beside the tests.
//
// A golden file is text: a palette line per colour ("# FF000000": the
// character and the pixel it stands for), a blank line, then one line of
// characters per pixel row. Run a test with PARABEL_UPDATE_GOLDENS=1 to
// write its golden file anew, deliberately, then review the diff.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "plot/raster_surface.h"

namespace parabel::testing {

// The surface as golden text; colours get the characters of `symbols` in the
// order they first appear, row by row.
inline std::string PictureText(const RasterSurface& surface,
                               const std::string& symbols = ".#o+*=%@") {
    std::map<Pixel, char> palette;
    std::string paletteLines;
    std::string rows;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const Pixel pixel = surface.PixelAt(x, y);
            auto found = palette.find(pixel);
            if (found == palette.end()) {
                const char symbol = symbols.at(palette.size());
                found = palette.emplace(pixel, symbol).first;
                char line[32];
                std::snprintf(line, sizeof line, "%c %08X\n", symbol, pixel);
                paletteLines += line;
            }
            rows += found->second;
        }
        rows += '\n';
    }
    return paletteLines + "\n" + rows;
}

// Compares the surface with the golden file `name` in tests/plot/goldens,
// naming the first pixel that differs.
inline void ExpectMatchesGolden(const RasterSurface& surface, const std::string& name) {
    const std::string path = std::string(PARABEL_GOLDEN_DIR) + "/" + name;
    const std::string actual = PictureText(surface);
    if (std::getenv("PARABEL_UPDATE_GOLDENS") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing golden file " << path;
    std::stringstream expected;
    expected << file.rdbuf();
    if (expected.str() == actual) {
        return;
    }
    std::istringstream want(expected.str());
    std::istringstream got(actual);
    std::string wantLine;
    std::string gotLine;
    for (int line = 1; std::getline(want, wantLine); ++line) {
        if (!std::getline(got, gotLine) || gotLine != wantLine) {
            std::size_t column = 0;
            while (column < wantLine.size() && column < gotLine.size() &&
                   wantLine[column] == gotLine[column]) {
                ++column;
            }
            ADD_FAILURE() << name << " differs at line " << line << ", column " << column
                          << "\n  golden: " << wantLine << "\n  drawn:  " << gotLine;
            return;
        }
    }
    ADD_FAILURE() << name << " has more lines than its golden file";
}

}  // namespace parabel::testing

// What the binding hands the page: a picture's pixels for the canvas and a
// file's bytes for a download, the same picture and file the window saves.
#include "web/picture_bytes.h"

#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "app/picture_file.h"

namespace parabel::web {
namespace {

TEST(PictureBytes, CanvasPixelsAreTheSavedFilesPixels) {
    SettingsText settings;
    HistoryText history;
    MainWindowModel window("Parabel", settings, history);
    window.ReadCurveColor();
    window.Solve("0.5x^2-3");
    const std::vector<std::uint8_t> bmp = ContentBytes(window.PictureFile(RasterFormat::kBmp));
    std::vector<std::uint8_t> rgba;
    PictureRgba(window.Picture(), rgba);
    ASSERT_EQ(bmp.size(), 14u + 40 + 1024 + 322 * 338 * 4);
    ASSERT_EQ(rgba.size(), 322u * 338 * 4);
    const std::uint8_t* pixels = bmp.data() + 14 + 40 + 1024;
    for (int y = 0; y < 338; ++y) {
        for (int x = 0; x < 322; ++x) {
            const std::uint8_t* stored = pixels + ((337 - y) * 322 + x) * 4;  // bottom up, BGR0
            const std::uint8_t* shown = rgba.data() + (y * 322 + x) * 4;      // top down, RGBA
            ASSERT_EQ((std::vector<int>{stored[2], stored[1], stored[0], 255}),
                      (std::vector<int>{shown[0], shown[1], shown[2], shown[3]}))
                << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace parabel::web

#include "full_screen_model.h"

#include "app/picture_file.h"
#include "picture_bytes.h"
#include "plot/color.h"
#include "plot/picture.h"

namespace parabel::web {

RasterSurface& FullScreenModel::Surface() {
    if (!surface_ || surface_->width() != screen_.width - 16 ||
        surface_->height() != screen_.height - 16) {
        surface_ = std::make_unique<RasterSurface>(
            MakeFullScreenSurface(screen_, SystemColor(kButtonFace)));
    }
    return *surface_;
}

Report FullScreenModel::Open(int screenWidth, int screenHeight) {
    screen_ = {screenWidth, screenHeight};
    drawing_.Reset();
    return DrawOnce();
}

Report FullScreenModel::DrawOnce() {
    return Guarded([this] { drawing_.DrawOnce(Surface(), screen_, main_); });
}

Report FullScreenModel::Refresh() {
    return Guarded([this] { FullScreenDrawing::Draw(Surface(), screen_, main_); });
}

std::string FullScreenModel::PointerText(int x, int y, Report& report) {
    report = DrawOnce();
    return FullScreenPointerText(x, y, screen_);
}

const std::vector<std::uint8_t>& FullScreenModel::Rgba() {
    PictureRgba(FullScreenPictureRows(Surface(), screen_), rgba_);
    return rgba_;
}

std::vector<std::uint8_t> FullScreenModel::Bmp() {
    const FramedSurface picture = FullScreenPictureRows(Surface(), screen_);
    return ContentBytes(PictureFile(picture, RasterFormat::kBmp));
}

}  // namespace parabel::web

#include "full_screen_model.h"

#include "io/safe_save.h"
#include "plot/color.h"

namespace parabel {

FullScreenModel::FullScreenModel(std::string title, const PlotState& main, ScreenSource screen)
    : title_(std::move(title)), main_(main), screen_(std::move(screen)) {
    LayOut();
}

void FullScreenModel::LayOut() {
    laidOutFor_ = screen_();
    layout_ = FullScreenPictureLayout(laidOutFor_);
    if (surface_ && (surface_->width() != layout_.surfaceWidth ||
                     surface_->height() != layout_.surfaceHeight)) {
        surface_.reset();  // made again at the next drawing, at the new size
    }
}

RasterSurface& FullScreenModel::Surface() {
    if (!surface_) {
        surface_ = std::make_unique<RasterSurface>(
            MakeFullScreenSurface(laidOutFor_, SystemColor(kButtonFace)));
    }
    return *surface_;
}

Report FullScreenModel::DrawOnce() {
    return Guarded(title_, [this] { drawing_.DrawOnce(Surface(), screen_(), main_); });
}

Report FullScreenModel::Refresh() {
    return Guarded(title_, [this] { FullScreenDrawing::Draw(Surface(), screen_(), main_); });
}

std::string FullScreenModel::PointerText(int x, int y) const {
    return FullScreenPointerText(x, y, screen_());
}

FramedSurface FullScreenModel::Picture() {
    return FullScreenPictureRows(Surface(), laidOutFor_);
}

FileContent FullScreenModel::PictureFile(RasterFormat format) {
    return parabel::PictureFile(Picture(), format);
}

Report FullScreenModel::SavePicture(const std::string& path) {
    // Streamed from the surface a row at a time: a picture of the whole
    // screen never exists twice in memory.
    return Guarded(title_, [&] { SaveFileSafely(path, PictureFile(RasterFormat::kBmp)); });
}

}  // namespace parabel

#include "full_screen_drawing.h"

namespace parabel {

void FullScreenDrawing::DrawOnce(Surface& surface, ScreenSize screen, const PlotState& main) {
    if (drawn_ || failed_) {
        return;
    }
    try {
        Draw(surface, screen, main);
    } catch (...) {
        failed_ = true;
        throw;
    }
    drawn_ = true;
}

}  // namespace parabel

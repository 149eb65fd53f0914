// A picture of the program's as the toolkit's image, pixel for pixel: what
// the plot areas paint, the clipboard offers and the printed page draws.
#pragma once

#include <QImage>

#include "plot/picture.h"

namespace parabel::ui {

QImage pictureImage(const FramedSurface& picture);

}  // namespace parabel::ui

// A composed picture as the toolkit's image, for the screen and the clipboard.
#pragma once

#include <QImage>

#include "plot/picture.h"

namespace parabel::ui {

// The picture's pixels, row by row; a null image for an empty picture.
QImage pictureImage(const FramedSurface& picture);

}  // namespace parabel::ui

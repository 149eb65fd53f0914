// Putting the program's results on the system clipboard.
#pragma once

#include <QString>

#include "plot/picture.h"

namespace parabel::ui {

// The text as it is.
void copyText(const QString& text);

// The picture as an image with the very pixels an export writes, offered
// as the PNG file the program writes and as the toolkit's image for
// programs that take other formats.
void copyPicture(const FramedSurface& picture);

}  // namespace parabel::ui

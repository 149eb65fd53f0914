// Putting the program's results on the system clipboard.
#pragma once

#include <QStringList>

#include "plot/picture.h"

namespace parabel::ui {

// The lines as one text, a line feed between lines.
void copyLines(const QStringList& lines);

// The picture as an image with the very pixels an export writes, offered
// as the PNG file the program writes and as the toolkit's image for
// programs that take other formats.
void copyPicture(const FramedSurface& picture);

}  // namespace parabel::ui

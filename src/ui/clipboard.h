// Putting the program's results on the system clipboard.
#pragma once

#include <QStringList>

#include "plot/picture.h"

namespace parabel::ui {

// The lines as one text, a line feed between lines.
void copyLines(const QStringList& lines);

// The picture as an image with the very pixels an export writes.
void copyPicture(const Picture& picture);

}  // namespace parabel::ui

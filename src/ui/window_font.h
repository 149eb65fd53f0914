// The window font the layout asks for, "MS Sans Serif", or the installed
// sans font that stands in for it.
#pragma once

#include <QFont>

namespace parabel::ui {

// The font at `pixelSize` pixels. The family is looked up once per run:
// "MS Sans Serif" when it is installed, otherwise DejaVu Sans or the
// system's sans font. Naming the installed family spares the font system a
// fallback search for the missing one at every use.
QFont windowFont(int pixelSize = 11, bool bold = false);

}  // namespace parabel::ui

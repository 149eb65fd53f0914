// The system colours the plot draws with, taken from the running toolkit's
// palette where it has a counterpart.
#pragma once

class QPalette;

namespace parabel::ui {

// Button face, window, window text, highlight, highlight text, button text,
// shadows and lights, grey text, tooltip colours and link colour come from
// the palette; the other system colours keep the classic scheme's values.
void applyPaletteToSystemColors(const QPalette& palette);

}  // namespace parabel::ui

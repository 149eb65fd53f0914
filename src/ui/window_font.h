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

// While it lives, the application's font is the one given. A line edit lays
// out its empty text with the application's font while it is being made,
// before it can be given its own: made inside this scope it loads only the
// font it shows. The application's font is back as the scope ends, so Qt's
// own dialogs look as always.
class ApplicationFontScope {
  public:
    explicit ApplicationFontScope(const QFont& font);
    ~ApplicationFontScope();
    ApplicationFontScope(const ApplicationFontScope&) = delete;
    ApplicationFontScope& operator=(const ApplicationFontScope&) = delete;

  private:
    QFont applicationFont_;
};

}  // namespace parabel::ui

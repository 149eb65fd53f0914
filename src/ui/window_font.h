// The window font the layout asks for, "MS Sans Serif", falling back to the
// installed sans font.
#pragma once

#include <QFont>

namespace parabel::ui {

inline QFont windowFont(int pixelSize = 11, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace parabel::ui

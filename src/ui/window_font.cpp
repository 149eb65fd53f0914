#include "window_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace parabel::ui {

namespace {

QString windowFontFamily() {
    for (const QString& family : {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return QFontInfo(QFont(QStringLiteral("Sans Serif"))).family();
}

}  // namespace

QFont windowFont(int pixelSize, bool bold) {
    static const QString kFamily = windowFontFamily();
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace parabel::ui

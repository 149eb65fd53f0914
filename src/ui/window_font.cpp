#include "window_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace parabel::ui {

namespace {

QString windowFontFamily() {
    // The families installed, by their own names: asking for each by name
    // (QFontDatabase::hasFamily) would have the font system work through its
    // whole configuration of substitutes for each of them.
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
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

// QGuiApplication's, not QApplication's: the latter would also drop the
// fonts the platform gives to particular kinds of widget, and tell every
// window of the change.
ApplicationFontScope::ApplicationFontScope(const QFont& font)
    : applicationFont_(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
}

ApplicationFontScope::~ApplicationFontScope() {
    QGuiApplication::setFont(applicationFont_);
}

}  // namespace parabel::ui

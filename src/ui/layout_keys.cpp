#include "layout_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>

#include "context_menu.h"
#include "keyboard_layout.h"

namespace parabel::ui {

namespace {

// Hides the menu titles' underlined letters unless Alt is held.
class MnemonicStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_UnderlineShortcut && !altHeld_) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // No image for the menu bar's extension button, whose menus always fit:
    // the toolkit's image, read when a menu bar is made, would load every
    // image format plug-in installed at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton ||
            icon == SP_ToolBarVerticalExtensionButton) {
            return {};
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void setAltHeld(bool held) {
        if (held == altHeld_) {
            return;
        }
        altHeld_ = held;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                bar->update();
            }
        }
    }

  private:
    bool altHeld_ = false;
};

// The character of a letter key's code, or a null QChar for other keys.
QChar letterOf(const QKeyEvent& key) {
    const int code = key.key();
    return code > 0 && code < 0x10000 && QChar(code).isLetter() ? QChar(code) : QChar();
}

// Runs the enabled action of `window` that has `shortcut`, where it applies
// to the focus widget `focus`; false when there is none.
bool triggerShortcut(QWidget* window, QWidget* focus, const QKeySequence& shortcut) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->isEnabled() || !action->shortcuts().contains(shortcut)) {
            continue;
        }
        if (action->shortcutContext() == Qt::WidgetShortcut && !focus->actions().contains(action)) {
            continue;
        }
        action->trigger();
        return true;
    }
    return false;
}

// Opens the menu of `window`'s menu bar whose title has `letter` as its
// underlined letter; false when there is none.
bool openMenu(QWidget* window, QChar letter) {
    const QKeySequence wanted(QKeyCombination(Qt::AltModifier, Qt::Key(letter.unicode())));
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (QAction* title : bar->actions()) {
            if (title->isEnabled() && QKeySequence::mnemonic(title->text()) == wanted) {
                openMenuByKey(bar, title);
                return true;
            }
        }
    }
    return false;
}

class LayoutIndependentKeys final : public QObject {
  public:
    LayoutIndependentKeys(MnemonicStyle* style, QObject* parent) : QObject(parent), style_(style) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (key->key() == Qt::Key_Alt) {
                    setAltHeld(event->type() == QEvent::KeyPress);
                } else if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
                    return pressed(static_cast<QWidget*>(watched), *key);
                }
                break;
            }
            case QEvent::ApplicationDeactivate:
            case QEvent::WindowDeactivate:
                setAltHeld(false);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void setAltHeld(bool held) {
        if (style_ != nullptr && QApplication::style() == style_) {
            style_->setAltHeld(held);
        }
    }

    // A key that found no shortcut of its own layout: the one of the other
    // layout's letter on the same key, if any.
    static bool pressed(QWidget* focus, const QKeyEvent& key) {
        const QChar letter = letterOf(key);
        if (letter.isNull()) {
            return false;
        }
        const Qt::KeyboardModifiers modifiers =
            key.modifiers() &
            (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
        QWidget* window = focus->window();
        if (modifiers == Qt::ControlModifier) {
            const QChar latin = latinLetterOnKeyOf(letter);
            return !latin.isNull() &&
                   triggerShortcut(window, focus,
                                   QKeySequence(QKeyCombination(Qt::ControlModifier,
                                                                Qt::Key(latin.unicode()))));
        }
        if (modifiers == Qt::AltModifier) {
            // The menus' letters are Cyrillic or Latin, as their language is.
            const QChar cyrillic = cyrillicLetterOnKeyOf(letter);
            const QChar latin = latinLetterOnKeyOf(letter);
            return (!cyrillic.isNull() && openMenu(window, cyrillic)) ||
                   (!latin.isNull() && openMenu(window, latin));
        }
        return false;
    }

    QPointer<MnemonicStyle> style_;
};

}  // namespace

void openMenuByKey(QMenuBar* bar, QAction* title) {
    bar->setActiveAction(title);
    if (QMenu* menu = title->menu()) {
        menu->setActiveAction(firstItem(menu));
    }
}

void installLayoutIndependentKeys() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    auto* style = new MnemonicStyle;
    QApplication::setStyle(style);  // the application owns it
    qApp->installEventFilter(new LayoutIndependentKeys(style, qApp));
}

}  // namespace parabel::ui

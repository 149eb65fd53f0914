// Keys that work whichever keyboard layout is on, and menu letters shown
// only while Alt is held:
// - Ctrl with a key runs the shortcut of the Latin letter on that key, also
//   on a Cyrillic-only layout (Ctrl+З is Ctrl+P);
// - Alt with a key opens the menu whose title's letter is on that key, also
//   on a Latin layout (Alt+A opens "Файл", whose letter Ф shares the key),
//   and on a Cyrillic layout for a menu of Latin letters (Alt+А opens
//   "File");
// - the menu titles' letters are underlined only while Alt is held.
#pragma once

class QAction;
class QMenuBar;

namespace parabel::ui {

// Installs both on the application, once; later calls do nothing.
void installLayoutIndependentKeys();

// Opens the menu of `title`, one of `bar`'s, as its key does (Alt with its
// letter, F10): with its first item highlighted, ready for Enter.
void openMenuByKey(QMenuBar* bar, QAction* title);

}  // namespace parabel::ui

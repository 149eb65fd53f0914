// The main window's commands, each one row of one table: its name, its text
// and hint in the catalog, its keys, its place in the menus and on the
// toolbar. The desktop window builds its actions, menus and toolbar from
// these rows and the page builds the same from them, so a command is written
// once for both.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/messages.h"

namespace parabel {

enum class CommandId : std::uint8_t {
    kSolve,
    kRefresh,
    kFullScreen,
    kClear,
    kSaveSolution,
    kSavePlot,
    kSavePdf,
    kLoad,
    kPrint,
    kWorksheet,
    kCopyLink,
    kExit,
    kCurveColor,
    kClearHistory,
    kAbout,
    kHistory,
    kFullScreenSave,
    kFullScreenRefresh,
    kFullScreenExit,
};

// Which faces show a command or a menu item.
enum class Faces : std::uint8_t { kWindow = 1, kPage = 2, kBoth = 3 };
bool ShowsOn(Faces faces, Faces face);

// The toolbar's pictures.
enum class ToolImage : std::uint8_t {
    kNone,
    kBlankPage,
    kOpenFolder,
    kFloppyDisk,
    kHardDisk,
    kGearWheels,
    kCirclingArrows,
    kMagnifyingGlass,
    kRunningFigure,
    kPower,
    kPrinter,
};

struct Command {
    CommandId id;
    // "save-solution": the page's data-command and element ids, the window's
    // object names ("saveSolutionAction").
    std::string_view name;
    Message text;  // the menu item's caption
    Message hint;  // the status bar's hint, without its key
    // Keys in Qt's portable text ("Ctrl+Shift+P"), several separated by
    // ", "; the first names the command in its hints. Empty: none. The page
    // keeps off the keys its browser takes for itself (Ctrl+W, Ctrl+E).
    std::string_view windowKeys;
    std::string_view pageKeys;
    // Whether the hint in a menu and on the toolbar ends in its key.
    bool menuHintNamesKey;
    bool toolHintNamesKey;
};

const Command& FindCommand(CommandId id);
std::optional<CommandId> CommandFromName(std::string_view name);
std::span<const Command> AllCommands();

// The keys of a command on a face; their first one.
std::string_view CommandKeys(const Command& command, Faces face);
std::string_view FirstKey(std::string_view keys);

// The hint as the status bar shows it in the current language:
// "Solve !!! (Enter)" in the menu, "Solve !!!" on the toolbar (in English).
std::string CommandHint(const Command& command, Faces face, bool onToolbar);

// kLanguages: the submenu of the languages (Message::kLanguageChoice), one
// item per offered language, each captioned with its own name
// (Message::kLanguageName in that language).
enum class MenuItemKind : std::uint8_t { kCommand, kSeparator, kSubmenu, kLanguages };

struct MenuItem {
    MenuItemKind kind;
    CommandId command = CommandId::kSolve;  // kCommand
    Message title = Message{};              // kSubmenu: its caption
    std::span<const MenuItem> items = {};   // kSubmenu: its items
    Faces faces = Faces::kBoth;
};

struct Menu {
    std::string_view name;  // "file", "settings", "help"
    Message title;          // "&File": the letter after '&' opens it with Alt
    std::span<const MenuItem> items;
};

// The main window's menu bar, left to right.
std::span<const Menu> MainMenus();
// The full-screen window's menu bar: three commands.
std::span<const CommandId> FullScreenMenu();

// The toolbar, left to right; nothing: a separator.
std::span<const std::optional<CommandId>> MainToolbar();
ToolImage CommandToolImage(CommandId id);

// A caption without its '&' mark ("&File" -> "File"), and the letter that
// follows the mark ("F"; a Cyrillic letter is two bytes; empty when there is
// none), both UTF-8.
std::string WithoutAccessMark(std::string_view caption);
std::string AccessLetter(std::string_view caption);

}  // namespace parabel

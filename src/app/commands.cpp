#include "commands.h"

#include <array>
#include <stdexcept>

#include "core/catalog.h"

namespace parabel {

namespace {

using enum CommandId;
using M = Message;

// name, text, hint, window keys, page keys, menu hint names key, toolbar hint names key
constexpr std::array kCommands{
    Command{kSolve, "solve", M::kCommandSolve, M::kCommandSolveHint, "Return, Enter", "Enter", true,
            false},
    Command{kRefresh, "refresh", M::kCommandRefresh, M::kCommandRefreshHint, "F5", "F5", true,
            true},
    Command{kFullScreen, "fullscreen", M::kCommandFullScreen, M::kCommandFullScreenHint, "Ctrl+P",
            "Ctrl+P", true, true},
    Command{kClear, "clear", M::kCommandClear, M::kCommandClearHint, "Ctrl+A", "Ctrl+A", true,
            true},
    Command{kSaveSolution, "save-solution", M::kCommandSaveSolution, M::kCommandSaveSolutionHint,
            "Ctrl+S", "Ctrl+S", true, true},
    Command{kSavePlot, "save-plot", M::kCommandSavePlot, M::kCommandSavePlotHint, "Ctrl+G",
            "Ctrl+G", true, true},
    Command{kSavePdf, "save-pdf", M::kCommandSavePdf, M::kCommandSavePdfHint, "", "", true, true},
    Command{kLoad, "load", M::kCommandLoad, M::kCommandLoadHint, "Ctrl+L", "Ctrl+L", true, true},
    Command{kPrint, "print", M::kCommandPrint, M::kCommandPrintHint, "Ctrl+Shift+P", "Ctrl+Shift+P",
            true, true},
    Command{kWorksheet, "worksheet", M::kCommandWorksheet, M::kCommandWorksheetHint, "", "", true,
            true},
    Command{kCopyLink, "copy-link", M::kCommandCopyLink, M::kCommandCopyLinkHint, "", "", true,
            true},
    Command{kExit, "exit", M::kCommandExit, M::kCommandExitHint, "Ctrl+E", "Ctrl+Alt+E", true,
            true},
    Command{kCurveColor, "color", M::kCommandCurveColor, M::kCommandCurveColorHint, "Ctrl+W",
            "Ctrl+Alt+W", true, true},
    Command{kClearHistory, "clear-history", M::kCommandClearHistory, M::kCommandClearHistoryHint,
            "", "", true, true},
    Command{kAbout, "about", M::kCommandAbout, M::kCommandAboutHint, "F1", "F1", false, true},
    Command{kHistory, "history", M::kCommandHistory, M::kCommandHistoryHint, "Alt+Down", "Alt+Down",
            true, true},
    Command{kFullScreenSave, "fullscreen-save", M::kFullScreenSave, M::kFullScreenSaveHint,
            "Ctrl+S", "Ctrl+S", true, true},
    Command{kFullScreenRefresh, "fullscreen-refresh", M::kCommandRefresh, M::kCommandRefreshHint,
            "Ctrl+F5", "Ctrl+F5", true, true},
    Command{kFullScreenExit, "fullscreen-exit", M::kCommandExit, M::kFullScreenExitHint, "Ctrl+E",
            "Escape", true, true},
};

constexpr MenuItem Item(CommandId id, Faces faces = Faces::kBoth) {
    return {MenuItemKind::kCommand, id, Message{}, {}, faces};
}
constexpr MenuItem kSeparator{MenuItemKind::kSeparator};

constexpr std::array kSaveItems{Item(kSaveSolution), Item(kSavePlot)};

constexpr std::array kFileItems{
    Item(kSolve),
    Item(kRefresh),
    kSeparator,
    Item(kFullScreen),
    kSeparator,
    Item(kClear),
    kSeparator,
    MenuItem{MenuItemKind::kSubmenu, kSolve, M::kMenuSave, kSaveItems},
    // The page prints to PDF through the browser's print.
    Item(kSavePdf, Faces::kWindow),
    Item(kLoad),
    kSeparator,
    Item(kPrint),
    Item(kWorksheet),
    Item(kCopyLink, Faces::kPage),
    kSeparator,
    Item(kExit),
};
constexpr std::array kSettingsItems{
    Item(kCurveColor),
    Item(kClearHistory),
    kSeparator,
    MenuItem{MenuItemKind::kLanguages, kSolve, M::kLanguageChoice},
};
constexpr std::array kHelpItems{Item(kAbout)};

constexpr std::array kMenus{
    Menu{"file", M::kMenuFile, kFileItems},
    Menu{"settings", M::kMenuSettings, kSettingsItems},
    Menu{"help", M::kMenuHelp, kHelpItems},
};

constexpr std::array kFullScreenMenu{kFullScreenSave, kFullScreenRefresh, kFullScreenExit};

constexpr std::array<std::optional<CommandId>, 14> kToolbar{
    kClear,      kLoad,        kSaveSolution, kSavePlot,    std::nullopt, kSolve,       kRefresh,
    kFullScreen, std::nullopt, kAbout,        std::nullopt, kExit,        std::nullopt, kPrint,
};

}  // namespace

bool ShowsOn(Faces faces, Faces face) {
    return (static_cast<unsigned>(faces) & static_cast<unsigned>(face)) != 0;
}

std::span<const Command> AllCommands() {
    return kCommands;
}

const Command& FindCommand(CommandId id) {
    for (const Command& command : kCommands) {
        if (command.id == id) {
            return command;
        }
    }
    throw std::logic_error("a command without a row");
}

std::optional<CommandId> CommandFromName(std::string_view name) {
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return command.id;
        }
    }
    return std::nullopt;
}

std::string_view CommandKeys(const Command& command, Faces face) {
    return face == Faces::kPage ? command.pageKeys : command.windowKeys;
}

std::string_view FirstKey(std::string_view keys) {
    return keys.substr(0, keys.find(", "));
}

std::string CommandHint(const Command& command, Faces face, bool onToolbar) {
    std::string_view key = FirstKey(CommandKeys(command, face));
    const bool namesKey = onToolbar ? command.toolHintNamesKey : command.menuHintNamesKey;
    if (key.empty() || !namesKey) {
        return std::string(Text(command.hint));
    }
    if (key == "Return") {
        key = "Enter";  // as the key is labelled
    } else if (key == "Escape") {
        key = "Esc";
    }
    return FormatText(M::kCommandHintWithKey, {{"hint", Text(command.hint)}, {"key", key}});
}

std::span<const Menu> MainMenus() {
    return kMenus;
}

std::span<const CommandId> FullScreenMenu() {
    return kFullScreenMenu;
}

std::span<const std::optional<CommandId>> MainToolbar() {
    return kToolbar;
}

ToolImage CommandToolImage(CommandId id) {
    switch (id) {
        case kClear:
            return ToolImage::kBlankPage;
        case kLoad:
            return ToolImage::kOpenFolder;
        case kSaveSolution:
            return ToolImage::kFloppyDisk;
        case kSavePlot:
            return ToolImage::kHardDisk;
        case kSolve:
            return ToolImage::kGearWheels;
        case kRefresh:
            return ToolImage::kCirclingArrows;
        case kFullScreen:
            return ToolImage::kMagnifyingGlass;
        case kAbout:
            return ToolImage::kRunningFigure;
        case kExit:
            return ToolImage::kPower;
        case kPrint:
            return ToolImage::kPrinter;
        default:
            return ToolImage::kNone;
    }
}

std::string WithoutAccessMark(std::string_view caption) {
    std::string text(caption);
    const std::size_t mark = text.find('&');
    if (mark != std::string::npos) {
        text.erase(mark, 1);
    }
    return text;
}

std::string AccessLetter(std::string_view caption) {
    const std::size_t mark = caption.find('&');
    if (mark == std::string_view::npos || mark + 1 >= caption.size()) {
        return {};
    }
    // One UTF-8 character: its lead byte, then its continuation bytes.
    std::size_t end = mark + 2;
    while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return std::string(caption.substr(mark + 1, end - mark - 1));
}

}  // namespace parabel

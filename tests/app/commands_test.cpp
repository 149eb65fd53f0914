#include "app/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/catalog.h"

namespace parabel {
namespace {

// Every command a menu, the full-screen menu or the toolbar names, with its
// face.
std::vector<CommandId> PlacedCommands(std::span<const MenuItem> items) {
    std::vector<CommandId> placed;
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::kCommand) {
            placed.push_back(item.command);
        } else if (item.kind == MenuItemKind::kSubmenu) {
            const auto inner = PlacedCommands(item.items);
            placed.insert(placed.end(), inner.begin(), inner.end());
        }
    }
    return placed;
}

// Each row has a unique name that finds it, and a caption and hint in every
// language; each menu and the toolbar name only commands that have a row, and
// every menu's caption has its Alt letter in every language.
TEST(CommandTable, EveryRowIsWholeInEveryLanguage) {
    std::set<std::string_view> names;
    std::set<CommandId> ids;
    for (const Command& command : AllCommands()) {
        SCOPED_TRACE(command.name);
        EXPECT_TRUE(names.insert(command.name).second) << "a name given twice";
        EXPECT_TRUE(ids.insert(command.id).second) << "an id given twice";
        EXPECT_EQ(CommandFromName(command.name), command.id);
        EXPECT_EQ(&FindCommand(command.id), &command);
        for (const Language language : OfferedLanguages()) {
            EXPECT_FALSE(WithoutAccessMark(Text(command.text, language)).empty());
            EXPECT_FALSE(Text(command.hint, language).empty());
        }
    }
    EXPECT_EQ(CommandFromName("frobnicate"), std::nullopt);
    std::vector<CommandId> placed;
    for (const Menu& menu : MainMenus()) {
        SCOPED_TRACE(menu.name);
        for (const Language language : OfferedLanguages()) {
            EXPECT_FALSE(AccessLetter(Text(menu.title, language)).empty());
        }
        const auto inMenu = PlacedCommands(menu.items);
        placed.insert(placed.end(), inMenu.begin(), inMenu.end());
    }
    placed.insert(placed.end(), FullScreenMenu().begin(), FullScreenMenu().end());
    for (const auto& tool : MainToolbar()) {
        if (tool) {
            placed.push_back(*tool);
            EXPECT_NE(CommandToolImage(*tool), ToolImage::kNone);
        }
    }
    for (const CommandId id : placed) {
        EXPECT_TRUE(ids.contains(id)) << static_cast<int>(id);
    }
}

// The hint as the status bar shows it: with the face's first key where the
// row says so, the key named as it is labelled.
TEST(CommandTable, HintsNameTheirKeyInTheCurrentLanguage) {
    struct Row {
        CommandId id;
        Faces face;
        bool onToolbar;
        const char* russian;
        const char* english;
    };
    const Row rows[] = {
        {CommandId::kSolve, Faces::kWindow, false, "Решать !!! (Enter)", "Solve !!! (Enter)"},
        {CommandId::kSolve, Faces::kWindow, true, "Решать !!!", "Solve !!!"},
        {CommandId::kExit, Faces::kWindow, false, "Выход из программы (Ctrl+E)",
         "Exit the program (Ctrl+E)"},
        {CommandId::kExit, Faces::kPage, true, "Выход из программы (Ctrl+Alt+E)",
         "Exit the program (Ctrl+Alt+E)"},
        {CommandId::kAbout, Faces::kWindow, false, "Краткое руководство по пользованию программы",
         "A short guide to the program"},
        {CommandId::kFullScreenExit, Faces::kPage, false, "Выход из полноэкранного режима (Esc)",
         "Leave full screen (Esc)"},
        {CommandId::kSavePdf, Faces::kWindow, false, "Сохранить решение и график в PDF",
         "Save the solution and the graph as PDF"},
    };
    for (const Row& row : rows) {
        const Command& command = FindCommand(row.id);
        SCOPED_TRACE(command.name);
        EXPECT_EQ(CommandHint(command, row.face, row.onToolbar), row.russian);
        SetLanguage(Language::kEn);
        EXPECT_EQ(CommandHint(command, row.face, row.onToolbar), row.english);
        SetLanguage(Language::kRu);
    }
}

TEST(CommandTable, CaptionsGiveTheirAltLetter) {
    struct Row {
        const char* caption;
        const char* shown;
        const char* letter;
    };
    const Row rows[] = {
        {"&Файл", "Файл", "Ф"}, {"&File", "File", "F"}, {"Со&хранить", "Сохранить", "х"},
        {"Save", "Save", ""},   {"Save&", "Save", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WithoutAccessMark(row.caption), row.shown);
        EXPECT_EQ(AccessLetter(row.caption), row.letter);
    }
}

}  // namespace
}  // namespace parabel

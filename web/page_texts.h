// The page's own texts and markup in the current language, made from the
// catalog and the command table: the build writes them into the page's HTML
// for its first paint, and the native module hands the same texts to the
// page when the language changes, so both always agree.
#pragma once

#include <string>
#include <string_view>

namespace parabel::web {

// A text by its page key: a catalog id ("window.equation"), or a command's
// or caption's text by a prefix: "caption:menu.save" (the caption without
// its '&'), "command:solve" (the menu item's text), "menu-hint:solve" and
// "tool-hint:solve" (the hint in a menu and on the toolbar, with the page's
// key). Empty for a key it does not know.
std::string PageText(std::string_view key);

// A menu title's access letter ("&Файл" -> "Ф") and the key that types it
// on the keyboard whatever the layout ("KeyA"); both empty without one.
struct AccessKey {
    std::string letter;
    std::string code;
};
AccessKey MenuAccessKey(std::string_view caption);

// The markup of the menu bar's titles and menus, of the toolbar and of the
// full-screen view's menu bar, as the page's script expects them.
std::string MenuBarMarkup();
std::string ToolbarMarkup();
std::string FullScreenMenuMarkup();

// A page template filled in: each "{{attribute=key ...}}" inside a start tag
// becomes those attributes with their texts (the attribute "text": the
// element's content) and a data-texts attribute naming the keys, so that the
// page can write them again in another language; "@menu-bar@",
// "@toolbar@", "@full-screen-menu@", "@panel-width@", "@panel-height@",
// "@lang@" and "@text:key@" (a text alone, JSON-escaped when `json`) are
// replaced too.
std::string FilledPage(std::string_view pageTemplate, bool json);

std::string EscapedHtml(std::string_view text);

}  // namespace parabel::web

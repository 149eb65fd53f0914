#include "page_texts.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "app/commands.h"
#include "core/catalog.h"
#include "plot/picture.h"

namespace parabel::web {

namespace {

// The key of each capital letter on a Cyrillic (ЙЦУКЕН) keyboard, the
// letters written as escapes: Alt with that key opens a menu whatever layout
// is on, as the desktop window does.
constexpr std::array<std::pair<std::string_view, std::string_view>, 33> kCyrillicKeys{{
    {"\u0419", "KeyQ"},      {"\u0426", "KeyW"},        {"\u0423", "KeyE"},
    {"\u041A", "KeyR"},      {"\u0415", "KeyT"},        {"\u041D", "KeyY"},
    {"\u0413", "KeyU"},      {"\u0428", "KeyI"},        {"\u0429", "KeyO"},
    {"\u0417", "KeyP"},      {"\u0425", "BracketLeft"}, {"\u042A", "BracketRight"},
    {"\u0424", "KeyA"},      {"\u042B", "KeyS"},        {"\u0412", "KeyD"},
    {"\u0410", "KeyF"},      {"\u041F", "KeyG"},        {"\u0420", "KeyH"},
    {"\u041E", "KeyJ"},      {"\u041B", "KeyK"},        {"\u0414", "KeyL"},
    {"\u0416", "Semicolon"}, {"\u042D", "Quote"},       {"\u042F", "KeyZ"},
    {"\u0427", "KeyX"},      {"\u0421", "KeyC"},        {"\u041C", "KeyV"},
    {"\u0418", "KeyB"},      {"\u0422", "KeyN"},        {"\u042C", "KeyM"},
    {"\u0411", "Comma"},     {"\u042E", "Period"},      {"\u0401", "Backquote"},
}};

// Pieces of markup in one string, allocated once.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (const std::string_view part : parts) {
        joined.append(part);
    }
    return joined;
}

std::string_view ToolImageFile(ToolImage image) {
    switch (image) {
        case ToolImage::kBlankPage:
            return "blank-page";
        case ToolImage::kOpenFolder:
            return "open-folder";
        case ToolImage::kFloppyDisk:
            return "floppy-disk";
        case ToolImage::kHardDisk:
            return "hard-disk";
        case ToolImage::kGearWheels:
            return "gear-wheels";
        case ToolImage::kCirclingArrows:
            return "circling-arrows";
        case ToolImage::kMagnifyingGlass:
            return "magnifying-glass";
        case ToolImage::kRunningFigure:
            return "running-figure";
        case ToolImage::kPower:
            return "power";
        case ToolImage::kPrinter:
            return "printer";
        case ToolImage::kNone:
            break;
    }
    return {};
}

std::string CatalogText(std::string_view id) {
    const std::optional<Message> message = MessageFromId(id);
    return message ? std::string(Text(*message)) : std::string();
}

// The text of a page key with a command's name after its prefix.
std::string CommandText(std::string_view kind, std::string_view name) {
    const std::optional<CommandId> id = CommandFromName(name);
    if (!id) {
        return {};
    }
    const Command& command = FindCommand(*id);
    if (kind == "command") {
        return WithoutAccessMark(Text(command.text));
    }
    if (kind == "hint") {
        return std::string(Text(command.hint));
    }
    return CommandHint(command, Faces::kPage, kind == "tool-hint");
}

// A title's content: the caption with its access letter underlined.
std::string TitleMarkup(std::string_view caption) {
    const std::size_t mark = caption.find('&');
    const std::string letter = AccessLetter(caption);
    if (mark == std::string_view::npos || letter.empty()) {
        return EscapedHtml(caption);
    }
    return EscapedHtml(caption.substr(0, mark)) + "<u>" + EscapedHtml(letter) + "</u>" +
           EscapedHtml(caption.substr(mark + 1 + letter.size()));
}

struct Tagged {
    std::string attributes;  // each with a space before it
    std::string content;
};

// "attribute=key attribute=key": those attributes with their texts, and the
// element's content for "text" and "title" (a menu title with its letter).
Tagged TextAttributes(std::string_view pairs) {
    Tagged tagged;
    std::string_view rest = pairs;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        const std::string_view pair = rest.substr(0, space);
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view attribute = pair.substr(0, equals);
        const std::string text = PageText(pair.substr(equals + 1));
        if (attribute == "text") {
            tagged.content = EscapedHtml(text);
        } else if (attribute == "title") {
            const AccessKey key = MenuAccessKey(text);
            tagged.content = TitleMarkup(text);
            tagged.attributes += " data-access=\"" + EscapedHtml(key.letter) +
                                 "\" data-access-code=\"" + key.code + "\"";
        } else {
            tagged.attributes += " " + std::string(attribute) + "=\"" + EscapedHtml(text) + "\"";
        }
    }
    tagged.attributes += " data-texts=\"" + EscapedHtml(pairs) + "\"";
    return tagged;
}

std::string Element(std::string_view start, std::string_view pairs, std::string_view end) {
    const Tagged tagged = TextAttributes(pairs);
    return std::string(start) + tagged.attributes + ">" + tagged.content + std::string(end);
}

std::string ElementId(Message title) {
    std::string id(MessageId(title));
    for (char& character : id) {
        character = character == '.' || character == '_' ? '-' : character;
    }
    return id;
}

std::string CommandItem(const Command& command) {
    const std::string name(command.name);
    std::string kbd(FirstKey(CommandKeys(command, Faces::kPage)));
    return Element("<button type=\"button\" role=\"menuitem\" class=\"menu-item\" id=\"cmd-" +
                       name + "\" data-command=\"" + name + "\"",
                   "data-hint=menu-hint:" + name, "") +
           Element("<span", "text=command:" + name, "</span>") + "<kbd>" + kbd +
           "</kbd></button>\n";
}

constexpr std::string_view kLanguageItemStart =
    "<button type=\"button\" role=\"menuitemradio\" aria-checked=\"false\" class=\"menu-item\" "
    "id=\"language-";

std::string LanguageItems() {
    std::string markup;
    for (const Language language : OfferedLanguages()) {
        const std::string code(LanguageCode(language));
        markup += Joined({kLanguageItemStart, code, "\" data-language=\"", code, "\" lang=\"", code,
                          "\"><span>", EscapedHtml(Text(Message::kLanguageName, language)),
                          "</span><kbd></kbd></button>\n"});
    }
    return markup;
}

std::string MenuItems(std::span<const MenuItem> items);

std::string Submenu(Message title, std::string_view id, const std::string& items) {
    const std::string pairs = "text=caption:" + std::string(MessageId(title));
    return "<div class=\"submenu-holder\">\n" +
           Element(
               "<button type=\"button\" role=\"menuitem\" class=\"menu-item\" "
               "aria-haspopup=\"menu\" aria-expanded=\"false\" id=\"" +
                   std::string(id) + "\"><span",
               pairs, "</span><kbd class=\"arrow\">\u25B8</kbd></button>\n") +
           "<div class=\"menu submenu\" role=\"menu\" aria-labelledby=\"" + std::string(id) +
           "\" hidden>\n" + items + "</div>\n</div>\n";
}

std::string MenuItems(std::span<const MenuItem> items) {
    std::string markup;
    for (const MenuItem& item : items) {
        if (!ShowsOn(item.faces, Faces::kPage)) {
            continue;
        }
        switch (item.kind) {
            case MenuItemKind::kCommand:
                markup += CommandItem(FindCommand(item.command));
                break;
            case MenuItemKind::kSeparator:
                markup += "<div role=\"separator\" class=\"menu-separator\"></div>\n";
                break;
            case MenuItemKind::kSubmenu:
                markup += Submenu(item.title, ElementId(item.title), MenuItems(item.items));
                break;
            case MenuItemKind::kLanguages:
                markup += Submenu(item.title, "menu-language", LanguageItems());
                break;
        }
    }
    return markup;
}

}  // namespace

std::string EscapedHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char character : text) {
        switch (character) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += character;
        }
    }
    return escaped;
}

std::string PageText(std::string_view key) {
    const std::size_t colon = key.find(':');
    if (colon == std::string_view::npos) {
        return CatalogText(key);
    }
    const std::string_view kind = key.substr(0, colon);
    const std::string_view name = key.substr(colon + 1);
    if (kind == "caption") {
        return WithoutAccessMark(CatalogText(name));
    }
    return CommandText(kind, name);
}

AccessKey MenuAccessKey(std::string_view caption) {
    std::string letter = AccessLetter(caption);
    if (letter.size() == 1) {
        const char character = letter[0];
        letter[0] = character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                         : character;
        const bool latin = letter[0] >= 'A' && letter[0] <= 'Z';
        return {letter, latin ? "Key" + letter : std::string()};
    }
    for (const auto& [cyrillic, code] : kCyrillicKeys) {
        if (cyrillic == letter) {
            return {letter, std::string(code)};
        }
    }
    return {letter, {}};
}

std::string MenuBarMarkup() {
    std::string markup;
    for (const Menu& menu : MainMenus()) {
        const std::string id = "menu-" + std::string(menu.name);
        const std::string title =
            Element(Joined({"<button type=\"button\" class=\"menu-title\" role=\"menuitem\" "
                            "aria-haspopup=\"menu\" aria-expanded=\"false\" id=\"",
                            id, "\""}),
                    Joined({"title=", MessageId(menu.title)}), "</button>\n");
        markup += Joined({"<div class=\"menu-title-holder\">\n", title,
                          "<div class=\"menu\" role=\"menu\" aria-labelledby=\"", id,
                          "\" hidden>\n", MenuItems(menu.items), "</div>\n</div>\n"});
    }
    return markup;
}

std::string ToolbarMarkup() {
    std::string markup;
    for (const std::optional<CommandId>& tool : MainToolbar()) {
        if (!tool) {
            markup +=
                "<div class=\"tool-separator\" role=\"separator\" "
                "aria-orientation=\"vertical\"></div>\n";
            continue;
        }
        const std::string name(FindCommand(*tool).name);
        markup +=
            Element(Joined({"<button type=\"button\" class=\"tool\" data-command=\"", name, "\""}),
                    Joined({"data-hint=tool-hint:", name, " aria-label=hint:", name,
                            " aria-description=tool-hint:", name}),
                    "");
        markup += Joined({"<img src=\"images/", ToolImageFile(CommandToolImage(*tool)),
                          ".svg\" alt=\"\" width=\"16\" height=\"16\"></button>\n"});
    }
    return markup;
}

std::string FullScreenMenuMarkup() {
    std::string markup;
    for (const CommandId id : FullScreenMenu()) {
        if (!markup.empty()) {
            markup += "<span class=\"menu-divider\" aria-hidden=\"true\"></span>\n";
        }
        const std::string name(FindCommand(id).name);
        markup +=
            Element(Joined({"<button type=\"button\" role=\"menuitem\" class=\"menu-title\" id=\"",
                            name, "\" data-command=\"", name, "\""}),
                    Joined({"text=command:", name, " data-hint=menu-hint:", name}), "</button>\n");
    }
    return markup;
}

namespace {

std::string EscapedJson(std::string_view text) {
    std::string escaped;
    for (const char character : text) {
        if (character == '"' || character == '\\') {
            escaped += '\\';
        }
        escaped += character;
    }
    return escaped;
}

// Each "{{pairs}}" in a start tag: the attributes, and the content after the
// tag's end.
std::string WithTextAttributes(std::string_view page) {
    std::string filled;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = page.find("{{", at);
        const std::size_t close = page.find("}}", open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            break;
        }
        const Tagged tagged = TextAttributes(page.substr(open + 2, close - open - 2));
        const std::size_t tagEnd = page.find('>', close);
        filled.append(page.substr(at, open - at));
        // the space before the placeholder stays
        filled.append(tagged.attributes.substr(1));
        filled.append(page.substr(close + 2, tagEnd + 1 - close - 2));
        filled.append(tagged.content);
        at = tagEnd + 1;
    }
    filled.append(page.substr(at));
    return filled;
}

std::string Replaced(std::string text, std::string_view token, std::string_view value) {
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size())) {
        text.replace(at, token.size(), value);
    }
    return text;
}

}  // namespace

std::string FilledPage(std::string_view pageTemplate, bool json) {
    std::string page = json ? std::string(pageTemplate) : WithTextAttributes(pageTemplate);
    page = Replaced(std::move(page), "@menu-bar@", MenuBarMarkup());
    page = Replaced(std::move(page), "@toolbar@", ToolbarMarkup());
    page = Replaced(std::move(page), "@full-screen-menu@", FullScreenMenuMarkup());
    page = Replaced(std::move(page), "@panel-width@", std::to_string(MainPictureLayout().width));
    page = Replaced(std::move(page), "@panel-height@", std::to_string(MainPictureLayout().height));
    page = Replaced(std::move(page), "@lang@", LanguageCode(CurrentLanguage()));
    for (std::size_t at = page.find("@text:"); at != std::string::npos;
         at = page.find("@text:", at)) {
        const std::size_t end = page.find('@', at + 1);
        const std::string text = PageText(std::string_view(page).substr(at + 6, end - at - 6));
        const std::string value = json ? EscapedJson(text) : EscapedHtml(text);
        page.replace(at, end + 1 - at, value);
        at += value.size();
    }
    return page;
}

}  // namespace parabel::web

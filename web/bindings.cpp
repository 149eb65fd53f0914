// The page's one native module: the window model and the full-screen model
// bound for JavaScript. The boundary is plain data: texts as strings, files
// and settings as bytes (Uint8Array) both ways, pixels as an RGBA view for
// ImageData, a command's box as {caption, message} or null.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/author_details.h"
#include "app/equation_field.h"
#include "app/equation_link.h"
#include "app/full_screen_model.h"
#include "app/interface_language.h"
#include "app/main_window_model.h"
#include "app/printed_page.h"
#include "app/settings_store.h"
#include "app/worksheet.h"
#include "app/worksheet_pages.h"
#include "app/worksheet_words.h"
#include "core/catalog.h"
#include "core/decimal_separator.h"
#include "page_texts.h"
#include "picture_bytes.h"
#include "plot/color.h"
#include "plot/picture.h"
#include "worksheet_request.h"

namespace parabel::web {

namespace {

using emscripten::val;

val ErrorOf(const Report& report) {
    if (!report.HasError()) {
        return val::null();
    }
    val error = val::object();
    error.set("caption", report.errorCaption);
    error.set("message", report.errorMessage);
    return error;
}

// A copy the page owns: the module's memory may move when it grows.
val BytesOf(const std::vector<std::uint8_t>& bytes) {
    return val(emscripten::typed_memory_view(bytes.size(), bytes.data())).call<val>("slice");
}

val BytesOf(const std::string& bytes) {
    return val(emscripten::typed_memory_view(bytes.size(),
                                             reinterpret_cast<const std::uint8_t*>(bytes.data())))
        .call<val>("slice");
}

// A view of the module's memory, for a canvas to copy at once.
val ViewOf(const std::vector<std::uint8_t>& bytes) {
    return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

// The general error report's caption: the program's title.
constexpr const char* kTitle = "Parabel";

// The page's window and its full-screen view together, as the window owns
// both, with Inf.ini's text as the browser keeps it and the size of the
// screen the full-screen view shows on. The page keeps a solve's equation in
// the history once it has shown the solve.
struct Page {
    Page()
        : window(kTitle, settings, history),
          fullScreen(kTitle, window.plotState(), [this] { return screen; }) {
        window.PaintFirstTime();
        window.DeferHistory();
    }

    SettingsText settings;
    HistoryText history;
    ScreenSize screen;
    MainWindowModel window;
    FullScreenModel fullScreen;
    std::vector<std::uint8_t> rgba;  // the last picture handed to a canvas
};

val Rgba(Page& page, const FramedSurface& picture) {
    PictureRgba(picture, page.rgba);
    return ViewOf(page.rgba);
}

// Everything a solve or load changes, in one call: the box, the field, the
// list, and the panel's picture (a view, as Rgba) with its description.
val SolveReportOf(Page& page, const SolveReport& report) {
    val result = val::object();
    result.set("error", ErrorOf(report));
    result.set("fieldText", report.fieldText ? val(*report.fieldText) : val::null());
    val lines = val::null();
    if (report.listReplaced) {
        lines = val::array();
        for (const std::string& line : report.lines) {
            lines.call<void>("push", line);
        }
    }
    result.set("lines", lines);
    result.set("rgba", Rgba(page, page.window.Picture()));
    result.set("description", page.window.Description());
    return result;
}

val SolveOn(Page& page, const std::string& fieldText) {
    return SolveReportOf(page, page.window.Solve(fieldText));
}

val LoadOn(Page& page, const std::string& fileBytes) {
    return SolveReportOf(page, page.window.LoadBytes(fileBytes));
}

val OpenFullScreen(Page& page, int width, int height) {
    page.screen = {width, height};
    page.fullScreen.LayOut();
    page.fullScreen.BeginOpening();
    return ErrorOf(page.fullScreen.DrawOnce());
}

val FullScreenPointer(Page& page, int x, int y) {
    const Report report = page.fullScreen.DrawOnce();
    val result = val::object();
    result.set("text", page.fullScreen.PointerText(x, y));
    result.set("error", ErrorOf(report));
    return result;
}

val ChooseColor(Page& page, const val& chosen) {
    // Cancel, or anything that is no colour, chooses nothing.
    std::optional<ColorValue> color;
    if (chosen.isString()) {
        color = ColorFromHex(chosen.as<std::string>());
    }
    return ErrorOf(page.window.ChooseCurveColor(color));
}

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) {
        array.call<void>("push", text);
    }
    return array;
}

val TextOrNull(const std::optional<std::string>& text) {
    return text ? val(*text) : val::null();
}

// The history as the browser keeps it, read now and again before each write
// by the page's function (a string, or null for none), as the window reads
// its file: so tabs that solve in turn add to one history.
void ReadHistory(Page& page, const val& read) {
    page.history.SetSource([read]() -> std::optional<std::string> {
        const val kept = read();
        return kept.isString() ? std::optional(kept.as<std::string>()) : std::nullopt;
    });
    page.window.ReadHistory();
}

// A printout in millimetres and points: its sheets (each its lines, the
// plot's top or null, and its second column's lines) and its measures.
val DocumentOf(const PrintedDocument& printed) {
    val pages = val::array();
    for (const PrintedPage& printedPage : printed.pages) {
        val sheet = val::object();
        sheet.set("lines", Strings(printedPage.lines));
        sheet.set("plotTop", printedPage.plotTop ? val(*printedPage.plotTop) : val::null());
        sheet.set("secondColumn", Strings(printedPage.secondColumn));
        pages.call<void>("push", sheet);
    }
    val result = val::object();
    result.set("paper", std::string(printed.paper.name));
    result.set("paperWidth", printed.paper.width);
    result.set("paperHeight", printed.paper.height);
    result.set("pages", pages);
    result.set("textLeft", printed.textLeft);
    result.set("textTop", printed.textTop);
    result.set("fontSizePt", printed.fontSizePt);
    result.set("lineHeight", printed.lineHeight);
    result.set("plotLeft", printed.plotLeft);
    result.set("pictureWidth", printed.pictureWidth);
    result.set("pictureHeight", printed.pictureHeight);
    result.set("picturePixel", kPicturePixel);
    result.set("margin", printed.margin);
    result.set("secondColumnLeft", printed.secondColumnLeft);
    result.set("footerLeft", printed.footerLeft);
    result.set("footerRight", printed.footerRight);
    result.set("footerBaseline", printed.footerBaseline);
    result.set("footerFontSizePt", printed.footerFontSizePt);
    return result;
}

// The printed pages for the browser's language (its paper) and today's date,
// in millimetres and points; null while there is nothing to print.
val PrintedDocumentOf(Page& page, const std::string& language, int day, int month, int year) {
    const std::optional<PrintedDocument> printed =
        page.window.PrintedDocumentOn(PaperOfLanguage(language), {day, month, year});
    return printed ? DocumentOf(*printed) : val::null();
}

// The dialog's fields as JavaScript hands them: {seed, count, variants,
// kinds}, each a string.
WorksheetFields FieldsOf(const val& fields) {
    return {fields["seed"].as<std::string>(), fields["count"].as<std::string>(),
            fields["variants"].as<std::string>(), fields["kinds"].as<std::string>()};
}

// A worksheet asked for by text: {fields, error (a message or null),
// variants: null, or [{number, equations: [{equation, kind, answer}]}]}.
val WorksheetOf(const WorksheetReading& reading) {
    val fields = val::object();
    fields.set("seed", reading.fields.seed);
    fields.set("count", reading.fields.count);
    fields.set("variants", reading.fields.variants);
    fields.set("kinds", reading.fields.kinds);
    val result = val::object();
    result.set("fields", fields);
    result.set("error", reading.request ? val::null() : val(reading.error));
    val variants = val::null();
    if (reading.request) {
        variants = val::array();
        for (const WorksheetVariant& variant : MakeWorksheet(*reading.request).variants) {
            val equations = val::array();
            for (const WorksheetEquation& equation : variant.equations) {
                val shown = val::object();
                shown.set("equation", equation.text);
                shown.set("kind", std::string(KindName(equation.kind)));
                shown.set("answer", AnswerLine(equation));
                equations.call<void>("push", shown);
            }
            val shown = val::object();
            shown.set("number", variant.number);
            shown.set("equations", equations);
            variants.call<void>("push", shown);
        }
    }
    result.set("variants", variants);
    return result;
}

val WorksheetOfAddress(const std::string& fragment) {
    const std::optional<WorksheetReading> reading = ReadWorksheetAddress(fragment);
    return reading ? WorksheetOf(*reading) : val::null();
}

// What a worksheet prints, every variant's sheet and then every variant's
// key, for the browser's language and today; an empty array for fields that
// ask for no worksheet.
val WorksheetDocuments(const val& fields, bool workedSolutions, const std::string& language,
                       int day, int month, int year) {
    val documents = val::array();
    const WorksheetReading reading = ReadWorksheetFields(FieldsOf(fields));
    if (reading.request) {
        for (const PrintedDocument& printed :
             LayOutWorksheet(PaperOfLanguage(language), MakeWorksheet(*reading.request),
                             workedSolutions, {day, month, year})) {
            documents.call<void>("push", DocumentOf(printed));
        }
    }
    return documents;
}

// The kinds from the easiest: [{name, title}].
val WorksheetKinds() {
    val kinds = val::array();
    for (const EquationKind kind : AllKinds()) {
        val shown = val::object();
        shown.set("name", std::string(KindName(kind)));
        shown.set("title", KindTitle(kind));
        kinds.call<void>("push", shown);
    }
    return kinds;
}

val ReadSettings(Page& page, const std::string& settingsText) {
    page.settings.SetBytes(settingsText);
    return ErrorOf(page.window.ReadCurveColor());
}

// The About box's texts.
val AuthorDetails() {
    val details = val::object();
    details.set("name", std::string(author::kName));
    details.set("nickName", std::string(author::kNickName));
    details.set("yearAndPlace", std::string(Text(Message::kAboutPlace)));
    details.set("site", std::string(author::kSite));
    details.set("mail", std::string(author::kMail));
    details.set("icq", std::string(author::kIcq));
    return details;
}

// A menu title in the current language: its caption cut around the access
// letter (before, letter, after; all in before without one), and the key
// that types the letter.
val MenuTitle(const std::string& id) {
    const std::string caption = PageText(id);
    const AccessKey key = MenuAccessKey(caption);
    const std::size_t mark = caption.find('&');
    val title = val::object();
    title.set("before", key.letter.empty() ? caption : caption.substr(0, mark));
    title.set("letter",
              key.letter.empty() ? std::string() : caption.substr(mark + 1, key.letter.size()));
    title.set("after",
              key.letter.empty() ? std::string() : caption.substr(mark + 1 + key.letter.size()));
    title.set("accessLetter", key.letter);
    title.set("code", key.code);
    return title;
}

std::optional<std::string> OptionalText(const val& text) {
    return text.isString() ? std::optional(text.as<std::string>()) : std::nullopt;
}

// The language to speak: ?lang= for this visit, the remembered choice,
// the browser's languages (each null or a string; the list an array).
std::string ChooseLanguageOf(const val& forThisRun, const val& remembered, const val& preferences) {
    const std::optional<std::string> thisRun = OptionalText(forThisRun);
    const std::optional<std::string> kept = OptionalText(remembered);
    std::vector<std::string> wanted;
    const int count = preferences.isArray() ? preferences["length"].as<int>() : 0;
    for (int index = 0; index < count; ++index) {
        if (preferences[index].isString()) {
            wanted.push_back(preferences[index].as<std::string>());
        }
    }
    LanguageSources sources{.preferences = wanted};
    if (thisRun) {
        sources.forThisRun = *thisRun;
    }
    if (kept) {
        sources.remembered = *kept;
    }
    return std::string(LanguageCode(ChooseLanguage(sources)));
}

// Sets the language a code names; a code the catalog lacks changes nothing.
void SetLanguageOf(const std::string& code) {
    if (const std::optional<Language> language = LanguageFromCode(code)) {
        SetLanguage(*language);
    }
}

std::string LanguageChoiceOf(const std::string& code) {
    return LanguageChoiceText(LanguageFromCode(code).value_or(CurrentLanguage()));
}

val ChangeLanguageOn(Page& page, const std::string& code) {
    return SolveReportOf(
        page, page.window.ChangeLanguage(LanguageFromCode(code).value_or(CurrentLanguage())));
}

void SetSeparator(const std::string& separator) {
    SetDecimalSeparator(separator.size() == 1 ? separator[0] : '.');
}

}  // namespace

EMSCRIPTEN_BINDINGS(parabel_page) {
    using emscripten::function;
    using emscripten::optional_override;

    function("setDecimalSeparator", &SetSeparator);
    function("text", optional_override([](const std::string& key) { return PageText(key); }));
    function("menuTitle", &MenuTitle);
    function("chooseLanguage", &ChooseLanguageOf);
    function("setLanguage", &SetLanguageOf);
    function("language",
             optional_override([] { return std::string(LanguageCode(CurrentLanguage())); }));
    function("languageChoiceText", &LanguageChoiceOf);
    function("fieldText",
             optional_override([](const std::string& typed) { return EquationFieldText(typed); }));
    function("fitsField", optional_override([](const std::string& fieldText) {
                 return FitsEquationField(fieldText);
             }));
    function("equationTooLong", optional_override([] { return ErrorOf(EquationTooLongBox()); }));
    function("pointerText", &MainWindowModel::PointerText);
    function("authorDetails", &AuthorDetails);
    function("copyRefused",
             optional_override([] { return ErrorOf(MainWindowModel::CopyRefused()); }));
    function("fragmentOf", optional_override([](const std::string& fieldText) {
                 return EquationFragment(fieldText);
             }));
    function("equationOfFragment", optional_override([](const std::string& fragment) {
                 return TextOrNull(EquationOfFragment(fragment));
             }));
    function("nothingToPrint",
             optional_override([] { return ErrorOf(MainWindowModel::NothingToPrint()); }));
    function("buttonFaceHex",
             optional_override([] { return HexOfPixel(SystemColor(kButtonFace)); }));
    function("worksheetKinds", &WorksheetKinds);
    function("worksheet", optional_override([](const val& fields) {
                 return WorksheetOf(ReadWorksheetFields(FieldsOf(fields)));
             }));
    function("worksheetOfAddress", &WorksheetOfAddress);
    function("worksheetDocuments", &WorksheetDocuments);
    function("newWorksheetSeed",
             optional_override([] { return std::to_string(NewWorksheetSeed()); }));
    emscripten::constant("maxFirstLine", static_cast<int>(MainWindowModel::kLoadedBytes));
    emscripten::constant("panelWidth", MainPictureLayout().width);
    emscripten::constant("panelHeight", MainPictureLayout().height);
    emscripten::constant("smallestFullScreenWidth", kSmallestFullScreen.width);
    emscripten::constant("smallestFullScreenHeight", kSmallestFullScreen.height);
    emscripten::constant("printDotsPerPixel", DotsPerPicturePixel(kPrintDotsPerInch));
    emscripten::constant("millimetresPerPoint", kPointMm);

    emscripten::class_<Page>("Page")
        .constructor<>()
        .function("solve", &SolveOn)
        .function("load", &LoadOn)
        .function("refresh",
                  optional_override([](Page& page) { return ErrorOf(page.window.Refresh()); }))
        .function("clear",
                  optional_override([](Page& page) { return ErrorOf(page.window.Clear()); }))
        .function("afterModal",
                  optional_override([](Page& page) { return ErrorOf(page.window.Refresh()); }))
        .function("panelRgba",
                  optional_override([](Page& page) { return Rgba(page, page.window.Picture()); }))
        .function("description",
                  optional_override([](Page& page) { return page.window.Description(); }))
        .function("solutionFile",
                  optional_override([](Page& page) { return BytesOf(page.window.SolutionFile()); }))
        .function("plotBmp", optional_override([](Page& page) {
                      return BytesOf(ContentBytes(page.window.PictureFile(RasterFormat::kBmp)));
                  }))
        .function("copiedSolution",
                  optional_override([](Page& page) { return page.window.CopiedSolution(); }))
        .function("changeLanguage", &ChangeLanguageOn)
        .function("readSettings", &ReadSettings)
        .function("settingsText",
                  optional_override([](Page& page) { return BytesOf(page.settings.bytes()); }))
        .function("curveColorHex",
                  optional_override([](Page& page) { return page.window.CurveColorHex(); }))
        .function("chooseCurveColor", &ChooseColor)
        .function("openFullScreen", &OpenFullScreen)
        .function("refreshFullScreen",
                  optional_override([](Page& page) { return ErrorOf(page.fullScreen.Refresh()); }))
        .function("fullScreenPointer", &FullScreenPointer)
        .function("fullScreenWidth",
                  optional_override([](Page& page) { return page.fullScreen.layout().width; }))
        .function("fullScreenHeight",
                  optional_override([](Page& page) { return page.fullScreen.layout().height; }))
        .function("fullScreenRgba", optional_override([](Page& page) {
                      return Rgba(page, page.fullScreen.Picture());
                  }))
        .function("fullScreenBmp", optional_override([](Page& page) {
                      return BytesOf(ContentBytes(page.fullScreen.PictureFile(RasterFormat::kBmp)));
                  }))
        .function("readHistory", &ReadHistory)
        .function("history", optional_override([](Page& page) {
                      page.window.KeepSolvedInHistory();
                      return Strings(page.window.history());
                  }))
        .function("historyText", optional_override([](Page& page) {
                      page.window.KeepSolvedInHistory();
                      return TextOrNull(page.history.text());
                  }))
        .function("historyOlder", optional_override([](Page& page, const std::string& typed) {
                      return TextOrNull(page.window.HistoryOlder(typed));
                  }))
        .function("historyNewer", optional_override([](Page& page) {
                      return TextOrNull(page.window.HistoryNewer());
                  }))
        .function("endHistoryWalk",
                  optional_override([](Page& page) { page.window.EndHistoryWalk(); }))
        .function("clearHistory", optional_override([](Page& page) { page.window.ClearHistory(); }))
        .function("printedDocument", &PrintedDocumentOf);
}

}  // namespace parabel::web

// The page's one native module: the page model and the full-screen model
// bound for JavaScript. The boundary is plain data: texts as strings, files
// and settings as bytes (Uint8Array) both ways, pixels as an RGBA view for
// ImageData, a command's box as {caption, message} or null.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>

#include "app/author_details.h"
#include "core/decimal_separator.h"
#include "full_screen_model.h"
#include "io/text_files.h"
#include "page_model.h"
#include "plot/color.h"

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

val SolveReportOf(const SolveReport& report) {
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
    return result;
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

// The page and its full-screen view together, as the window owns both.
struct Page {
    Page() : fullScreen(model.plotState()) {}

    PageModel model;
    FullScreenModel fullScreen;
};

val SolveOn(Page& page, const std::string& text) {
    return SolveReportOf(page.model.Solve(text));
}

val LoadOn(Page& page, const std::string& fileBytes) {
    return SolveReportOf(page.model.LoadEquation(fileBytes));
}

val FullScreenPointer(Page& page, int x, int y) {
    Report report;
    const std::string text = page.fullScreen.PointerText(x, y, report);
    val result = val::object();
    result.set("text", text);
    result.set("error", ErrorOf(report));
    return result;
}

val ChooseColor(Page& page, val chosen) {
    if (chosen.isNull() || chosen.isUndefined()) {
        return ErrorOf(page.model.ChooseCurveColor(std::nullopt));
    }
    const std::string hex = chosen.as<std::string>();
    return ErrorOf(page.model.ChooseCurveColor(hex));
}

// The About box's texts.
val AuthorDetails() {
    val details = val::object();
    details.set("name", std::string(author::kName));
    details.set("nickName", std::string(author::kNickName));
    details.set("yearAndPlace", std::string(author::kYearAndPlace));
    details.set("site", std::string(author::kSite));
    details.set("mail", std::string(author::kMail));
    details.set("icq", std::string(author::kIcq));
    return details;
}

void SetSeparator(const std::string& separator) {
    SetDecimalSeparator(separator.size() == 1 ? separator[0] : '.');
}

}  // namespace

EMSCRIPTEN_BINDINGS(parabel_page) {
    using emscripten::function;
    using emscripten::optional_override;

    function("setDecimalSeparator", &SetSeparator);
    function("fieldText", optional_override([](const std::string& typed) {
                 return PageModel::FieldText(typed);
             }));
    function("pointerText", &PageModel::PointerText);
    function("authorDetails", &AuthorDetails);
    function("errorReport", optional_override([](const std::string& message) {
                 return ErrorOf(ErrorReport(message));
             }));
    function("buttonFaceHex", optional_override([] {
                 char hex[8];
                 std::snprintf(hex, sizeof hex, "#%06x",
                               static_cast<unsigned>(SystemColor(kButtonFace) & 0xFFFFFF));
                 return std::string(hex);
             }));
    emscripten::constant("maxFirstLine", static_cast<int>(kMaxFirstLine));

    emscripten::class_<Page>("Page")
        .constructor<>()
        .function("solve", &SolveOn)
        .function("load", &LoadOn)
        .function("refresh",
                  optional_override([](Page& page) { return ErrorOf(page.model.Refresh()); }))
        .function("clear",
                  optional_override([](Page& page) { return ErrorOf(page.model.Clear()); }))
        .function("afterModal",
                  optional_override([](Page& page) { return ErrorOf(page.model.AfterModal()); }))
        .function("panelRgba",
                  optional_override([](Page& page) { return ViewOf(page.model.PanelRgba()); }))
        .function("description",
                  optional_override([](Page& page) { return page.model.Description(); }))
        .function("solutionFile",
                  optional_override([](Page& page) { return BytesOf(page.model.SolutionFile()); }))
        .function("plotBmp",
                  optional_override([](Page& page) { return BytesOf(page.model.PlotBmp()); }))
        .function("copiedSolution",
                  optional_override([](Page& page) { return page.model.CopiedSolution(); }))
        .function("readSettings", optional_override([](Page& page, const std::string& text) {
                      return ErrorOf(page.model.ReadSettings(text));
                  }))
        .function("writeSettings", optional_override([](Page& page, const std::string& text) {
                      return BytesOf(page.model.WriteSettings(text));
                  }))
        .function("curveColorHex",
                  optional_override([](Page& page) { return page.model.CurveColorHex(); }))
        .function("chooseCurveColor", &ChooseColor)
        .function("openFullScreen", optional_override([](Page& page, int width, int height) {
                      return ErrorOf(page.fullScreen.Open(width, height));
                  }))
        .function("refreshFullScreen",
                  optional_override([](Page& page) { return ErrorOf(page.fullScreen.Refresh()); }))
        .function("fullScreenPointer", &FullScreenPointer)
        .function("fullScreenWidth",
                  optional_override([](Page& page) { return page.fullScreen.width(); }))
        .function("fullScreenHeight",
                  optional_override([](Page& page) { return page.fullScreen.height(); }))
        .function("fullScreenRgba",
                  optional_override([](Page& page) { return ViewOf(page.fullScreen.Rgba()); }))
        .function("fullScreenBmp",
                  optional_override([](Page& page) { return BytesOf(page.fullScreen.Bmp()); }));
}

}  // namespace parabel::web

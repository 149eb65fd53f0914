#include "json.h"

#include <cstdio>

#include "core/decimal_separator.h"
#include "core/real_to_text.h"
#include "core/solver.h"
#include "core/utf8.h"

namespace parabel::cli {

namespace {

// The length of the valid UTF-8 sequence starting at text[i]; 0 when none
// does.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    std::size_t next = i;
    char32_t codePoint;
    return DecodeUtf8(text, next, codePoint) ? next - i : 0;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            json += "\xEF\xBF\xBD";  // U+FFFD
            ++i;
            continue;
        }
        if (length > 1) {
            json.append(text, i, length);
        } else if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
        } else {
            json += c;
        }
        i += length;
    }
    return json + '"';
}

std::string JsonStrings(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (const std::string& text : texts) {
        if (json.size() > 1) {
            json += ',';
        }
        json += JsonString(text);
    }
    return json + ']';
}

namespace {

std::string JsonError(const char* kind, const std::string& message) {
    return "\"error\":{\"kind\":" + JsonString(kind) + ",\"message\":" + JsonString(message) + "}";
}

// A number as the program writes it, with '.' whatever the separator.
std::string JsonNumberText(Extended value) {
    const ScopedDecimalSeparator point('.');
    return JsonString(RealToText(value));
}

std::string JsonRoot(double root) {
    return root == kNoRoot ? "null" : JsonNumberText(Extended::FromDouble(root));
}

}  // namespace

std::string JsonOfSolve(const std::string& input, const SolveOutcome& outcome) {
    std::string json = "{\"input\":" + JsonString(input) +
                       ",\"equation\":" + JsonString(outcome.saved.front()) +
                       ",\"lines\":" + JsonStrings(outcome.saved) + ",";
    if (outcome.failure == SolveFailure::kNone) {
        json += "\"a\":" + JsonNumberText(outcome.a) + ",\"b\":" + JsonNumberText(outcome.b) +
                ",\"c\":" + JsonNumberText(outcome.c) +
                ",\"discriminant\":" + JsonNumberText(outcome.discriminant.value_or(0)) +
                ",\"roots\":[" + JsonRoot(outcome.root1) + "," + JsonRoot(outcome.root2) + "]";
    } else {
        json += JsonError(FailureName(outcome.failure), FailureMessage(outcome.failure));
    }
    return json + "}";
}

std::string JsonOfSkippedLine(const std::string& message) {
    return "{\"input\":null,\"equation\":null,\"lines\":[]," + JsonError("text", message) + "}";
}

std::string JsonOfRefusedText(const std::string& input, const std::string& message) {
    return "{\"input\":" + JsonString(input) + ",\"equation\":null,\"lines\":[]," +
           JsonError("text", message) + "}";
}

std::string JsonOfWorksheetVariant(std::uint32_t seed, const WorksheetVariant& variant) {
    std::string json = "{\"seed\":" + std::to_string(seed) +
                       ",\"variant\":" + std::to_string(variant.number) + ",\"equations\":[";
    for (const WorksheetEquation& equation : variant.equations) {
        if (json.back() != '[') {
            json += ",";
        }
        json += "{\"equation\":" + JsonString(equation.text) +
                ",\"kind\":" + JsonString(KindName(equation.kind)) +
                ",\"lines\":" + JsonStrings(equation.solution) + "}";
    }
    return json + "]}";
}

}  // namespace parabel::cli

#include "cli_json.h"

#include <cstdio>

#include "cli_equation.h"
#include "core/decimal_separator.h"
#include "core/real_to_text.h"

namespace parabel::cli {

namespace {

// The length of the valid UTF-8 sequence starting at text[i]; 0 when none
// does (a stray continuation byte, an overlong form, a surrogate, a code
// point beyond U+10FFFF, a sequence cut short).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) -> unsigned {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u;
    };
    const unsigned lead = at(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned low = 0x80;  // the range of the second byte
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (at(i + 1) < low || at(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
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
    return root == kNoRoot ? "null" : JsonNumberText(root);
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

std::string JsonOfRefusal(const std::string* input, const std::string& message) {
    return "{\"input\":" + (input != nullptr ? JsonString(*input) : std::string("null")) +
           ",\"equation\":null,\"lines\":[]," + JsonError("text", message) + "}";
}

}  // namespace parabel::cli

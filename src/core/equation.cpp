#include "equation.h"

#include "text_to_real.h"

namespace parabel {

namespace {

constexpr std::string_view kSquareMarker = "x^2";
constexpr char kLinearMarker = 'x';

Extended ReadSquareCoefficient(std::string_view piece) {
    if (piece.empty()) {
        return 1;
    }
    if (piece == "-") {
        return -1;
    }
    // A zero read here stays zero, so the caller rejects the equation instead
    // of solving a different one.
    return TextToReal(piece);
}

Extended ReadLinearCoefficient(std::string_view piece) {
    if (piece == "+") {
        return 1;
    }
    if (piece == "-") {
        return -1;
    }
    return TextToReal(piece);  // the empty piece fails here
}

Extended ReadConstant(std::string_view piece) {
    return piece.empty() ? Extended(0) : TextToReal(piece);
}

}  // namespace

std::string StripEqualsZero(std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == "=0") {
        text.remove_suffix(2);
    }
    return std::string(text);
}

Coefficients ReadCoefficients(std::string_view text) {
    Coefficients result;
    const std::size_t n = text.size();

    // First scan: every "x^2"; the last one decides a and where b starts.
    std::size_t afterSquare = 0;  // index just behind the last "x^2"; 0: none
    bool foundSquare = false;
    for (std::size_t i = 0; i + kSquareMarker.size() <= n; ++i) {
        if (text.substr(i, kSquareMarker.size()) == kSquareMarker) {
            result.a = ReadSquareCoefficient(text.substr(0, i));
            afterSquare = i + kSquareMarker.size();
            foundSquare = true;
        }
    }

    if (!foundSquare) {
        // Without "x^2" an "x" anywhere is a piece that is no number: the
        // text up to and including that "x".
        const std::size_t x = text.find(kLinearMarker);
        if (x != std::string_view::npos) {
            TextToReal(text.substr(0, x + 1));
        }
        return result;
    }

    // Second scan: every "x" behind the "x^2".
    bool foundLinear = false;
    for (std::size_t j = afterSquare; j < n; ++j) {
        if (text[j] == kLinearMarker) {
            result.b = ReadLinearCoefficient(text.substr(afterSquare, j - afterSquare));
            result.c = ReadConstant(text.substr(j + 1));
            foundLinear = true;
        }
    }
    if (!foundLinear) {
        result.c = ReadConstant(text.substr(afterSquare));
    }
    return result;
}

}  // namespace parabel

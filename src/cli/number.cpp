// parabel-cli number: reads each text as the program reads a coefficient and
// writes it back as the program shows numbers.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "commands.h"
#include "core/errors.h"
#include "core/real_to_text.h"
#include "core/text_to_real.h"
#include "input.h"

namespace parabel::cli {

namespace {

// The 80-bit pattern as 20 hexadecimal digits, sign and exponent first.
std::string BitPattern(Extended value) {
    const ExtendedBits bits = ExtendedBits::Of(value);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%04X%016" PRIX64,
                  static_cast<unsigned>(bits.exponent | (bits.negative ? 0x8000u : 0u)),
                  bits.significand);
    return buffer;
}

bool ConvertOne(const Input& input, bool showBits) {
    const std::string& text = input.text;
    try {
        const Extended value = TextToReal(text);
        const std::string shown = RealToText(value);
        if (showBits) {
            std::printf("%s\t%s\n", BitPattern(value).c_str(), shown.c_str());
        } else {
            std::printf("%s\n", shown.c_str());
        }
        return true;
    } catch (const ConversionError& error) {
        std::fputs("error: conversion\n", stdout);
        std::fprintf(stderr, "%s%s\n", input.where.c_str(), error.what());
        return false;
    }
}

}  // namespace

namespace {

int RunNumber(const std::vector<std::string>& args) {
    const auto split = SplitOperands(args, "number", {"--bits"});
    if (!split) {
        return 2;
    }
    const bool showBits = split->flags.contains("--bits");
    bool allValid = true;
    const bool allRead = ForEachInput(split->operands, [&](const Input& input) {
        allValid = ConvertOne(input, showBits) && allValid;
    });
    std::fflush(stdout);
    return allValid && allRead ? 0 : 1;
}

}  // namespace

namespace {

const char kNumberHelp[] =
    "number  Reads each text as the program reads a coefficient and prints it\n"
    "        back as the program writes numbers; a rejected text prints\n"
    "        \"error: conversion\" (its message goes to standard error).\n"
    "        --bits    prefix the 80-bit pattern as 20 hexadecimal digits and a tab\n";

}  // namespace

const Command kNumberCommand = {
    "number",
    "parabel-cli number [--bits] [TEXT...]\n",
    [] { return std::string(kNumberHelp); },
    RunNumber,
};

}  // namespace parabel::cli

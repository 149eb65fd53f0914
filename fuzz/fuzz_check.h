// How a fuzz target reports a broken property: a message on standard error
// and abort(), which libFuzzer records as a crash with the input that caused
// it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace parabel::fuzz {

[[noreturn]] inline void Fail(const std::string& message) {
    std::fprintf(stderr, "property violated: %s\n", message.c_str());
    std::abort();
}

inline void Check(bool holds, const std::string& message) {
    if (!holds) {
        Fail(message);
    }
}

}  // namespace parabel::fuzz

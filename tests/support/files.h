// Whole files as strings, for tests that check what was written.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace parabel::testing {

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

}  // namespace parabel::testing

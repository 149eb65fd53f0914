#include "comma_locale.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

namespace parabel::testing {

namespace {

std::string MakeCommaLocale() {
    char pattern[] = "/tmp/parabel-locale-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return "";
    }
    const std::string folder = pattern;
    const std::string command =
        "localedef -i ru_RU -f UTF-8 '" + folder + "/" + kCommaLocale + "' >/dev/null 2>&1";
    // localedef warns with status 1 about some locales while still writing
    // them; what counts is the compiled locale.
    std::system(command.c_str());
    if (!std::filesystem::exists(folder + "/" + kCommaLocale + "/LC_NUMERIC")) {
        std::filesystem::remove_all(folder);
        return "";
    }
    static const std::string kept = folder;
    std::atexit([] { std::filesystem::remove_all(kept); });
    return folder;
}

}  // namespace

const std::string& CommaLocalePath() {
    static const std::string path = MakeCommaLocale();
    return path;
}

}  // namespace parabel::testing

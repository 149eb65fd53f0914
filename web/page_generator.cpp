// Writes the page's files for its first paint in the default language, from
// their templates: page_generator TEMPLATE OUTPUT [TEMPLATE OUTPUT...]. A
// template whose name ends in ".json.in" or ".webmanifest.in" gets its texts
// JSON-escaped, any other HTML-escaped. Run at build time by the engine's
// command-line runner (node).
#include <cstdio>
#include <string>
#include <string_view>

#include "page_texts.h"

namespace {

bool IsJson(std::string_view name) {
    return name.ends_with(".json.in") || name.ends_with(".webmanifest.in");
}

// The whole file, or nothing when it cannot be read.
bool ReadFile(const char* name, std::string& text) {
    std::FILE* file = std::fopen(name, "rb");
    if (file == nullptr) {
        return false;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    const bool read = std::ferror(file) == 0;
    std::fclose(file);
    return read;
}

bool WriteFile(const char* name, const std::string& text) {
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

bool Fill(const char* templateName, const char* outputName) {
    std::string text;
    if (!ReadFile(templateName, text)) {
        std::fprintf(stderr, "page_generator: cannot read %s\n", templateName);
        return false;
    }
    if (!WriteFile(outputName, parabel::web::FilledPage(text, IsJson(templateName)))) {
        std::fprintf(stderr, "page_generator: cannot write %s\n", outputName);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        std::fputs("usage: page_generator TEMPLATE OUTPUT [TEMPLATE OUTPUT...]\n", stderr);
        return 2;
    }
    for (int index = 1; index + 1 < argc; index += 2) {
        if (!Fill(argv[index], argv[index + 1])) {
            return 1;
        }
    }
    return 0;
}

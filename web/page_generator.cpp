// Writes the page's files for its first paint in the default language, from
// their templates: page_generator TEMPLATE OUTPUT [TEMPLATE OUTPUT...]. A
// template whose name ends in ".json.in" or ".webmanifest.in" gets its texts
// JSON-escaped, any other HTML-escaped. Run at build time by the engine's
// command-line runner (node).
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "page_texts.h"

namespace {

bool IsJson(std::string_view name) {
    return name.ends_with(".json.in") || name.ends_with(".webmanifest.in");
}

bool Fill(const char* templateName, const char* outputName) {
    std::ifstream input(templateName, std::ios::binary);
    std::ostringstream text;
    text << input.rdbuf();
    if (!input) {
        std::cerr << "page_generator: cannot read " << templateName << "\n";
        return false;
    }
    std::ofstream output(outputName, std::ios::binary);
    output << parabel::web::FilledPage(text.str(), IsJson(templateName));
    if (!output) {
        std::cerr << "page_generator: cannot write " << outputName << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        std::cerr << "usage: page_generator TEMPLATE OUTPUT [TEMPLATE OUTPUT...]\n";
        return 2;
    }
    for (int index = 1; index + 1 < argc; index += 2) {
        if (!Fill(argv[index], argv[index + 1])) {
            return 1;
        }
    }
    return 0;
}

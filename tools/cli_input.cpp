#include "cli_input.h"

namespace parabel::cli {

bool LineReader::Next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    int c;
    bool any = false;
    while ((c = getc_unlocked(stream_)) != EOF) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < kMaxLineLength) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!any) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool ForEachInput(const std::vector<std::string>& operands,
                  const std::function<void(const std::string&)>& handle) {
    if (!operands.empty()) {
        for (const std::string& operand : operands) {
            handle(operand);
        }
        return true;
    }
    bool allRead = true;
    LineReader reader(stdin);
    std::string line;
    bool tooLong = false;
    for (long number = 1; reader.Next(line, tooLong); ++number) {
        if (tooLong) {
            Complain("line " + std::to_string(number) + " is longer than " +
                     std::to_string(kMaxLineLength) + " bytes; skipped");
            allRead = false;
            continue;
        }
        handle(line);
    }
    return allRead;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "parabel-cli: %s\n", message.c_str());
}

}  // namespace parabel::cli

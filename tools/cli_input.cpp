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

std::optional<std::vector<std::string>> SplitOperands(const std::vector<std::string>& args,
                                                      const std::string& command,
                                                      const std::string& flag, bool& flagSet) {
    std::vector<std::string> operands;
    bool operandsOnly = false;
    for (const std::string& arg : args) {
        if (!operandsOnly && arg == flag) {
            flagSet = true;
        } else if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            Complain(command + ": unknown option " + arg + " (see parabel-cli --help)");
            return std::nullopt;
        } else {
            operands.push_back(arg);
        }
    }
    return operands;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "parabel-cli: %s\n", message.c_str());
}

}  // namespace parabel::cli

#include "input.h"

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
                  const std::function<void(const Input&)>& handle,
                  const std::function<void(const std::string& report)>& skipped) {
    if (!operands.empty()) {
        for (std::size_t i = 0; i < operands.size(); ++i) {
            handle({operands[i],
                    operands.size() == 1 ? "" : "operand " + std::to_string(i + 1) + ": "});
        }
        return true;
    }
    bool allRead = true;
    LineReader reader(stdin);
    std::string line;
    bool tooLong = false;
    for (long number = 1; reader.Next(line, tooLong); ++number) {
        const std::string where = "line " + std::to_string(number) + ": ";
        if (tooLong) {
            const std::string report =
                where + "longer than " + std::to_string(kMaxLineLength) + " bytes; skipped";
            Complain(report);
            if (skipped) {
                skipped(report);
            }
            allRead = false;
            continue;
        }
        handle({line, where});
    }
    return allRead;
}

std::optional<SplitArguments> SplitOperands(const std::vector<std::string>& args,
                                            const std::string& command,
                                            const std::set<std::string>& flags) {
    SplitArguments split;
    bool operandsOnly = false;
    for (const std::string& arg : args) {
        if (!operandsOnly && flags.contains(arg)) {
            split.flags.insert(arg);
        } else if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            std::string message = command;
            message += ": unknown option ";
            message += arg;
            message += " (see parabel-cli ";
            message += command;
            message += " --help)";
            Complain(message);
            return std::nullopt;
        } else {
            split.operands.push_back(arg);
        }
    }
    return split;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "parabel-cli: %s\n", message.c_str());
}

}  // namespace parabel::cli

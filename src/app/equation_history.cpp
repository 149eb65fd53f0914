#include "equation_history.h"

#include <algorithm>

#include "equation_field.h"

namespace parabel {

namespace {

// Whether the text stands on one line of the history's text.
bool OneLine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

std::optional<EquationHistory> EquationHistory::FromText(std::string_view text) {
    EquationHistory history;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;  // a last line cut short: written by no one whole
        }
        const std::string line(text.substr(0, end));
        text.remove_prefix(end + 1);
        const bool repeated = std::find(history.equations_.begin(), history.equations_.end(),
                                        line) != history.equations_.end();
        if (line.empty() || !OneLine(line) || EquationFieldText(line) != line || repeated ||
            history.equations_.size() == kMaxEquations) {
            return std::nullopt;
        }
        history.equations_.push_back(line);
    }
    return history;
}

std::string EquationHistory::Text() const {
    std::string text;
    for (const std::string& equation : equations_) {
        text += equation;
        text += '\n';
    }
    return text;
}

bool EquationHistory::Remember(const std::string& equation) {
    if (equation.empty() || !OneLine(equation) ||
        (!equations_.empty() && equations_.front() == equation)) {
        return false;
    }
    std::erase(equations_, equation);
    equations_.insert(equations_.begin(), equation);
    if (equations_.size() > kMaxEquations) {
        equations_.resize(kMaxEquations);
    }
    return true;
}

std::optional<std::string> HistoryWalk::Older(const EquationHistory& history,
                                              const std::string& typed) {
    const std::vector<std::string>& equations = history.equations();
    const std::size_t next = position_ ? *position_ + 1 : 0;
    if (next >= equations.size()) {
        return std::nullopt;
    }
    if (!position_) {
        typed_ = typed;
    }
    position_ = next;
    return equations[next];
}

std::optional<std::string> HistoryWalk::Newer(const EquationHistory& history) {
    if (!position_) {
        return std::nullopt;
    }
    if (*position_ == 0 || *position_ > history.equations().size()) {
        position_.reset();
        return typed_;
    }
    position_ = *position_ - 1;
    return history.equations()[*position_];
}

}  // namespace parabel

// The equations a user has solved, newest first: the field's drop-down lists
// them and Up and Down in the field walk through them. The window keeps them
// in a file of the user's state folder, the page in the browser's storage,
// both as the text of HistoryText: UTF-8, one equation a line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parabel {

class EquationHistory {
  public:
    static constexpr std::size_t kMaxEquations = 50;

    // The history kept as `text`; nothing when the text is damaged (broken
    // UTF-8, a line the equation field would not hold as it is, an empty
    // line, more than kMaxEquations lines or the same equation twice), so
    // that it is dropped and written anew, never shown as an error.
    static std::optional<EquationHistory> FromText(std::string_view text);
    // The text kept: each equation followed by a line feed.
    std::string Text() const;

    // A solved equation, as the field shows it after the solve: first now,
    // once, the oldest dropped beyond kMaxEquations. False when nothing
    // changed: it was first already, or it cannot stand on one line.
    bool Remember(const std::string& equation);
    void Clear() { equations_.clear(); }

    const std::vector<std::string>& equations() const { return equations_; }

  private:
    std::vector<std::string> equations_;  // newest first
};

// Up and Down in the equation field: Up shows the next older equation, Down
// the next newer one and, past the newest, the text the user had typed
// before the walk began. Any edit of the field ends the walk.
class HistoryWalk {
  public:
    // The text to show for Up, or nothing at the oldest (or an empty history).
    std::optional<std::string> Older(const EquationHistory& history, const std::string& typed);
    // The text to show for Down, or nothing when not walking.
    std::optional<std::string> Newer(const EquationHistory& history);
    void End() { position_.reset(); }
    bool walking() const { return position_.has_value(); }

  private:
    std::optional<std::size_t> position_;  // index into the history
    std::string typed_;                    // what the field held before the walk
};

}  // namespace parabel

// Where the equation history is kept: a file of the user's state folder for
// the window, the browser's storage for the page. Several windows and tabs
// keep one history: the model reads it again before each write, so that
// each adds to what the others wrote. Keeping it is a convenience, never a
// command's outcome: a history that cannot be read counts as none, and one
// that cannot be written is told once on the standard error, never in a box.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace parabel {

class HistoryStore {
  public:
    virtual ~HistoryStore() = default;
    // The text kept now; nothing when there is none or it cannot be read.
    virtual std::optional<std::string> Read() = 0;
    virtual void Write(const std::string& text) = 0;
    // The text the last Read gave is no history: the next Write keeps it
    // aside rather than over it.
    virtual void ReadWasDamaged() {}
};

// The file "history" in `folder` (which ends in '/'; empty for none: then
// nothing is kept), made with its folder when first written. A history file
// that cannot be read (no permission) or is damaged is renamed
// "history.unreadable" or "history.damaged" beside it at the next write,
// replacing an older copy of that name, and a new file of the usual
// permissions takes its place; the standard error says so, with the reason.
// A folder, pipe or device named "history" is neither read nor moved:
// written to as a file would be (a link to /dev/null keeps nothing).
class HistoryFile final : public HistoryStore {
  public:
    explicit HistoryFile(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> Read() override;
    void Write(const std::string& text) override;
    void ReadWasDamaged() override;
    std::string path() const { return folder_.empty() ? std::string() : folder_ + "history"; }

  private:
    // Why the file read last is to be kept aside, and the suffix of its copy.
    struct SetAside {
        std::string suffix;
        std::string reason;
    };
    void MoveAside(const SetAside& aside) const;

    std::string folder_;
    std::optional<SetAside> setAside_;
    bool failureTold_ = false;
};

// The text held in memory, where the page keeps it between visits. The page
// gives the source it is kept in (the browser's storage, which other tabs
// write too), read anew at each Read; without one, Read gives what was
// written last.
class HistoryText final : public HistoryStore {
  public:
    using Source = std::function<std::optional<std::string>()>;
    std::optional<std::string> Read() override {
        if (source_) {
            text_ = source_();
        }
        return text_;
    }
    void Write(const std::string& text) override { text_ = text; }
    const std::optional<std::string>& text() const { return text_; }
    void SetText(std::optional<std::string> text) { text_ = std::move(text); }
    void SetSource(Source source) { source_ = std::move(source); }

  private:
    std::optional<std::string> text_;
    Source source_;
};

}  // namespace parabel

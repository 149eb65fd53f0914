// Where the equation history is kept: a file of the user's state folder for
// the window, the browser's storage for the page. Keeping it is a
// convenience, never a command's outcome: a history that cannot be read
// counts as none, and one that cannot be written is told once on the
// standard error, never in a box.
#pragma once

#include <optional>
#include <string>

namespace parabel {

class HistoryStore {
  public:
    virtual ~HistoryStore() = default;
    // The text kept; nothing when there is none or it cannot be read.
    virtual std::optional<std::string> Read() = 0;
    virtual void Write(const std::string& text) = 0;
};

// The file "history" in `folder` (which ends in '/'; empty for none: then
// nothing is kept), made with its folder when first written.
class HistoryFile final : public HistoryStore {
  public:
    explicit HistoryFile(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> Read() override;
    void Write(const std::string& text) override;
    std::string path() const { return folder_.empty() ? std::string() : folder_ + "history"; }

  private:
    std::string folder_;
    bool failureTold_ = false;
};

// The text held in memory, where the page keeps it between visits.
class HistoryText final : public HistoryStore {
  public:
    std::optional<std::string> Read() override { return text_; }
    void Write(const std::string& text) override { text_ = text; }
    const std::optional<std::string>& text() const { return text_; }
    void SetText(std::optional<std::string> text) { text_ = std::move(text); }

  private:
    std::optional<std::string> text_;
};

}  // namespace parabel

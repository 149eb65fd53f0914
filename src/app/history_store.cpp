#include "history_store.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <span>
#include <stdexcept>

#include "equation_field.h"
#include "equation_history.h"
#include "io/file_errors.h"
#include "io/safe_save.h"
#include "io/small_files.h"
#include "io/text_files.h"

namespace parabel {

namespace {

// The longest history file that is read: fifty of the longest equations the
// field holds, at most 3 UTF-8 bytes a character. A longer one is no history
// of ours.
constexpr std::size_t kMaxHistoryBytes =
    EquationHistory::kMaxEquations * (3 * kEquationFieldMaxLength + 1);

// The suffixes of a history file's copy kept aside.
constexpr const char* kDamaged = "damaged";
constexpr const char* kUnreadable = "unreadable";

// What a failed write says beyond its message: a WriteError its reason.
std::string FailureText(const std::exception& error) {
    const auto* writeError = dynamic_cast<const WriteError*>(&error);
    return writeError != nullptr ? std::string(error.what()) + " (" + writeError->Reason() + ")"
                                 : error.what();
}

}  // namespace

std::optional<std::string> HistoryFile::Read() {
    setAside_.reset();
    if (folder_.empty()) {
        return std::nullopt;
    }
    SmallFile file = ReadSmallFile(path(), kMaxHistoryBytes);
    switch (file.found) {
        case SmallFile::Found::kBytes:
            return std::move(file.bytes);
        case SmallFile::Found::kUnreadable:
            setAside_ = SetAside{kUnreadable, ReasonText(file.error)};
            break;
        case SmallFile::Found::kTooLong:
            setAside_ = SetAside{kDamaged, "longer than any history"};
            break;
        case SmallFile::Found::kNothing:
        case SmallFile::Found::kNoRegular:
            break;
    }
    return std::nullopt;
}

void HistoryFile::ReadWasDamaged() {
    setAside_ = SetAside{kDamaged, "not one equation a line"};
}

void HistoryFile::Write(const std::string& text) {
    if (folder_.empty()) {
        return;
    }
    try {
        if (!MakeFolders(folder_)) {
            throw std::runtime_error("the folder cannot be made");
        }
        if (setAside_) {
            MoveAside(*setAside_);
            setAside_.reset();
        }
        SaveFileSafely(path(),
                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception& error) {
        if (!failureTold_) {
            failureTold_ = true;
            std::fprintf(stderr, "parabel: the equation history cannot be kept in %s: %s\n",
                         path().c_str(), FailureText(error).c_str());
        }
    }
}

// Renames the file to its copy's name, replacing an older copy, so that the
// user finds it beside the new one; and says so.
void HistoryFile::MoveAside(const SetAside& aside) const {
    const std::string copy = path() + "." + aside.suffix;
    if (std::rename(path().c_str(), copy.c_str()) != 0) {
        throw std::runtime_error("the " + aside.suffix + " file (" + aside.reason +
                                 ") cannot be moved aside: " + ReasonText(errno));
    }
    std::fprintf(stderr,
                 "parabel: the equation history %s is %s (%s): kept as %s, a new one begun\n",
                 path().c_str(), aside.suffix.c_str(), aside.reason.c_str(), copy.c_str());
}

}  // namespace parabel

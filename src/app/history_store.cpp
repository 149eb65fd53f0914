#include "history_store.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <span>
#include <stdexcept>

#include "equation_field.h"
#include "equation_history.h"
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

}  // namespace

std::optional<std::string> HistoryFile::Read() {
    if (folder_.empty()) {
        return std::nullopt;
    }
    return ReadRegularFile(path(), kMaxHistoryBytes);
}

void HistoryFile::Write(const std::string& text) {
    if (folder_.empty()) {
        return;
    }
    try {
        if (!MakeFolders(folder_)) {
            throw std::runtime_error("the folder cannot be made");
        }
        SaveFileSafely(path(),
                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception& error) {
        if (!failureTold_) {
            failureTold_ = true;
            std::fprintf(stderr, "parabel: the equation history cannot be kept in %s: %s\n",
                         path().c_str(), error.what());
        }
    }
}

}  // namespace parabel

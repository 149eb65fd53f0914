// The interface language the user chose in the menu, remembered between runs
// in the file "language" of the user's configuration folder, beside where an
// installed copy keeps Inf.ini but never inside it. Remembering is a
// convenience: a file that is missing, unreadable or names no language of
// the catalog counts as no choice, without a word, and a choice that cannot
// be kept is told once on the standard error, never in a box.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/interface_language.h"
#include "core/messages.h"

namespace parabel {

class LanguageFile {
  public:
    // `folder` ends in '/'; empty for none: then nothing is kept.
    explicit LanguageFile(std::string folder) : folder_(std::move(folder)) {}

    // The file's text, for ReadLanguageChoice; nothing when there is none or
    // it cannot be read.
    std::optional<std::string> Read() const;
    // Keeps the choice, making the folder when needed; the old file stays
    // as it was when the new one cannot be written.
    void Write(Language language);

    std::string path() const { return folder_.empty() ? std::string() : folder_ + "language"; }

  private:
    std::string folder_;
    bool failureTold_ = false;
};

// The language of a run: the one named for it (--language), else the one
// remembered in `file`, else the first of the environment's that the catalog
// has, else Russian.
Language StartLanguage(const LanguageFile& file, std::optional<std::string_view> forThisRun,
                       EnvironmentReader environment);

}  // namespace parabel

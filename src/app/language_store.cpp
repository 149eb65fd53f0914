#include "language_store.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <span>
#include <stdexcept>
#include <vector>

#include "io/file_errors.h"
#include "io/safe_save.h"
#include "io/small_files.h"

namespace parabel {

namespace {

// A choice is a code and a line end; anything much longer is no choice.
constexpr std::size_t kMaxChoiceBytes = 64;

}  // namespace

std::optional<std::string> LanguageFile::Read() const {
    if (folder_.empty()) {
        return std::nullopt;
    }
    SmallFile file = ReadSmallFile(path(), kMaxChoiceBytes);
    if (file.found != SmallFile::Found::kBytes) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

void LanguageFile::Write(Language language) {
    if (folder_.empty()) {
        return;
    }
    const std::string text = LanguageChoiceText(language);
    try {
        if (!MakeFolders(folder_)) {
            throw std::runtime_error("the folder cannot be made");
        }
        SaveFileSafely(path(),
                       std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception& error) {
        if (!failureTold_) {
            failureTold_ = true;
            const auto* writeError = dynamic_cast<const WriteError*>(&error);
            std::fprintf(stderr, "parabel: the interface language cannot be kept in %s: %s%s%s\n",
                         path().c_str(), error.what(), writeError != nullptr ? " - " : "",
                         writeError != nullptr ? writeError->Reason().c_str() : "");
        }
    }
}

Language StartLanguage(const LanguageFile& file, std::optional<std::string_view> forThisRun,
                       EnvironmentReader environment) {
    const std::optional<std::string> remembered = file.Read();
    const std::vector<std::string> preferences =
        environment != nullptr ? EnvironmentLanguages(environment) : std::vector<std::string>{};
    return ChooseLanguage({forThisRun, remembered, preferences});
}

}  // namespace parabel

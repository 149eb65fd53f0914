// The interface language a run starts in: the one named for the run, else the
// one remembered in the configuration folder, else the environment's, else
// Russian; a remembered choice that is damaged or cannot be read counts as
// none, and one written is read back by the next run.
#include "app/language_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace parabel {
namespace {

using LanguageFileTest = testing::TempFolderTest;

// An environment whose LANG is English, and one that says nothing.
const char* EnglishEnvironment(const char* name) {
    return std::strcmp(name, "LANG") == 0 ? "en_GB.UTF-8" : nullptr;
}
const char* EmptyEnvironment(const char*) {
    return nullptr;
}

TEST_F(LanguageFileTest, TheRunsChoiceThenTheRememberedOneThenTheEnvironments) {
    const std::string folder = Path("config/org.parabel.Parabel/");
    struct Row {
        const char* what;
        std::optional<std::string> file;  // the file's content; nothing: no file
        bool fileIsFolder;
        std::optional<std::string_view> forThisRun;
        EnvironmentReader environment;
        Language expected;
    } rows[] = {
        {"nothing at all", std::nullopt, false, std::nullopt, EmptyEnvironment, Language::kRu},
        {"the environment", std::nullopt, false, std::nullopt, EnglishEnvironment, Language::kEn},
        {"the remembered one", "ru\n", false, std::nullopt, EnglishEnvironment, Language::kRu},
        {"remembered by hand", " en ", false, std::nullopt, EmptyEnvironment, Language::kEn},
        {"the run's", "ru\n", false, "en", EmptyEnvironment, Language::kEn},
        {"a damaged file", "\x01\xFFgarbage", false, std::nullopt, EnglishEnvironment,
         Language::kEn},
        {"no language of ours", "de\n", false, std::nullopt, EmptyEnvironment, Language::kRu},
        {"far too long", std::string(100000, 'e'), false, std::nullopt, EnglishEnvironment,
         Language::kEn},
        {"a folder in its place", std::nullopt, true, std::nullopt, EnglishEnvironment,
         Language::kEn},
    };
    for (const Row& row : rows) {
        std::filesystem::remove_all(Path("config"));
        std::filesystem::create_directories(folder);
        if (row.file) {
            Write(folder + "language", *row.file);
        } else if (row.fileIsFolder) {
            std::filesystem::create_directory(folder + "language");
        }
        EXPECT_EQ(StartLanguage(LanguageFile(folder), row.forThisRun, row.environment),
                  row.expected)
            << row.what;
    }
}

TEST_F(LanguageFileTest, AChoiceWrittenIsTheNextRunsWithItsFolderMade) {
    const std::string folder = Path("config/org.parabel.Parabel/");
    LanguageFile file(folder);
    EXPECT_EQ(file.Read(), std::nullopt);
    file.Write(Language::kEn);
    EXPECT_EQ(Read(folder + "language"), "en\n");
    EXPECT_EQ(StartLanguage(LanguageFile(folder), std::nullopt, EmptyEnvironment), Language::kEn);
    file.Write(Language::kRu);
    EXPECT_EQ(StartLanguage(LanguageFile(folder), std::nullopt, EnglishEnvironment), Language::kRu);
    // No folder: nothing kept, nothing read, no error.
    LanguageFile none("");
    none.Write(Language::kEn);
    EXPECT_EQ(none.Read(), std::nullopt);
}

}  // namespace
}  // namespace parabel

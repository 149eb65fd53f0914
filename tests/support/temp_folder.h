// A folder of a test's own under /tmp, removed with everything in it when the
// test ends.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files.h"

namespace parabel::testing {

class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/parabel-test-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Read(const std::string& path) { return ReadWholeFile(path); }
    static void Write(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::filesystem::path folder_;
};

}  // namespace parabel::testing

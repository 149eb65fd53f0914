// Where the curve colour is kept: the settings file Inf.ini on disk for the
// window, its text in the browser's storage for the page. The window model
// reads and writes the colour text through one of these.
#pragma once

#include <string>

#include "io/settings_location.h"

namespace parabel {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The text of Color in [1], or "clRed" when there is none. May raise the
    // file's error.
    virtual std::string ReadColorText() = 0;
    // Sets Color in [1] to `colorText`, keeping every other line. May raise
    // the file's error.
    virtual void WriteColorText(const std::string& colorText) = 0;
};

// Inf.ini at a location on disk, read and written as ReadColorText and
// WriteColorText of the settings file do. The location is looked at at every
// use; its owner keeps it alive.
class SettingsFile final : public SettingsStore {
  public:
    explicit SettingsFile(const SettingsLocation& location) : location_(location) {}
    std::string ReadColorText() override;
    void WriteColorText(const std::string& colorText) override;

  private:
    const SettingsLocation& location_;
};

// Inf.ini's bytes held in memory, where the page keeps them between visits.
class SettingsText final : public SettingsStore {
  public:
    explicit SettingsText(std::string bytes = {}) : bytes_(std::move(bytes)) {}
    std::string ReadColorText() override;
    void WriteColorText(const std::string& colorText) override;
    const std::string& bytes() const { return bytes_; }
    void SetBytes(std::string bytes) { bytes_ = std::move(bytes); }

  private:
    std::string bytes_;
};

}  // namespace parabel

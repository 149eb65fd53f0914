#include "settings_store.h"

#include "io/settings.h"

namespace parabel {

std::string SettingsFile::ReadColorText() {
    return parabel::ReadColorText(location_.path);
}

void SettingsFile::WriteColorText(const std::string& colorText) {
    parabel::WriteColorText(location_, colorText);
}

std::string SettingsText::ReadColorText() {
    return ColorTextOf(bytes_);
}

void SettingsText::WriteColorText(const std::string& colorText) {
    bytes_ = WithColorText(bytes_, colorText);
}

}  // namespace parabel

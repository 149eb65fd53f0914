// Small files the program keeps for itself (its settings, its history) and
// the folders they live in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace parabel {

// Makes every missing folder of `folder` (which ends in '/'), mode 0700, so
// that what the program keeps there stays the user's own. False when one
// cannot be made or the last is no folder.
bool MakeFolders(const std::string& folder);

// The bytes of the regular file at `path`, at most `maxBytes` of them;
// nothing when it is missing, is no regular file (a pipe or a device would
// stall the program), cannot be read, or is longer.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace parabel

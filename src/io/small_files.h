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

// What reading a small file of the program's found.
struct SmallFile {
    enum class Found {
        kBytes,       // the whole file, in `bytes`
        kNothing,     // no file of that name
        kNoRegular,   // a folder, pipe, device or socket: not read, which could stall
        kTooLong,     // longer than asked for
        kUnreadable,  // it could not be opened or read: `error` says why
    };
    Found found = Found::kNothing;
    std::string bytes;
    int error = 0;  // the errno of kUnreadable
};

// Reads the file at `path`, a regular file of at most `maxBytes` bytes.
SmallFile ReadSmallFile(const std::string& path, std::size_t maxBytes);

// The bytes of the regular file at `path`, at most `maxBytes` of them;
// nothing when it is missing, is no regular file (a pipe or a device would
// stall the program), cannot be read, or is longer.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace parabel

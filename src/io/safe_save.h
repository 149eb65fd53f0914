// Replacing a file only once its new content is fully written.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace parabel {

// Writes `bytes` to a new file beside `path`, flushes it to the disk and then
// renames it over `path` (over a symbolic link's target, when `path` is one),
// so a failure leaves the previous file exactly as it was. The new file gets
// the previous file's permissions, or the usual ones for a new file.
//
// Raises EFCreateError ("Cannot create file "<path>". <reason>") when the
// file cannot be made (missing folder, a folder of that name, no permission)
// and EWriteError ("Stream write error") when the content cannot be written in
// full (disk full, file size limit). Write failures need SIGXFSZ ignored,
// which the programs do at start-up.
void SaveFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace parabel

// The solution file and the equation file on disk.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parabel {

// A name that finds a file system entry that exists and is not a folder.
bool IsExistingFile(const std::string& path);
// A name that finds a folder.
bool IsFolder(const std::string& path);

// Writes the lines (UTF-8) as Windows-1251 text with CR LF after each line,
// replacing the file only once the new content is fully written. Raises
// FileCreateError or WriteError (see SaveFileSafely).
void SaveLinesFile(const std::string& path, const std::vector<std::string>& lines);

// The first line of the file, in UTF-8, reading only up to its end (CR, LF,
// NUL, the end of the file, or `maxBytes` bytes), so a huge file or an
// endless device cannot stall the program. Nothing when the file yields no
// line (zero bytes, or NUL first). Raises FileOpenError
// ("Cannot open file "<path>". <reason>") when it cannot be opened.
std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxBytes);

}  // namespace parabel

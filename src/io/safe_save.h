// Saving a file so that a failure or an interruption leaves the previous one
// as it was, and so that what is not a plain file is written as a plain
// write would.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "file_content.h"

namespace parabel {

// Saves `bytes` as the file `path`, by what `path` names:
//
// - a symbolic link is followed to its final target, through chains of links
//   (a relative link counts from the folder the link is in); a link that
//   leads nowhere makes the file it points to, and the link stays a link;
// - nothing, or a regular file with a single name: the content goes to a
//   temporary file in the same folder, is flushed to the disk and then
//   renamed over the target, so a failure leaves the previous file exactly as
//   it was. A replaced file keeps its permissions and, where the saver may
//   give it (root), its owner and group; a new file gets the usual
//   permissions (0666 less the umask);
// - a regular file with several hard links, a FIFO, a device or a socket is
//   written in place, as open(O_WRONLY | O_TRUNC) and write would, so the
//   other names see the new content and the node stays what it was. A FIFO
//   that nobody reads is not waited for: it raises FileCreateError with "No
//   such device or address". A reader that goes away raises WriteError
//   rather than ending the process by SIGPIPE. A regular file gets the space
//   for the content before its first byte is overwritten, so a full disk
//   leaves it as it was. Content whose size is not known beforehand is
//   first made whole in a spill file without a name (in the target's folder
//   where its file system has unnamed files, in memory otherwise), which
//   tells the size to reserve, so that neither a full disk nor a producer
//   that fails touches the regular file; the spill file is gone when the
//   save ends, however it ends.
//
// The temporary file cannot outlive the process: it is made with O_TMPFILE,
// without a name, and gets one only for the moment of the rename. On a file
// system without unnamed files it has a name (".parabel-save-<pid>-<n>")
// from creation on; that name is removed on failure and, when SIGINT or
// SIGTERM ends the process during the save, by a handler installed for those
// two signals only while their disposition is the default one (see
// pending_removal.h). Only SIGKILL or a crash can then leave it behind.
//
// Raises FileCreateError ("Cannot create file "<path>". <reason>") when the
// file cannot be made or opened (missing folder, a folder of that name, no
// permission, a loop of links) and WriteError ("Stream write error") when
// the content cannot be written in full (disk full, file size limit). Write
// failures need SIGXFSZ ignored, which the programs do at start-up.
void SaveFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// The same for content made while it is written. A producer that throws
// fails the save as a failed write does.
void SaveFileSafely(const std::string& path, const FileContent& content);

}  // namespace parabel

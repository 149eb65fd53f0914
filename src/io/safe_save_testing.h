// Seams of SaveFileSafely for its tests; the programs never set them.
#pragma once

namespace parabel::safe_save_testing {

// Makes replacing saves use a named temporary file, as they do on a file
// system without unnamed ones (no O_TMPFILE).
void UseNamedTemporaryOnly(bool on);

// Called by a replacing save once the new content is written and flushed,
// before it is put in place, with the temporary file's path, or "" while the
// file still has no name. nullptr for none.
using AfterWriteHook = void (*)(const char* temporaryPath);
void SetAfterWriteHook(AfterWriteHook hook);

// Called by every save each time it has flushed a file's data to the disk.
// nullptr for none.
using SyncHook = void (*)();
void SetSyncHook(SyncHook hook);

}  // namespace parabel::safe_save_testing

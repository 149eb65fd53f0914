// Named temporary files that SIGINT or SIGTERM must not leave behind.
//
// While a save has a temporary file with a name in the target's folder, it
// registers that name here. A registration installs a handler for SIGINT and
// for SIGTERM, once for each and only while its disposition is the default
// one: a signal the program ignores or handles itself is left alone (and
// looked at again by the next registration), and no other signal is
// touched. The handler removes every registered file and raises the signal
// again with its default action, so the process ends as it would have ended
// without the handler.
//
// The names live in a fixed table whose slots are claimed and released with
// lock-free atomics, so the handler reads it without locks or allocation and
// calls only async-signal-safe functions (unlink, sigaction, raise). A name
// is removed as it was registered: relative names assume the process has not
// changed its working folder since.
#pragma once

#include <string>

namespace parabel {

class PendingRemoval {
  public:
    // Registers `path`. A name longer than PATH_MAX or a full table (more
    // saves under way at once than slots) goes unregistered: that file is
    // then not removed on a signal, and nothing else changes.
    explicit PendingRemoval(const std::string& path);
    // Releases the registration; the file itself is left as it is.
    ~PendingRemoval();

    PendingRemoval(const PendingRemoval&) = delete;
    PendingRemoval& operator=(const PendingRemoval&) = delete;

  private:
    int slot_;
};

}  // namespace parabel

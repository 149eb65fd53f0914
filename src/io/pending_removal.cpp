#include "pending_removal.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>

namespace parabel {

namespace {

// Saves under way at once that can be registered; the programs save one file
// at a time.
constexpr int kSlotCount = 16;

enum SlotState : int {
    kFree,
    kFilling,  // claimed; the name is being copied in
    kArmed,    // holds a name the handler removes
};

struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free, "the handler must not take a lock");

Slot slots[kSlotCount];

extern "C" void RemovePendingFilesAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        if (slot.state.load(std::memory_order_acquire) == kArmed) {
            unlink(slot.path);
        }
    }
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    errno = savedErrno;
    // The signal stays blocked until this handler returns; then its default
    // action ends the process.
    raise(signalNumber);
}

// Installs the handler for each of the two signals whose disposition is the
// default one, once per signal; a signal that is ignored or handled by the
// program is looked at again on the next registration.
void InstallHandlers() {
    static bool installed[2] = {false, false};
    static std::mutex installing;
    const std::lock_guard lock(installing);
    const int signalNumbers[2] = {SIGINT, SIGTERM};
    for (int i = 0; i < 2; ++i) {
        if (installed[i]) {
            continue;
        }
        struct sigaction current {};
        if (sigaction(signalNumbers[i], nullptr, &current) != 0 ||
            (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) {
            continue;  // ignored or handled by the program: not ours to change
        }
        struct sigaction action {};
        action.sa_handler = RemovePendingFilesAndEnd;
        sigemptyset(&action.sa_mask);
        // The other one waits, so one removal runs to its end.
        sigaddset(&action.sa_mask, SIGINT);
        sigaddset(&action.sa_mask, SIGTERM);
        action.sa_flags = SA_RESTART;
        installed[i] = sigaction(signalNumbers[i], &action, nullptr) == 0;
    }
}

}  // namespace

PendingRemoval::PendingRemoval(const std::string& path) : slot_(-1) {
    if (path.size() >= PATH_MAX) {
        return;
    }
    InstallHandlers();
    for (int i = 0; i < kSlotCount; ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
            std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
            slots[i].state.store(kArmed, std::memory_order_release);
            slot_ = i;
            return;
        }
    }
}

PendingRemoval::~PendingRemoval() {
    if (slot_ >= 0) {
        slots[slot_].state.store(kFree, std::memory_order_release);
    }
}

}  // namespace parabel

// The one process-wide state of file access. A signal handler cannot be handed an object, so the
// paths it removes live in a fixed table of slots; it is touched only through atomics and
// unlink(), both safe inside a signal handler.
#include "fileaccess/PendingTemporaries.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace fileaccess::pending {
namespace {

constexpr int kSlots = 64;
constexpr std::size_t kPathMax = 4096;
enum SlotState : int { kFree = 0, kFilling = 1, kActive = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    char path[kPathMax]{};
};

// The signals that end a program by default and that it can catch; SIGKILL cannot be caught,
// and what it leaves goes at the next output written into that folder.
constexpr std::array<int, 8> kSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGXFSZ};

// Constant-initialized: zeroed pages that a program which writes no file never touches.
constinit Slot g_slots[kSlots];
struct sigaction g_previous[kSignals.size()];
std::atomic<bool> g_installed{false};

void RemoveAll() {
    for (Slot& slot : g_slots) {
        if (slot.state.load() == kActive) ::unlink(slot.path);
    }
}

void OnSignal(int signal) {
    const int saved = errno;
    RemoveAll();
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (kSignals[i] != signal) continue;
        const struct sigaction& previous = g_previous[i];
        // A handler the program had before goes on deciding what the signal does.
        if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
            previous.sa_handler(signal);
            errno = saved;
            return;
        }
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    errno = saved;
}

void InstallOnce() {
    bool expected = false;
    if (!g_installed.compare_exchange_strong(expected, true)) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0) continue;
        g_previous[i] = current;
        if (current.sa_handler == SIG_IGN) continue;  // an ignored signal (nohup) stays ignored
        struct sigaction handler {};
        handler.sa_handler = OnSignal;
        handler.sa_flags = SA_RESTART;
        sigemptyset(&handler.sa_mask);
        for (int other : kSignals) sigaddset(&handler.sa_mask, other);
        ::sigaction(kSignals[i], &handler, nullptr);
    }
}

}  // namespace

int Register(const char* path) noexcept {
    if (std::strlen(path) >= kPathMax) return -1;
    InstallOnce();
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!g_slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::strcpy(g_slots[i].path, path);
        g_slots[i].state.store(kActive);
        return i;
    }
    return -1;
}

void Unregister(int slot) noexcept {
    if (slot >= 0 && slot < kSlots) g_slots[slot].state.store(kFree);
}

int Count() noexcept {
    int count = 0;
    for (const Slot& slot : g_slots) count += slot.state.load() == kActive ? 1 : 0;
    return count;
}

}  // namespace fileaccess::pending

#include "platform/terminal/terminal_waiter.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/device_system.h"

namespace platform::terminal {

namespace {

// Set by the signal handler; the wake-up pipe makes poll() return at once.
std::atomic<int> gQuitSignal{0};
int gWakeFds[2] = {-1, -1};

void OnSignal(int signal) {
    gQuitSignal.store(signal);
    if (gWakeFds[1] >= 0) {
        char byte = 1;
        [[maybe_unused]] auto n = ::write(gWakeFds[1], &byte, 1);
    }
}

}  // namespace

TerminalWaiter::TerminalWaiter(DeviceSystem& devices)
    : devices_(devices), start_(std::chrono::steady_clock::now()) {
    gQuitSignal.store(0);
    if (gWakeFds[0] < 0 && ::pipe(gWakeFds) != 0) gWakeFds[0] = gWakeFds[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

TerminalWaiter::~TerminalWaiter() {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
}

std::uint64_t TerminalWaiter::nowMs() const {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start_)
                                          .count());
}

bool TerminalWaiter::quitRequested() const {
    return gQuitSignal.load() != 0;
}

int TerminalWaiter::quitSignal() const {
    return gQuitSignal.load();
}

void TerminalWaiter::waitUntil(std::uint64_t deadlineMs) {
    std::uint64_t now = nowMs();
    if (now >= deadlineMs || quitRequested()) return;
    pollfd fds[2] = {{gWakeFds[0], POLLIN, 0}, {devices_.eventFd(), POLLIN, 0}};
    int timeout = static_cast<int>(deadlineMs - now);
    int ready = ::poll(fds, 2, timeout);
    if (ready <= 0) return;  // time is up, or a signal interrupted the wait
    if (fds[0].revents & POLLIN) {
        char buffer[16];
        [[maybe_unused]] auto n = ::read(gWakeFds[0], buffer, sizeof buffer);
    }
    if (fds[1].revents & POLLIN) devices_.processEvents();
}

}  // namespace platform::terminal

// Opens an address through the desktop's opener, xdg-open, started directly (no shell reads
// the address). The opener runs on its own: we do not wait for it, and a detached waiter
// reaps it when it ends so that no zombie stays behind.
#include "platform/shell/desktop.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

extern char** environ;

namespace shell {
namespace {

// Owns the attributes and file actions of one spawn.
class SpawnSetup {
  public:
    SpawnSetup() {
        attrOk_ = posix_spawnattr_init(&attr_) == 0;
        actionsOk_ = posix_spawn_file_actions_init(&actions_) == 0;
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        if (actionsOk_) {
            posix_spawn_file_actions_destroy(&actions_);
        }
        if (attrOk_) {
            posix_spawnattr_destroy(&attr_);
        }
    }

    // The opener starts with default signal handling and no blocked signals, in a process
    // group of its own (a Ctrl+C at the terminal is not its business), and with its standard
    // streams on /dev/null so that it cannot write into the terminal's transcript.
    bool prepare() {
        if (!attrOk_ || !actionsOk_) {
            return false;
        }
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        const short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP;
        return posix_spawnattr_setflags(&attr_, flags) == 0 &&
               posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
               posix_spawnattr_setsigdefault(&attr_, &all) == 0 &&
               posix_spawnattr_setpgroup(&attr_, 0) == 0 &&
               posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0 &&
               posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0 &&
               posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) == 0;
    }

    const posix_spawnattr_t* attr() const { return &attr_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

  private:
    posix_spawnattr_t attr_{};
    posix_spawn_file_actions_t actions_{};
    bool attrOk_ = false;
    bool actionsOk_ = false;
};

void reapInBackground(pid_t pid) {
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: reap now if it is already done; otherwise the zombie stays
        // until the terminal ends.
        waitpid(pid, nullptr, WNOHANG);
    }
}

}  // namespace

void openWithDesktop(std::string_view address) {
    // An empty address has nothing to open; one beginning with "-" would read as an option.
    if (address.empty() || address.front() == '-' || address.find('\0') != std::string_view::npos) {
        return;
    }
    SpawnSetup setup;
    if (!setup.prepare()) {
        return;
    }
    std::string program = "xdg-open";
    std::string argument(address);
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), setup.actions(), setup.attr(), argv, environ) != 0) {
        return;
    }
    reapInBackground(pid);
}

}  // namespace shell

#include "tests/support/processes.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace testing_support {
namespace {

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

Children::Children(int count, const std::function<int(int)>& body) {
    int gate[2];
    if (::pipe(gate) != 0)
        return;
    for (int i = 0; i < count; ++i) {
        if (const pid_t pid = ::fork(); pid > 0) {
            pids_.push_back(pid);
        } else if (pid == 0) {
            char byte;
            ::close(gate[1]);
            while (::read(gate[0], &byte, 1) < 0 && errno == EINTR) {
            }
            ::_exit(body(i));
        }
    }
    ::close(gate[0]);
    gate_ = gate[1];
}

void Children::release() {
    if (gate_ >= 0)
        ::close(gate_);
    gate_ = -1;
}

bool Children::succeeded() {
    release();
    bool all = !pids_.empty();
    for (pid_t pid : pids_)
        all &= waitFor(pid) == 0;
    pids_.clear();
    return all;
}

void Children::kill() {
    release();
    for (pid_t pid : pids_)
        ::kill(pid, SIGKILL);
    for (pid_t pid : pids_)
        waitFor(pid);
    pids_.clear();
}

bool WithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body) {
    Children child(1, [&](int) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? body() : 99;
    });
    return child.succeeded();
}

}  // namespace testing_support

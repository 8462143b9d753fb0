#include "tests/support/processes.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace testing_support {
namespace {

int exitStatus(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

Children::Children(int count, const std::function<int(int)>& body) {
    int gate[2];
    if (::pipe(gate) != 0)
        return;
    for (int i = 0; i < count; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(gate[1]);
            char byte;
            while (::read(gate[0], &byte, 1) < 0) {
            }
            ::_exit(body(i));
        }
        if (pid > 0)
            pids_.push_back(pid);
    }
    ::close(gate[0]);
    gate_ = gate[1];
}

Children::~Children() {
    release();
    kill();
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
        all &= exitStatus(pid) == 0;
    pids_.clear();
    return all;
}

void Children::kill() {
    for (pid_t pid : pids_)
        ::kill(pid, SIGKILL);
    for (pid_t pid : pids_)
        exitStatus(pid);
    pids_.clear();
}

int WithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::_exit(::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? body() : 99);
    }
    return pid > 0 ? exitStatus(pid) : -1;
}

}  // namespace testing_support

// Other processes for tests of what files shared between processes must survive: children
// started together, children killed, and writes cut short as on a full disk.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace testing_support {

// Children that run body(index) once released all at once; each exits with body's answer.
class Children {
  public:
    Children(int count, const std::function<int(int)>& body);
    ~Children();  // kills what is still running
    Children(const Children&) = delete;
    Children& operator=(const Children&) = delete;

    // Lets every child run.
    void release();
    // Waits for every child; true when each answered 0.
    bool succeeded();
    // Kills the children at once (SIGKILL) and waits for them.
    void kill();

  private:
    std::vector<pid_t> pids_;
    int gate_ = -1;  // the write end of the pipe the children wait on
};

// Runs body in a child whose files cannot grow past bytes (a write past it fails with EFBIG,
// as on a full disk); answers body's answer, or -1 when the child did not end by itself.
int WithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body);

}  // namespace testing_support

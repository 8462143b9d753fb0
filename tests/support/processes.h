// Child processes for tests of files that processes share: started together, killed at will,
// or writing as on a full disk.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace testing_support {

// Children that run body(index) once released, all at once; each exits with body's answer.
// Those still running at destruction are killed.
class Children {
  public:
    Children(int count, const std::function<int(int)>& body);
    ~Children() { kill(); }
    Children(const Children&) = delete;
    Children& operator=(const Children&) = delete;

    void release();
    // Waits for every child; true when each answered 0.
    bool succeeded();
    void kill();

  private:
    std::vector<pid_t> pids_;
    int gate_ = -1;  // the pipe the children wait on, until it closes
};

// Runs body in a child whose files cannot grow past bytes (writing past fails with EFBIG, as
// on a full disk); true when body answered 0.
bool WithFileSizeLimit(std::uint64_t bytes, const std::function<int()>& body);

}  // namespace testing_support

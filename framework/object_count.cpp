#include "framework/object_count.h"

#include <atomic>

namespace framework {
namespace {
std::atomic<long> g_locks{0};
}  // namespace

void lockModule() {
    g_locks.fetch_add(1, std::memory_order_relaxed);
}
void unlockModule() {
    g_locks.fetch_sub(1, std::memory_order_relaxed);
}
long moduleLockCount() {
    return g_locks.load(std::memory_order_relaxed);
}

}  // namespace framework

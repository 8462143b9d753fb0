// The count of live mask objects and server locks of the module: the component server
// answers DllCanUnloadNow from it.
#pragma once

namespace framework {

void lockModule();
void unlockModule();
long moduleLockCount();

// Holds one module lock for its lifetime (a member of every mask object).
class ModuleLock {
  public:
    ModuleLock() { lockModule(); }
    ModuleLock(const ModuleLock&) = delete;
    ModuleLock& operator=(const ModuleLock&) = delete;
    ~ModuleLock() { unlockModule(); }
};

}  // namespace framework

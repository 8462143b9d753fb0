// The class objects of a class table: each class's factory is made on the first request for
// it, once, and kept until this object goes (the module's unload).
#pragma once

#include <atomic>
#include <span>
#include <vector>

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "server/class_table.h"

namespace server {

class ClassObjects {
  public:
    explicit ClassObjects(std::span<const ClassEntry> table);
    ClassObjects(const ClassObjects&) = delete;
    ClassObjects& operator=(const ClassObjects&) = delete;
    ~ClassObjects() = default;

    // DllGetClassObject over this table: E_POINTER for a null out-pointer (otherwise it is
    // cleared first), CLASS_E_CLASSNOTAVAILABLE for a class that is not in the table or has no
    // creator, else the cached factory's answer for riid.
    HRESULT get(REFCLSID clsid, REFIID riid, void** ppv);

  private:
    // Serialises the first creation of each factory. A spin lock: held only for a few
    // instructions, and usable where the standard library's threads are not.
    class Lock {
      public:
        explicit Lock(std::atomic_flag& flag) : flag_(flag) {
            while (flag_.test_and_set(std::memory_order_acquire)) {
            }
        }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock() { flag_.clear(std::memory_order_release); }

      private:
        std::atomic_flag& flag_;
    };

    std::span<const ClassEntry> table_;
    std::vector<com::Ptr<IClassFactory>> factories_;  // one per table entry
    std::atomic_flag lock_ = ATOMIC_FLAG_INIT;
};

}  // namespace server

// The class object of one mask class: makes instances through the class's creator and keeps
// the server loaded while the host holds a lock on it.
#pragma once

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/object.h"
#include "server/class_table.h"

namespace server {

class ClassFactory final : public com::Object<com::Implements<IClassFactory, IID_IClassFactory>> {
  public:
    // A new factory for creator (which must not be null); empty when out of memory.
    static com::Ptr<IClassFactory> create(Creator creator);

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                             void** ppvObject) override;
    // Counts a server lock in the module's lock count. An unlock without a matching lock is
    // refused, so that a careless host cannot pull the count below the live objects.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) override;

  private:
    explicit ClassFactory(Creator creator) : creator_(creator) {}
    ~ClassFactory() override = default;

    Creator creator_;
};

}  // namespace server

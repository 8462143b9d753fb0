#include "server/class_factory.h"

#include <atomic>
#include <new>

#include "framework/object_count.h"

namespace server {
namespace {

// Server locks held through LockServer, across every class factory of the module.
std::atomic<long> g_serverLocks{0};

bool takeServerLock() {
    long held = g_serverLocks.load();
    while (held > 0) {
        if (g_serverLocks.compare_exchange_weak(held, held - 1))
            return true;
    }
    return false;
}

}  // namespace

com::Ptr<IClassFactory> ClassFactory::create(Creator creator) {
    if (creator == nullptr)
        return {};
    return com::Ptr<IClassFactory>::attach(new (std::nothrow) ClassFactory(creator));
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                                       void** ppvObject) {
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    try {
        const HRESULT hr = creator_(riid, ppvObject);
        if (FAILED(hr))
            *ppvObject = nullptr;
        return hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL fLock) {
    if (fLock) {
        ++g_serverLocks;
        framework::lockModule();
        return S_OK;
    }
    if (!takeServerLock())
        return E_UNEXPECTED;
    framework::unlockModule();
    return S_OK;
}

}  // namespace server

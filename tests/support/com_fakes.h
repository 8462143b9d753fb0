// Small component objects for tests of the automation plumbing: a heap object with a live
// reference count, a connection-point container with one event source, and an event sink
// that records every Invoke.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/event_source.h"
#include "platform/com/bstr.h"
#include "platform/com/com.h"
#include "platform/com/com_ptr.h"

namespace testing_support {

// Counts references; deletes itself at zero and notes it in *destroyed.
class CountedUnknown final : public IUnknown {
  public:
    explicit CountedUnknown(bool* destroyed = nullptr) : destroyed_(destroyed) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (!(riid == IID_IUnknown))
            return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs;
        if (left == 0) {
            if (destroyed_ != nullptr)
                *destroyed_ = true;
            delete this;
        }
        return left;
    }
    ULONG refs = 1;

  private:
    ~CountedUnknown() = default;
    bool* destroyed_;
};

// A mask-like container: a heap object whose one connection point is an EventSource.
class FakeContainer final : public IConnectionPointContainer {
  public:
    static com::Ptr<FakeContainer> create(REFIID eventIid, bool* destroyed = nullptr) {
        return com::Ptr<FakeContainer>::attach(new FakeContainer(eventIid, destroyed));
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (!(riid == IID_IUnknown) && !(riid == IID_IConnectionPointContainer)) {
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IConnectionPointContainer*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs;
        if (left == 0) {
            if (destroyed_ != nullptr)
                *destroyed_ = true;
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** pp) override {
        return events.find(riid, pp);
    }

    framework::EventSource events;
    ULONG refs = 1;

  private:
    FakeContainer(REFIID eventIid, bool* destroyed)
        : events(*this, eventIid), destroyed_(destroyed) {}
    ~FakeContainer() = default;
    bool* destroyed_;
};

// What one Invoke brought.
struct InvokeCall {
    std::string sink;
    DISPID id = 0;
    bool nullIid = false;
    LCID lcid = 0;
    WORD flags = 0;
    std::vector<std::u16string> args;  // as they lie in DISPPARAMS (last argument first)
    std::vector<BSTR> raw;             // the string pointers handed over
    UINT namedArgs = 0;
};

// An automation sink that records its calls into a shared list and may run an action inside
// Invoke (to disconnect, release the container, ...).
class RecordingSink final : public IDispatch {
  public:
    static com::Ptr<RecordingSink> create(std::string name, std::vector<InvokeCall>& calls,
                                          bool answersDispatch = true) {
        return com::Ptr<RecordingSink>::attach(
            new RecordingSink(std::move(name), calls, answersDispatch));
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid == IID_IUnknown || (answersDispatch_ && riid == IID_IDispatch)) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        InvokeCall call{name_, id, riid == IID_NULL, lcid, flags, {}, {}, params->cNamedArgs};
        for (UINT i = 0; i < params->cArgs; ++i) {
            call.args.emplace_back(com::Bstr::view(params->rgvarg[i].bstrVal));
            call.raw.push_back(params->rgvarg[i].bstrVal);
        }
        calls_.push_back(std::move(call));
        if (onInvoke)
            onInvoke();
        return S_OK;
    }

    std::function<void()> onInvoke;
    ULONG refs = 1;

  private:
    RecordingSink(std::string name, std::vector<InvokeCall>& calls, bool answersDispatch)
        : name_(std::move(name)), calls_(calls), answersDispatch_(answersDispatch) {}
    ~RecordingSink() = default;
    std::string name_;
    std::vector<InvokeCall>& calls_;
    bool answersDispatch_;
};

}  // namespace testing_support

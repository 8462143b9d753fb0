// Small component objects for tests of the automation plumbing: a heap object that shows its
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
#include "platform/com/object.h"

namespace testing_support {

// A heap object of ours that shows its reference count and notes its destruction in
// *destroyed.
template <class... Entries>
class Counted : public com::Object<Entries...> {
  public:
    ULONG refs() const { return this->references(); }

  protected:
    explicit Counted(bool* destroyed = nullptr) : destroyed_(destroyed) {}
    Counted(bool* destroyed, const IID& alias)
        : com::Object<Entries...>(alias), destroyed_(destroyed) {}
    ~Counted() override {
        if (destroyed_ != nullptr)
            *destroyed_ = true;
    }

  private:
    bool* destroyed_;
};

class CountedUnknown final : public Counted<com::Implements<IUnknown>> {
  public:
    explicit CountedUnknown(bool* destroyed = nullptr) : Counted(destroyed) {}
};

// A mask-like container: a heap object whose one connection point is an EventSource.
class FakeContainer final
    : public Counted<com::Implements<IConnectionPointContainer, IID_IConnectionPointContainer>> {
  public:
    static com::Ptr<FakeContainer> create(REFIID eventIid, bool* destroyed = nullptr) {
        return com::Ptr<FakeContainer>::attach(new FakeContainer(eventIid, destroyed));
    }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** pp) override {
        return events.find(riid, pp);
    }

    framework::EventSource events;

  private:
    FakeContainer(REFIID eventIid, bool* destroyed) : Counted(destroyed), events(*this, eventIid) {}
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
class RecordingSink final : public Counted<com::Implements<IDispatch>> {
  public:
    static com::Ptr<RecordingSink> create(std::string name, std::vector<InvokeCall>& calls,
                                          bool answersDispatch = true) {
        return com::Ptr<RecordingSink>::attach(
            new RecordingSink(std::move(name), calls, answersDispatch));
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

  private:
    // A sink that does not answer IDispatch is reached as IUnknown only.
    RecordingSink(std::string name, std::vector<InvokeCall>& calls, bool answersDispatch)
        : Counted(nullptr, answersDispatch ? IID_IDispatch : IID_IUnknown),
          name_(std::move(name)),
          calls_(calls) {}
    std::string name_;
    std::vector<InvokeCall>& calls_;
};

}  // namespace testing_support

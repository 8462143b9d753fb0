// What the Windows test programs share: one line a check, and a sink of a mask's events.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace windows_checks {

inline int failures = 0;

// Prints "ok" or "FAIL", the mask and what was checked; counts the failures.
inline void check(bool ok, const wchar_t* mask, const char* what) {
    std::printf("%s %ls: %s\n", ok ? "ok  " : "FAIL", mask, what);
    if (!ok)
        ++failures;
}

// The events' sink: the DISPID of every call it gets, and the text of each Send.
class Sink final : public IDispatch {
  public:
    explicit Sink(IID events) : events_(events) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == events_) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        events.push_back(id);
        if (id == 2 && params->cArgs == 1 && params->rgvarg[0].vt == VT_BSTR)
            sent.emplace_back(params->rgvarg[0].bstrVal);
        return S_OK;
    }
    ULONG references() const { return references_; }
    std::vector<DISPID> events;
    std::vector<std::wstring> sent;

  private:
    IID events_;
    ULONG references_ = 1;
};

}  // namespace windows_checks

// The dual automation interface every mask answers to (its own IID per mask). The members are
// in DISPID order; the Skyfolio interface ends before initParam.
#pragma once

#include "platform/com/com.h"

namespace framework {

enum MaskDispid : DISPID {
    kDispidLang = 1,
    kDispidSetResponse = 2,
    kDispidInitField = 3,
    kDispidInitParam = 4,
};

struct IZenkorMask : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Lang(BSTR* pVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Lang(BSTR newVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetResponse(BSTR bstrResponse) = 0;
    virtual HRESULT STDMETHODCALLTYPE initField(BSTR bstrFields) = 0;
    virtual HRESULT STDMETHODCALLTYPE initParam(BSTR bstrParams) = 0;

  protected:
    ~IZenkorMask() = default;
};

// Activation of a mask in the host's window (the stand-in for in-place activation): creates
// the form (activation runs), or destroys it.
struct IZenkorMaskView : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Activate() = 0;
    virtual HRESULT STDMETHODCALLTYPE Deactivate() = 0;

  protected:
    ~IZenkorMaskView() = default;
};

// {5B0E2C1A-8D4F-4E7B-9A36-2F1C7D9E4B10}
inline constexpr IID IID_IZenkorMaskView = {
    0x5B0E2C1A, 0x8D4F, 0x4E7B, {0x9A, 0x36, 0x2F, 0x1C, 0x7D, 0x9E, 0x4B, 0x10}};

}  // namespace framework

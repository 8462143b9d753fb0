// Late-bound access to a mask's automation interface: names to DISPIDs, and IDispatch::Invoke
// routed to the members of IZenkorMask.
//
// Refusals here are errors of the dispatch protocol (the caller asked for a member, a kind of
// call or an argument that does not exist); the members themselves always answer S_OK.
#pragma once

#include "framework/mask_interface.h"
#include "platform/com/com.h"

namespace framework {

// IDispatch::GetIDsOfNames for the mask interface. The first name is a member ("Lang",
// "SetResponse", "initField", "initParam"; "initParam" only when hasInitParam), compared
// without regard to case; further names are that member's parameter names. Every unknown
// name gets DISPID_UNKNOWN and the answer DISP_E_UNKNOWNNAME.
HRESULT MaskIdsOfNames(bool hasInitParam, REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                       DISPID* rgDispId);

// IDispatch::Invoke for the mask interface, by DISPID: Lang get and put, and the methods
// SetResponse, initField and (when hasInitParam) initParam with one string argument. A string
// argument may be passed by value (VT_BSTR) or by reference (VT_BSTR|VT_BYREF, or a variant by
// reference that holds a string). argErr, when given, receives the index of a refused
// argument.
HRESULT InvokeMask(IZenkorMask& mask, bool hasInitParam, DISPID id, WORD flags, DISPPARAMS* params,
                   VARIANT* result, UINT* argErr = nullptr);

// The IDispatch part of a mask class: derive the mask from MaskDispatch<its interface> and
// the late-bound members come for free. Interface is IZenkorMask or an interface derived
// from it without further members.
template <class Interface>
class MaskDispatch : public Interface {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override {
        if (pctinfo == nullptr)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override {
        if (ppTInfo != nullptr)
            *ppTInfo = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                            DISPID* rgDispId) override {
        return MaskIdsOfNames(HasInitParam(), riid, rgszNames, cNames, rgDispId);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override {
        if (!(riid == IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        (void)pExcepInfo;  // members never raise exceptions
        return InvokeMask(*this, HasInitParam(), dispIdMember, wFlags, pDispParams, pVarResult,
                          puArgErr);
    }

  protected:
    ~MaskDispatch() = default;
    // Whether the interface has initParam (every mask's but Skyfolio's).
    virtual bool HasInitParam() const { return true; }
};

}  // namespace framework

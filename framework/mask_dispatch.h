// Late-bound access to a mask's automation interface: names to DISPIDs, and IDispatch::Invoke
// routed to the members of IZenkorMask. Where the system has the module's type library, the
// library's description of the interface answers all four IDispatch members instead.
//
// Refusals here are errors of the dispatch protocol (the caller asked for a member, a kind of
// call or an argument that does not exist); the members themselves always answer S_OK.
#pragma once

#include "framework/class_ids.h"
#include "framework/mask_interface.h"
#include "platform/com/com.h"
#include "platform/com/com_ptr.h"
#include "platform/com/type_library.h"

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
        *pctinfo = typeInfo() ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) override {
        if (ppTInfo == nullptr)
            return E_POINTER;
        *ppTInfo = nullptr;
        if (!typeInfo())
            return E_NOTIMPL;
        if (iTInfo != 0)
            return DISP_E_BADINDEX;
        *ppTInfo = com::Ptr<ITypeInfo>(typeInfo().get()).detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                            DISPID* rgDispId) override {
        if (riid == IID_NULL && typeInfo())
            return com::typeIdsOfNames(*typeInfo(), rgszNames, cNames, rgDispId);
        return MaskIdsOfNames(HasInitParam(), riid, rgszNames, cNames, rgDispId);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags,
                                     DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                     EXCEPINFO* pExcepInfo, UINT* puArgErr) override {
        if (!(riid == IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        if (typeInfo()) {
            return com::typeInvoke(*typeInfo(), static_cast<Interface*>(this), dispIdMember, wFlags,
                                   pDispParams, pVarResult, pExcepInfo, puArgErr);
        }
        (void)pExcepInfo;  // members never raise exceptions
        return InvokeMask(*this, HasInitParam(), dispIdMember, wFlags, pDispParams, pVarResult,
                          puArgErr);
    }

  protected:
    ~MaskDispatch() = default;
    // Whether the interface has initParam (every mask's but Skyfolio's).
    virtual bool HasInitParam() const { return true; }
    // The IID of the interface, as the type library knows it (none: answered by our tables).
    virtual const IID* DispatchIid() const { return nullptr; }

  private:
    // The type library's description of the interface, looked up once; null where the system
    // has no type library.
    const com::Ptr<ITypeInfo>& typeInfo() {
        if (!typeInfoLooked_ && DispatchIid() != nullptr)
            typeInfo_ = com::interfaceTypeInfo(ids::LIBID_FAREWRIGHTLib, *DispatchIid());
        typeInfoLooked_ = true;
        return typeInfo_;
    }

    com::Ptr<ITypeInfo> typeInfo_;
    bool typeInfoLooked_ = false;
};

}  // namespace framework

#include "framework/mask_dispatch.h"

#include <string_view>

#include "platform/com/bstr.h"

namespace framework {
namespace {

struct MemberName {
    std::string_view name;
    DISPID id;
    std::string_view parameter;  // empty: the member has no nameable parameter
};

constexpr MemberName kMembers[] = {
    {"Lang", kDispidLang, ""},
    {"SetResponse", kDispidSetResponse, "bstrResponse"},
    {"initField", kDispidInitField, "bstrFields"},
    {"initParam", kDispidInitParam, "bstrParams"},
};

// Parameter names of a method map to their position; the one parameter is number 0.
constexpr DISPID kFirstParameter = 0;

bool memberExists(bool hasInitParam, DISPID id) {
    return id >= kDispidLang && id <= kDispidInitParam && (hasInitParam || id != kDispidInitParam);
}

char16_t foldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
}

// A NUL-terminated automation name against an ASCII name, ignoring case.
bool sameName(const OLECHAR* candidate, std::string_view name) {
    std::size_t i = 0;
    for (; candidate[i] != 0; ++i) {
        if (i == name.size())
            return false;
        if (foldAscii(static_cast<char16_t>(candidate[i])) !=
            foldAscii(static_cast<char16_t>(static_cast<unsigned char>(name[i])))) {
            return false;
        }
    }
    return i == name.size();
}

// The string of one argument, by value or by reference.
HRESULT stringArgument(const VARIANTARG& arg, BSTR& out) {
    switch (arg.vt) {
        case VT_BSTR:
            out = arg.bstrVal;
            return S_OK;
        case VT_BSTR | VT_BYREF:
            if (arg.pbstrVal == nullptr)
                return E_INVALIDARG;
            out = *arg.pbstrVal;
            return S_OK;
        case VT_VARIANT | VT_BYREF:
            // Script callers pass their variables this way; one level of reference only.
            if (arg.pvarVal == nullptr)
                return E_INVALIDARG;
            if (arg.pvarVal->vt == VT_BSTR) {
                out = arg.pvarVal->bstrVal;
                return S_OK;
            }
            return DISP_E_TYPEMISMATCH;
        default:
            return DISP_E_TYPEMISMATCH;
    }
}

// The one string argument of a call; named is the DISPID the caller must use if it names it.
HRESULT singleString(const DISPPARAMS& params, DISPID named, BSTR& out, UINT* argErr) {
    if (params.cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params.cNamedArgs > 1)
        return DISP_E_BADPARAMCOUNT;
    if (params.cNamedArgs == 1 && params.rgdispidNamedArgs[0] != named) {
        return DISP_E_PARAMNOTFOUND;
    }
    const HRESULT hr = stringArgument(params.rgvarg[0], out);
    if (hr == DISP_E_TYPEMISMATCH && argErr != nullptr)
        *argErr = 0;
    return hr;
}

HRESULT invokeLang(IZenkorMask& mask, WORD flags, const DISPPARAMS& params, VARIANT* result,
                   UINT* argErr) {
    if ((flags & DISPATCH_PROPERTYPUT) != 0) {
        if (params.cNamedArgs == 0)
            return DISP_E_PARAMNOTFOUND;
        BSTR value = nullptr;
        const HRESULT hr = singleString(params, DISPID_PROPERTYPUT, value, argErr);
        if (FAILED(hr))
            return hr;
        return mask.put_Lang(value);
    }
    if ((flags & DISPATCH_PROPERTYGET) != 0) {
        if (params.cArgs != 0)
            return DISP_E_BADPARAMCOUNT;
        com::Bstr value;
        const HRESULT hr = mask.get_Lang(value.out());
        if (FAILED(hr))
            return hr;
        if (result != nullptr) {
            result->vt = VT_BSTR;
            result->bstrVal = value.release();
        }
        return hr;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT invokeMethod(IZenkorMask& mask, DISPID id, WORD flags, const DISPPARAMS& params,
                     UINT* argErr) {
    if ((flags & DISPATCH_METHOD) == 0)
        return DISP_E_MEMBERNOTFOUND;
    BSTR argument = nullptr;
    const HRESULT hr = singleString(params, kFirstParameter, argument, argErr);
    if (FAILED(hr))
        return hr;
    switch (id) {
        case kDispidSetResponse:
            return mask.SetResponse(argument);
        case kDispidInitField:
            return mask.initField(argument);
        default:
            return mask.initParam(argument);
    }
}

}  // namespace

HRESULT MaskIdsOfNames(bool hasInitParam, REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                       DISPID* rgDispId) {
    if (!(riid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (cNames == 0)
        return S_OK;
    if (rgszNames == nullptr || rgDispId == nullptr)
        return E_POINTER;
    for (UINT i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;

    const MemberName* member = nullptr;
    if (rgszNames[0] != nullptr) {
        for (const MemberName& m : kMembers) {
            if (memberExists(hasInitParam, m.id) && sameName(rgszNames[0], m.name)) {
                member = &m;
                break;
            }
        }
    }
    if (member == nullptr)
        return DISP_E_UNKNOWNNAME;
    rgDispId[0] = member->id;

    HRESULT hr = S_OK;
    for (UINT i = 1; i < cNames; ++i) {
        // Only the first parameter name of a method that has one can match.
        if (i == 1 && rgszNames[i] != nullptr && !member->parameter.empty() &&
            sameName(rgszNames[i], member->parameter)) {
            rgDispId[i] = kFirstParameter;
        } else {
            hr = DISP_E_UNKNOWNNAME;
        }
    }
    return hr;
}

HRESULT InvokeMask(IZenkorMask& mask, bool hasInitParam, DISPID id, WORD flags, DISPPARAMS* params,
                   VARIANT* result, UINT* argErr) {
    if (result != nullptr)
        VariantInit(result);
    if (!memberExists(hasInitParam, id))
        return DISP_E_MEMBERNOTFOUND;

    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPPARAMS& p = params != nullptr ? *params : none;
    if ((p.cArgs != 0 && p.rgvarg == nullptr) || p.cNamedArgs > p.cArgs ||
        (p.cNamedArgs != 0 && p.rgdispidNamedArgs == nullptr)) {
        return E_INVALIDARG;
    }
    try {
        if (id == kDispidLang)
            return invokeLang(mask, flags, p, result, argErr);
        return invokeMethod(mask, id, flags, p, argErr);
    } catch (...) {
        // A member must not let anything escape through the automation boundary.
        return E_UNEXPECTED;
    }
}

}  // namespace framework

// The type library: the registered one, else resource TYPELIB 1 of this module (before
// registration, and for a module loaded from elsewhere than where it was registered).
#include "platform/com/type_library.h"

#include <string>

#include "platform/file/file.h"
#include "platform/text/codepage.h"

namespace com {
namespace {

Ptr<ITypeLib> loadLibrary(REFGUID libid) {
    Ptr<ITypeLib> library;
    if (SUCCEEDED(::LoadRegTypeLib(libid, 1, 0, LOCALE_NEUTRAL, library.out())))
        return library;
    static const char here = 0;
    const std::u16string path = text::fromAnsi(file::modulePath(&here));
    const std::wstring wide(path.begin(), path.end());
    if (wide.empty() || FAILED(::LoadTypeLibEx(wide.c_str(), REGKIND_NONE, library.out())))
        return {};
    // Another library in the module (a test program's) is not ours.
    TLIBATTR* attributes = nullptr;
    if (FAILED(library->GetLibAttr(&attributes)))
        return {};
    const bool ours = attributes->guid == libid;
    library->ReleaseTLibAttr(attributes);
    return ours ? library : Ptr<ITypeLib>();
}

// The interface a coclass implements with exactly `flags`.
bool implementedWith(ITypeInfo& coclass, UINT count, INT flags, REFIID iid) {
    for (UINT i = 0; i < count; ++i) {
        INT found = 0;
        HREFTYPE reference = 0;
        Ptr<ITypeInfo> implemented;
        TYPEATTR* attributes = nullptr;
        if (FAILED(coclass.GetImplTypeFlags(i, &found)) || found != flags ||
            FAILED(coclass.GetRefTypeOfImplType(i, &reference)) ||
            FAILED(coclass.GetRefTypeInfo(reference, implemented.out())) ||
            FAILED(implemented->GetTypeAttr(&attributes))) {
            continue;
        }
        const bool same = attributes->guid == iid;
        implemented->ReleaseTypeAttr(attributes);
        if (same)
            return true;
    }
    return false;
}

// The vtable side of a dual interface's description, which calls reach the object through.
Ptr<ITypeInfo> vtableSide(ITypeInfo& info) {
    HREFTYPE reference = 0;
    Ptr<ITypeInfo> side;
    if (SUCCEEDED(info.GetRefTypeOfImplType(static_cast<UINT>(-1), &reference)) &&
        SUCCEEDED(info.GetRefTypeInfo(reference, side.out()))) {
        return side;
    }
    return Ptr<ITypeInfo>(&info);
}

}  // namespace

Ptr<ITypeInfo> interfaceTypeInfo(REFGUID libid, REFIID iid) {
    Ptr<ITypeInfo> info;
    const Ptr<ITypeLib> library = loadLibrary(libid);
    if (library)
        library->GetTypeInfoOfGuid(iid, info.out());
    return info;
}

Ptr<ITypeInfo> classTypeInfo(REFGUID libid, REFIID iid) {
    const Ptr<ITypeLib> library = loadLibrary(libid);
    if (!library)
        return {};
    const UINT count = library->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        TYPEKIND kind{};
        Ptr<ITypeInfo> info;
        TYPEATTR* attributes = nullptr;
        if (FAILED(library->GetTypeInfoType(i, &kind)) || kind != TKIND_COCLASS ||
            FAILED(library->GetTypeInfo(i, info.out())) || FAILED(info->GetTypeAttr(&attributes))) {
            continue;
        }
        const UINT implemented = attributes->cImplTypes;
        info->ReleaseTypeAttr(attributes);
        if (implementedWith(*info, implemented, IMPLTYPEFLAG_FDEFAULT, iid))
            return info;
    }
    return {};
}

HRESULT typeIdsOfNames(ITypeInfo& info, LPOLESTR* names, UINT count, DISPID* ids) {
    return ::DispGetIDsOfNames(&info, names, count, ids);
}

HRESULT typeInvoke(ITypeInfo& info, void* object, DISPID id, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* argErr) {
    const Ptr<ITypeInfo> side = vtableSide(info);
    return ::DispInvoke(object, side.get(), id, flags, params, result, exception, argErr);
}

}  // namespace com

// No type library on this system: the masks answer IDispatch by their own tables.
#include "platform/com/type_library.h"

namespace com {

Ptr<ITypeInfo> interfaceTypeInfo(REFGUID, REFIID) {
    return {};
}

Ptr<ITypeInfo> classTypeInfo(REFGUID, REFIID) {
    return {};
}

HRESULT typeIdsOfNames(ITypeInfo&, LPOLESTR*, UINT, DISPID*) {
    return E_NOTIMPL;
}

HRESULT typeInvoke(ITypeInfo&, void*, DISPID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

}  // namespace com

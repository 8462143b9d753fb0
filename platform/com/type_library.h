// The module's type library, where the system has one: the descriptions that answer IDispatch
// and IProvideClassInfo from it. Where there is none (no such library on this system, or it
// cannot be loaded) every lookup answers null, and the caller answers by its own tables.
#pragma once

#include "platform/com/com.h"
#include "platform/com/com_ptr.h"

namespace com {

// The description of an interface of the library `libid` (version 1.0): the registered
// library, else the one inside this module. For a dual interface it is the dispatch side.
Ptr<ITypeInfo> interfaceTypeInfo(REFGUID libid, REFIID iid);

// The description of the class whose default interface is `iid`.
Ptr<ITypeInfo> classTypeInfo(REFGUID libid, REFIID iid);

// IDispatch answered by a description (interfaceTypeInfo's): names to DISPIDs, and calls
// through the vtable of `object`, the interface the description belongs to.
HRESULT typeIdsOfNames(ITypeInfo& info, LPOLESTR* names, UINT count, DISPID* ids);
HRESULT typeInvoke(ITypeInfo& info, void* object, DISPID id, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* argErr);

}  // namespace com

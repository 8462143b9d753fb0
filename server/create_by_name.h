// Creation of a mask by its coclass name, the way a host does it: the class object from the
// server's entry point, then a new instance from it.
#pragma once

#include <string_view>

#include "platform/com/com.h"

namespace server {

// CLASS_E_CLASSNOTAVAILABLE for a name that is not a class of this server (or not available);
// otherwise the answer of DllGetClassObject or IClassFactory::CreateInstance. *ppv is null
// unless the answer is a success.
HRESULT CreateMaskByName(std::string_view coclass, REFIID riid, void** ppv);

}  // namespace server

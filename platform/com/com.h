// The one seam between the masks and the component object model: on Windows the real SDK
// headers, elsewhere our own small layer with the same names, layouts and HRESULT values.
#pragma once

#if defined(_WIN32)
#include <oaidl.h>
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>
#include <windows.h>
#else
#include "platform/com/posix_com.h"
#endif

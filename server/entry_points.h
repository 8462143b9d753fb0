// The entry points of the component server, by which the platform (or the stand-in terminal)
// creates the mask classes and an installer registers them.
#pragma once

#include "platform/com/com.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
STDAPI DllCanUnloadNow();
STDAPI DllRegisterServer();
STDAPI DllUnregisterServer();

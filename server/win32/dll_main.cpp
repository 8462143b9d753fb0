// The module's entry point on Windows: no notice of threads is wanted; the cached class
// factories go with the module's static objects when it unloads.
#include "platform/com/com.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ::DisableThreadLibraryCalls(instance);
    return TRUE;
}

#include "server/entry_points.h"

#include <vector>

#include "framework/class_ids.h"
#include "framework/object_count.h"
#include "platform/zenkor/register_manager.h"
#include "server/class_objects.h"
#include "server/class_table.h"

namespace {

// The module's class objects; the cached factories are released when the module unloads.
server::ClassObjects& moduleClassObjects() {
    static server::ClassObjects objects(server::classTable());
    return objects;
}

// Any address inside the module names the module to the registration library.
const char kModuleAnchor = 0;

// Calls the registration library with the module's state; its status is passed on.
template <class Call>
HRESULT withModuleState(Call call) {
    try {
        std::vector<zenkor::RegisteredClass> classes;
        for (const server::ClassEntry& entry : server::classTable()) {
            classes.push_back({entry.name, entry.clsid, entry.toolboxBitmap});
        }
        zenkor::ModuleState state;
        state.classes = classes;
        state.libid = ids::LIBID_FAREWRIGHTLib;
        return call(state);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    try {
        return moduleClassObjects().get(rclsid, riid, ppv);
    } catch (...) {
        return E_UNEXPECTED;
    }
}

STDAPI DllCanUnloadNow() {
    return framework::moduleLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    return withModuleState(
        [](const zenkor::ModuleState& state) { return RegisterSvr(&kModuleAnchor, state); });
}

STDAPI DllUnregisterServer() {
    return withModuleState([](const zenkor::ModuleState& state) { return UnregisterSvr(state); });
}

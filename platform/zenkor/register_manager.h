// The host platform's registration library: records a component server's classes so that the
// platform can find them, and removes them again.
//
// This stand-in keeps the registration entries in "registry.ini" in the home directory: one
// section per registry key (under "HKEY_CLASSES_ROOT\"), "@" for the key's default value.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace zenkor {

// One creatable class of a server.
struct RegisteredClass {
    std::string_view
        name;  // coclass name; ProgIDs are "Farewright.<name>.1" and "Farewright.<name>"
    CLSID clsid;
    int toolboxBitmap;
};

// What a server hands over about itself.
struct ModuleState {
    unsigned size = 132;
    std::span<const RegisteredClass> classes;
    GUID libid{};
    unsigned version = 0x300;
};

// A server names itself by any address inside its module (the stand-in for an instance
// handle); the registration records that module's file path.
using ModuleInstance = const void*;

// The name of the file the registrations go to (in the home directory).
inline constexpr const char* kRegistryFile = "registry.ini";

// The registry form of a GUID: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string guidText(REFGUID guid);

}  // namespace zenkor

// Registers every class of the module and its type library; the keys of each class's CLSID are
// removed and written anew. S_OK, or SELFREG_E_CLASS when the entries could not be written.
HRESULT RegisterSvr(zenkor::ModuleInstance instance, const zenkor::ModuleState& state);
// Removes every entry RegisterSvr writes for the module. S_OK also when nothing was
// registered; SELFREG_E_CLASS when the entries could not be written.
HRESULT UnregisterSvr(const zenkor::ModuleState& state);

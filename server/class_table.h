// The classes of the component server, in the order of its class table.
#pragma once

#include <span>
#include <string_view>

#include "platform/com/com.h"

namespace server {

// Makes a new object of a class and answers riid of it.
using Creator = HRESULT (*)(REFIID riid, void** ppv);

struct ClassEntry {
    std::string_view name;  // the coclass name ("IssManualVoidTkt")
    CLSID clsid;
    IID iid;   // the automation interface
    IID diid;  // the event dispinterface
    int registryScript;
    int toolboxBitmap;
    Creator create;  // nullptr: the class is not available yet
};

// The six mask classes of this server.
std::span<const ClassEntry> classTable();

// The entry of a class in a table, or nullptr.
const ClassEntry* findClass(std::span<const ClassEntry> table, REFCLSID clsid);
// The entry of a class by coclass name (exact, as the host names classes), or nullptr.
const ClassEntry* findClassByName(std::span<const ClassEntry> table, std::string_view name);

}  // namespace server

// The keys a server's registration writes under HKEY_CLASSES_ROOT, whatever store they go to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/zenkor/register_manager.h"

namespace zenkor {

// A key (its path under HKEY_CLASSES_ROOT) and its default value ("" for an empty key).
struct RegistryKey {
    std::string path;
    std::string value;
};

// Every key of the registration of the module's classes, each parent before its children.
std::vector<RegistryKey> classKeys(const ModuleState& state, std::string_view module);
// The keys that belong to the module's classes, each removed with everything under it.
std::vector<std::string> classRoots(const ModuleState& state);

// The type library's keys, and the key that holds them all.
std::vector<RegistryKey> typeLibraryKeys(const ModuleState& state, std::string_view module);
std::string typeLibraryRoot(const ModuleState& state);

}  // namespace zenkor

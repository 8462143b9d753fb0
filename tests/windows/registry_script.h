// Reads a class's registry script (resource type REGISTRY) into the keys it writes under
// HKEY_CLASSES_ROOT, so that a check can hold the registry against it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ScriptKey {
    std::wstring path;   // under HKEY_CLASSES_ROOT
    std::wstring value;  // the default value; "" for an empty key
    bool owned;          // written by the script (not a NoRemove key it only passes through)
};

// The keys of `script` with "%MODULE%" standing for `module` (its single quotes doubled, as
// the script's quoting wants), each parent before its children; nothing when the script does
// not read.
std::optional<std::vector<ScriptKey>> readRegistryScript(const std::string& script,
                                                         const std::wstring& module);

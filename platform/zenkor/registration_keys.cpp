#include "platform/zenkor/registration_keys.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zenkor {
namespace {

// A key of a class's registration and its default value ("" for an empty key). Placeholders:
// {name}, {clsid}, {module}, {bitmap}, {libid}.
struct KeyTemplate {
    std::string_view path;
    std::string_view value;
};

constexpr KeyTemplate kClassKeys[] = {
    {"Farewright.{name}.1", "{name} Class"},
    {"Farewright.{name}.1\\CLSID", "{clsid}"},
    {"Farewright.{name}", "{name} Class"},
    {"Farewright.{name}\\CLSID", "{clsid}"},
    {"Farewright.{name}\\CurVer", "Farewright.{name}.1"},
    {"CLSID\\{clsid}", "{name} Class"},
    {"CLSID\\{clsid}\\ProgID", "Farewright.{name}.1"},
    {"CLSID\\{clsid}\\VersionIndependentProgID", "Farewright.{name}"},
    {"CLSID\\{clsid}\\Programmable", ""},
    {"CLSID\\{clsid}\\InprocServer32", "{module}"},
    {"CLSID\\{clsid}\\Control", ""},
    {"CLSID\\{clsid}\\Insertable", ""},
    {"CLSID\\{clsid}\\ToolboxBitmap32", "{module}, {bitmap}"},
    {"CLSID\\{clsid}\\MiscStatus", "0"},
    {"CLSID\\{clsid}\\MiscStatus\\1", "131473"},
    {"CLSID\\{clsid}\\TypeLib", "{libid}"},
    {"CLSID\\{clsid}\\Version", "1.0"},
    // Safe for scripting, safe for initialising.
    {"CLSID\\{clsid}\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", ""},
    {"CLSID\\{clsid}\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", ""},
};

// The keys that belong to a class: each with everything under it.
constexpr std::string_view kClassRoots[] = {"Farewright.{name}.1", "Farewright.{name}",
                                            "CLSID\\{clsid}"};

constexpr KeyTemplate kTypeLibKeys[] = {
    {"TypeLib\\{libid}\\1.0", "Farewright 1.0 Type Library"},
    {"TypeLib\\{libid}\\1.0\\0\\win32", "{module}"},
};
constexpr std::string_view kTypeLibRoot = "TypeLib\\{libid}";

struct Placeholder {
    std::string_view token;
    std::string value;
};

// Replaces the placeholders in one pass, so that a value never expands again.
std::string expand(std::string_view pattern, const std::vector<Placeholder>& values) {
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        bool replaced = false;
        if (pattern[i] == '{') {
            for (const Placeholder& p : values) {
                if (pattern.substr(i, p.token.size()) == p.token) {
                    out += p.value;
                    i += p.token.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += pattern[i++];
    }
    return out;
}

std::vector<Placeholder> classValues(const RegisteredClass& c, const ModuleState& state,
                                     const std::string& module) {
    return {{"{name}", std::string(c.name)},
            {"{clsid}", guidText(c.clsid)},
            {"{module}", module},
            {"{bitmap}", std::to_string(c.toolboxBitmap)},
            {"{libid}", guidText(state.libid)}};
}

}  // namespace

std::vector<RegistryKey> classKeys(const ModuleState& state, std::string_view module) {
    std::vector<RegistryKey> keys;
    for (const RegisteredClass& c : state.classes) {
        const std::vector<Placeholder> values = classValues(c, state, std::string(module));
        for (const KeyTemplate& key : kClassKeys)
            keys.push_back({expand(key.path, values), expand(key.value, values)});
    }
    return keys;
}

std::vector<std::string> classRoots(const ModuleState& state) {
    std::vector<std::string> roots;
    for (const RegisteredClass& c : state.classes) {
        const std::vector<Placeholder> values = classValues(c, ModuleState{}, {});
        for (std::string_view root : kClassRoots)
            roots.push_back(expand(root, values));
    }
    return roots;
}

std::vector<RegistryKey> typeLibraryKeys(const ModuleState& state, std::string_view module) {
    const std::vector<Placeholder> values = {{"{libid}", guidText(state.libid)},
                                             {"{module}", std::string(module)}};
    std::vector<RegistryKey> keys;
    for (const KeyTemplate& key : kTypeLibKeys)
        keys.push_back({expand(key.path, values), expand(key.value, values)});
    return keys;
}

std::string typeLibraryRoot(const ModuleState& state) {
    return expand(kTypeLibRoot, {{"{libid}", guidText(state.libid)}});
}

std::string guidText(REFGUID guid) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return buffer;
}

}  // namespace zenkor

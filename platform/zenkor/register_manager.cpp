#include "platform/zenkor/register_manager.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file/file.h"

namespace zenkor {
namespace {

constexpr std::string_view kRoot = "HKEY_CLASSES_ROOT\\";

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

// The registry file as sections (a key path with the lines under it), in file order.
struct Section {
    std::string key;
    std::vector<std::string> lines;
};

std::vector<Section> parse(const std::string& content) {
    std::vector<Section> sections;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
        } else if (!line.empty() && !sections.empty()) {
            sections.back().lines.push_back(std::move(line));
        }
    }
    return sections;
}

std::string render(const std::vector<Section>& sections) {
    std::string out;
    for (const Section& s : sections) {
        out += '[' + s.key + "]\n";
        for (const std::string& line : s.lines)
            out += line + '\n';
    }
    return out;
}

bool isUnder(std::string_view key, std::string_view root) {
    return key == root || (key.size() > root.size() && key.substr(0, root.size()) == root &&
                           key[root.size()] == '\\');
}

void removeUnder(std::vector<Section>& sections, const std::string& root) {
    std::erase_if(sections, [&](const Section& s) { return isUnder(s.key, root); });
}

void add(std::vector<Section>& sections, std::string key, std::string value) {
    Section s{std::move(key), {}};
    if (!value.empty())
        s.lines.push_back("@=" + value);
    sections.push_back(std::move(s));
}

std::string modulePath(ModuleInstance instance) {
    Dl_info info{};
    if (instance == nullptr || dladdr(instance, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(info.dli_fname, error);
    return error ? std::string(info.dli_fname) : path.string();
}

constexpr std::size_t kMaxRegistryBytes = 16u << 20;

// The current entries; false when a registry file exists but cannot be read whole (it is then
// left as it is rather than replaced by what little could be read).
bool readRegistry(std::vector<Section>& sections) {
    const file::ReadResult read = file::readWholeFile(kRegistryFile, kMaxRegistryBytes);
    if (!read.opened)
        return read.error == ENOENT;
    if (read.error != 0 || read.content.size() >= kMaxRegistryBytes)
        return false;
    sections = parse(read.content);
    return true;
}

bool writeRegistry(const std::vector<Section>& sections) {
    file::ensureDirectory(file::homeDirectory());
    return file::replaceFile(kRegistryFile, render(sections));
}

// Drops every entry of the module's classes and type library.
void removeModule(std::vector<Section>& sections, const ModuleState& state) {
    for (const RegisteredClass& c : state.classes) {
        const std::vector<Placeholder> values = classValues(c, state, {});
        for (std::string_view root : kClassRoots) {
            removeUnder(sections, std::string(kRoot) + expand(root, values));
        }
    }
    removeUnder(sections,
                std::string(kRoot) + expand(kTypeLibRoot, {{"{libid}", guidText(state.libid)}}));
}

}  // namespace

std::string guidText(REFGUID guid) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return buffer;
}

}  // namespace zenkor

HRESULT RegisterSvr(zenkor::ModuleInstance instance, const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        const std::string module = modulePath(instance);
        std::vector<Section> sections;
        if (!readRegistry(sections))
            return SELFREG_E_CLASS;
        removeModule(sections, state);
        for (const RegisteredClass& c : state.classes) {
            const std::vector<Placeholder> values = classValues(c, state, module);
            for (const KeyTemplate& key : kClassKeys) {
                add(sections, std::string(kRoot) + expand(key.path, values),
                    expand(key.value, values));
            }
        }
        const std::vector<Placeholder> libValues = {{"{libid}", guidText(state.libid)},
                                                    {"{module}", module}};
        for (const KeyTemplate& key : kTypeLibKeys) {
            add(sections, std::string(kRoot) + expand(key.path, libValues),
                expand(key.value, libValues));
        }
        return writeRegistry(sections) ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT UnregisterSvr(const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        std::vector<Section> sections;
        if (!readRegistry(sections))
            return SELFREG_E_CLASS;
        const std::size_t before = sections.size();
        removeModule(sections, state);
        if (sections.size() == before)
            return S_OK;  // nothing of ours is registered
        return writeRegistry(sections) ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

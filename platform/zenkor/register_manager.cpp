#include "platform/zenkor/register_manager.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/zenkor/registration_keys.h"

namespace zenkor {
namespace {

constexpr std::string_view kRoot = "HKEY_CLASSES_ROOT\\";

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

constexpr std::size_t kMaxRegistryBytes = 16u << 20;
constexpr int kRegistryLockWaitMs = 2000;

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
    return static_cast<bool>(file::replaceFile(kRegistryFile, render(sections)));
}

// The registry file's lock, held from its read to its replacement.
std::optional<file::FileLock> lockRegistry() {
    file::ensureDirectory(file::homeDirectory());
    return file::FileLock::forFile(kRegistryFile, kRegistryLockWaitMs);
}

// Drops every entry of the module's classes and type library.
void removeModule(std::vector<Section>& sections, const ModuleState& state) {
    for (const std::string& root : classRoots(state))
        removeUnder(sections, std::string(kRoot) + root);
    removeUnder(sections, std::string(kRoot) + typeLibraryRoot(state));
}

}  // namespace

}  // namespace zenkor

HRESULT RegisterSvr(zenkor::ModuleInstance instance, const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        const std::string module = file::modulePath(instance);
        const auto lock = lockRegistry();
        std::vector<Section> sections;
        if (!lock || !readRegistry(sections))
            return SELFREG_E_CLASS;
        removeModule(sections, state);
        std::vector<RegistryKey> keys = classKeys(state, module);
        std::ranges::move(typeLibraryKeys(state, module), std::back_inserter(keys));
        for (RegistryKey& key : keys)
            add(sections, std::string(kRoot) + key.path, std::move(key.value));
        return writeRegistry(sections) ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT UnregisterSvr(const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        const auto lock = lockRegistry();
        std::vector<Section> sections;
        if (!lock || !readRegistry(sections))
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

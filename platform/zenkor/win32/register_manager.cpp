// Registration in the Windows registry: the keys of every class under HKEY_CLASSES_ROOT, and
// the type library of the module (its resource TYPELIB 1) through the system's own
// registration of type libraries.
#include "platform/zenkor/register_manager.h"

#include <string>

#include "platform/file/file.h"
#include "platform/text/win32/wide.h"
#include "platform/zenkor/registration_keys.h"

namespace zenkor {
namespace {

using text::wide;

struct KeyCloser {
    HKEY key;
    ~KeyCloser() { ::RegCloseKey(key); }
};

bool writeKey(const RegistryKey& key) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, wide(key.path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const KeyCloser closer{handle};
    if (key.value.empty())
        return true;
    const std::wstring value = wide(key.value);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(handle, nullptr, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

// Removes a key with everything under it; a key that is not there is removed already.
bool removeTree(const std::string& path) {
    const LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, wide(path).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return false;
    const LSTATUS last = ::RegDeleteKeyW(HKEY_CLASSES_ROOT, wide(path).c_str());
    return last == ERROR_SUCCESS || last == ERROR_FILE_NOT_FOUND;
}

bool removeClasses(const ModuleState& state) {
    bool removed = true;
    for (const std::string& root : classRoots(state))
        removed &= removeTree(root);
    return removed;
}

}  // namespace
}  // namespace zenkor

HRESULT RegisterSvr(zenkor::ModuleInstance instance, const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        const std::string module = file::modulePath(instance);
        if (module.empty() || !removeClasses(state))
            return SELFREG_E_CLASS;
        for (const RegistryKey& key : classKeys(state, module)) {
            if (!writeKey(key))
                return SELFREG_E_CLASS;
        }
        const std::wstring path = wide(module);
        ITypeLib* library = nullptr;
        if (FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library)))
            return SELFREG_E_TYPELIB;
        const HRESULT registered =
            ::RegisterTypeLib(library, const_cast<wchar_t*>(path.c_str()), nullptr);
        library->Release();
        return SUCCEEDED(registered) ? S_OK : SELFREG_E_TYPELIB;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT UnregisterSvr(const zenkor::ModuleState& state) {
    using namespace zenkor;
    try {
        // The system's own unregistration also removes the interfaces it registered; what is
        // left of the library's key (nothing, or a key another build wrote) goes after it.
        ::UnRegisterTypeLib(state.libid, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
        const bool removed = removeClasses(state) && removeTree(typeLibraryRoot(state));
        return removed ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

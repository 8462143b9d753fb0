// A client of the registered component server, as a terminal on Windows uses it: every class
// created by its ProgID, its registration held against its registry script, driven late-bound
// through IDispatch, a sink advised on its event connection point and let go, and the module's
// unload answer watched. Exits 0 when every check holds.
#include <ocidl.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "resources/resource.h"
#include "tests/windows/container.h"
#include "tests/windows/event_sink.h"
#include "tests/windows/registry_script.h"

namespace {

using com::Ptr;
using windows_checks::check;
using windows_checks::failures;
using windows_checks::Sink;

int driven = 0;

HRESULT call(IDispatch* object, const wchar_t* member, WORD flags, const wchar_t* argument,
             VARIANT* result) {
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    VARIANT arg;
    VariantInit(&arg);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    if (argument != nullptr) {
        arg.vt = VT_BSTR;
        arg.bstrVal = SysAllocString(argument);
        params.rgvarg = &arg;
        params.cArgs = 1;
        if (flags == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &named;
            params.cNamedArgs = 1;
        }
    }
    hr =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
    VariantClear(&arg);
    return hr;
}

// The default value of a key under HKEY_CLASSES_ROOT; "<missing>" when there is no such key.
std::wstring classesValue(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return L"<missing>";
    wchar_t buffer[1024];
    DWORD bytes = sizeof buffer;
    const LSTATUS status =
        RegGetValueW(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::wstring(buffer) : std::wstring();
}

std::wstring classKey(REFCLSID clsid) {
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    return std::wstring(L"CLSID\\") + text;
}

// The class as its registered type library describes it, or null.
Ptr<ITypeInfo> registeredClass(REFCLSID clsid) {
    CLSID library{};
    Ptr<ITypeLib> registered;
    Ptr<ITypeInfo> coclass;
    if (SUCCEEDED(
            CLSIDFromString(classesValue(classKey(clsid) + L"\\TypeLib").c_str(), &library)) &&
        SUCCEEDED(LoadRegTypeLib(library, 1, 0, LOCALE_NEUTRAL, registered.out()))) {
        registered->GetTypeInfoOfGuid(clsid, coclass.out());
    }
    return coclass;
}

// The class's default source interface, as its type library describes it.
bool eventsOf(REFCLSID clsid, IID& events) {
    const Ptr<ITypeInfo> coclass = registeredClass(clsid);
    TYPEATTR* attributes = nullptr;
    if (!coclass || FAILED(coclass->GetTypeAttr(&attributes)))
        return false;
    bool found = false;
    for (UINT i = 0; i < attributes->cImplTypes && !found; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        Ptr<ITypeInfo> source;
        TYPEATTR* sourceAttributes = nullptr;
        if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) &&
            flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(coclass->GetRefTypeOfImplType(i, &reference)) &&
            SUCCEEDED(coclass->GetRefTypeInfo(reference, source.out())) &&
            SUCCEEDED(source->GetTypeAttr(&sourceAttributes))) {
            events = sourceAttributes->guid;
            found = true;
            source->ReleaseTypeAttr(sourceAttributes);
        }
    }
    coclass->ReleaseTypeAttr(attributes);
    return found;
}

std::wstring modulePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(GetModuleHandleW(L"Farewright.dll"), path, MAX_PATH);
    return std::wstring(path, n);
}

// The class's registry script, as the module holds it.
std::string registryScript(int id) {
    HMODULE module = GetModuleHandleW(L"Farewright.dll");
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

// Every key under `path` (itself included), with its default value.
void registryTree(const std::wstring& path, std::map<std::wstring, std::wstring>& keys) {
    keys[path] = classesValue(path);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    std::vector<std::wstring> children;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::wstring& child : children)
        registryTree(path + L"\\" + child, keys);
}

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text)
        c = towlower(c);
    return text;
}

// The registration of the class is its registry script, key for key, with "%MODULE%" the
// module's path, plus the two component categories; its type library is registered.
void checkRegistration(const wchar_t* name, REFCLSID clsid, int scriptId) {
    const auto script = readRegistryScript(registryScript(scriptId), modulePath());
    check(script.has_value() && !script->empty(), name, "its registry script reads");
    if (!script)
        return;
    const std::wstring key = classKey(clsid);
    // Key paths compare without regard to case, as the registry does.
    std::map<std::wstring, std::wstring> expected;
    std::map<std::wstring, std::wstring> inRegistry;
    for (const ScriptKey& written : *script) {
        if (!written.owned)
            continue;
        expected[lower(written.path)] = written.value;
        if (written.path.find(L'\\') == std::wstring::npos || written.path == key)
            registryTree(written.path, inRegistry);
    }
    const std::wstring categories = key + L"\\Implemented Categories";
    for (const wchar_t* category : {L"", L"\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}",
                                    L"\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}"})
        expected[lower(categories + category)] = L"";
    std::map<std::wstring, std::wstring> found;
    for (const auto& [path, value] : inRegistry)
        found[lower(path)] = value;
    int differences = 0;
    for (const auto& [path, value] : expected) {
        const auto it = found.find(path);
        if (it == found.end() || it->second != value) {
            std::printf("     %ls: %ls is '%ls', the script says '%ls'\n", name, path.c_str(),
                        it == found.end() ? L"<missing>" : it->second.c_str(), value.c_str());
            ++differences;
        }
    }
    for (const auto& [path, value] : found) {
        if (expected.count(path) == 0) {
            std::printf("     %ls: %ls is registered, the script has no such key\n", name,
                        path.c_str());
            ++differences;
        }
    }
    check(differences == 0, name, "every registered key is its registry script's");
    check(static_cast<bool>(registeredClass(clsid)), name,
          "its type library is registered and describes the class");
}

// The container enumerates its one connection point, the events'.
void checkEnumeration(const wchar_t* name, IConnectionPointContainer& container, REFIID events) {
    Ptr<IEnumConnectionPoints> points;
    IConnectionPoint* found[2] = {};
    ULONG fetched = 0;
    const bool one = SUCCEEDED(container.EnumConnectionPoints(points.out())) &&
                     points->Next(2, found, &fetched) == S_FALSE && fetched == 1;
    const auto point = Ptr<IConnectionPoint>::attach(found[0]);
    IID iid{};
    check(one && SUCCEEDED(point->GetConnectionInterface(&iid)) && iid == events, name,
          "EnumConnectionPoints names the events' connection point");
}

// The type library answers IDispatch's type information and IProvideClassInfo2 the class.
void checkClassInfo(const wchar_t* name, IDispatch& mask, REFCLSID clsid, REFIID events) {
    UINT count = 0;
    Ptr<ITypeInfo> info;
    check(SUCCEEDED(mask.GetTypeInfoCount(&count)) && count == 1 &&
              SUCCEEDED(mask.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.out())),
          name, "IDispatch describes itself from the type library");
    const auto provider = Ptr<IDispatch>(&mask).as<IProvideClassInfo2>(IID_IProvideClassInfo2);
    Ptr<ITypeInfo> coclass;
    TYPEATTR* attributes = nullptr;
    IID source{};
    bool same = false;
    if (provider && SUCCEEDED(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source)) &&
        SUCCEEDED(provider->GetClassInfo(coclass.out())) &&
        SUCCEEDED(coclass->GetTypeAttr(&attributes))) {
        same =
            attributes->guid == clsid && attributes->typekind == TKIND_COCLASS && source == events;
        coclass->ReleaseTypeAttr(attributes);
    }
    check(same, name, "IProvideClassInfo2 answers the class and its default source");
}

using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

HRESULT canUnloadNow() {
    HMODULE module = GetModuleHandleW(L"Farewright.dll");
    if (module == nullptr)
        return E_FAIL;
    auto entry = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    return entry != nullptr ? entry() : E_FAIL;
}

void drive(const wchar_t* name, int scriptId) {
    const std::wstring progId = std::wstring(L"Farewright.") + name;
    if (classesValue(progId) == L"<missing>") {
        std::printf("skip %ls: not a class of this build\n", name);
        return;
    }
    ++driven;
    CLSID clsid{};
    CLSID versioned{};
    check(SUCCEEDED(CLSIDFromProgID(progId.c_str(), &clsid)) &&
              SUCCEEDED(CLSIDFromProgID((progId + L".1").c_str(), &versioned)) &&
              clsid == versioned,
          name, "both ProgIDs name the class");
    {
        Ptr<IDispatch> mask;
        const bool created =
            SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                       reinterpret_cast<void**>(mask.out())));
        check(created, name, "created by ProgID");
        if (!created)
            return;
        checkRegistration(name, clsid, scriptId);
        check(canUnloadNow() == S_FALSE, name, "the module stays while the mask lives");

        VARIANT lang;
        VariantInit(&lang);
        check(SUCCEEDED(call(mask.get(), L"Lang", DISPATCH_PROPERTYPUT, L"EN1", nullptr)) &&
                  SUCCEEDED(call(mask.get(), L"Lang", DISPATCH_PROPERTYGET, nullptr, &lang)) &&
                  lang.vt == VT_BSTR && std::wstring(lang.bstrVal) == L"EN1",
              name, "Lang put and read back");
        VariantClear(&lang);
        check(call(mask.get(), L"initField", DISPATCH_METHOD, L"PNR=ABC123", nullptr) == S_OK &&
                  call(mask.get(), L"SetResponse", DISPATCH_METHOD, L"<VELMORA/>", nullptr) == S_OK,
              name, "initField and SetResponse answer S_OK");

        const auto container = mask.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
        Ptr<IConnectionPoint> point;
        IID events{};
        IID pointEvents{};
        const bool found = eventsOf(clsid, events) && container &&
                           SUCCEEDED(container->FindConnectionPoint(events, point.out())) &&
                           SUCCEEDED(point->GetConnectionInterface(&pointEvents)) &&
                           pointEvents == events;
        check(found, name, "the events interface of its type library has a connection point");
        if (container)
            checkEnumeration(name, *container, events);
        checkClassInfo(name, *mask, clsid, events);
        if (found) {
            Sink sink(events);
            DWORD cookie = 0;
            check(SUCCEEDED(point->Advise(&sink, &cookie)) && cookie != 0 && sink.references() > 1,
                  name, "a sink is advised and held");
            check(SUCCEEDED(point->Unadvise(cookie)) && sink.references() == 1, name,
                  "the sink is let go on Unadvise");
        }
    }
    check(canUnloadNow() == S_OK, name, "the module may unload after the last release");
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    container::useFreshHome(L"farewright-client");
    const struct {
        const wchar_t* name;
        int script;
    } classes[] = {{L"Skyfolio", IDR_SKYFOLIO},
                   {L"TicketingIssuance", IDR_TICKETINGISSUANCE},
                   {L"TicketingReIssuance", IDR_TICKETINGREISSUANCE},
                   {L"IssLogTkt", IDR_ISSLOGTKT},
                   {L"IssManualVoidTkt", IDR_ISSMANUALVOIDTKT},
                   {L"IssBSPDamagedTkt", IDR_ISSBSPDAMAGEDTKT}};
    for (const auto& c : classes)
        drive(c.name, c.script);
    for (const std::wstring& text : container::closedMessageBoxes()) {
        std::printf("FAIL a message box nobody expected: %ls\n", text.c_str());
        ++failures;
    }
    OleUninitialize();
    std::printf("%d class(es) driven, %d failure(s)\n", driven, failures);
    return failures == 0 && driven > 0 ? 0 : 1;
}

// A client of the registered component server, as a terminal on Windows uses it: every class
// created by its ProgID, driven late-bound through IDispatch, a sink advised on its event
// connection point, the events of each stock mask received as the agent cancels and sends,
// and the module's unload answer watched. Exits 0 when every check holds.
#include <ocidl.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/windows/container.h"
#include "tests/windows/event_sink.h"
#include "tests/windows/registry_script.h"

namespace {

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

// The class's default source interface, as its type library describes it.
bool eventsOf(REFCLSID clsid, IID& events) {
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    CLSID library{};
    ITypeLib* registered = nullptr;
    if (FAILED(CLSIDFromString(classesValue(std::wstring(L"CLSID\\") + text + L"\\TypeLib").c_str(),
                               &library)) ||
        FAILED(LoadRegTypeLib(library, 1, 0, LOCALE_NEUTRAL, &registered))) {
        return false;
    }
    bool found = false;
    ITypeInfo* coclass = nullptr;
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(registered->GetTypeInfoOfGuid(clsid, &coclass)) &&
        SUCCEEDED(coclass->GetTypeAttr(&attributes))) {
        for (UINT i = 0; i < attributes->cImplTypes && !found; ++i) {
            INT flags = 0;
            HREFTYPE reference = 0;
            ITypeInfo* source = nullptr;
            TYPEATTR* sourceAttributes = nullptr;
            if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) &&
                flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
                SUCCEEDED(coclass->GetRefTypeOfImplType(i, &reference)) &&
                SUCCEEDED(coclass->GetRefTypeInfo(reference, &source)) &&
                SUCCEEDED(source->GetTypeAttr(&sourceAttributes))) {
                events = sourceAttributes->guid;
                found = true;
                source->ReleaseTypeAttr(sourceAttributes);
            }
            if (source != nullptr)
                source->Release();
        }
        coclass->ReleaseTypeAttr(attributes);
    }
    if (coclass != nullptr)
        coclass->Release();
    registered->Release();
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
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    const std::wstring classKey = std::wstring(L"CLSID\\") + text;
    // Key paths compare without regard to case, as the registry does.
    std::map<std::wstring, std::wstring> expected;
    std::map<std::wstring, std::wstring> inRegistry;
    for (const ScriptKey& key : *script) {
        if (!key.owned)
            continue;
        expected[lower(key.path)] = key.value;
        if (key.path.find(L'\\') == std::wstring::npos || key.path == classKey)
            registryTree(key.path, inRegistry);
    }
    const std::wstring categories = classKey + L"\\Implemented Categories";
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
    CLSID library{};
    ITypeLib* registered = nullptr;
    const bool typeLibrary =
        SUCCEEDED(CLSIDFromString(classesValue(classKey + L"\\TypeLib").c_str(), &library)) &&
        SUCCEEDED(LoadRegTypeLib(library, 1, 0, LOCALE_NEUTRAL, &registered));
    check(typeLibrary, name, "its type library is registered");
    if (registered != nullptr) {
        ITypeInfo* info = nullptr;
        check(SUCCEEDED(registered->GetTypeInfoOfGuid(clsid, &info)), name,
              "the type library describes the class");
        if (info != nullptr)
            info->Release();
        registered->Release();
    }
}

// The container enumerates its one connection point, the events'.
void checkEnumeration(const wchar_t* name, IConnectionPointContainer& container, REFIID events) {
    IEnumConnectionPoints* points = nullptr;
    IConnectionPoint* found[2] = {};
    ULONG fetched = 0;
    IID iid{};
    check(SUCCEEDED(container.EnumConnectionPoints(&points)) &&
              points->Next(2, found, &fetched) == S_FALSE && fetched == 1 &&
              SUCCEEDED(found[0]->GetConnectionInterface(&iid)) && iid == events,
          name, "EnumConnectionPoints names the events' connection point");
    if (found[0] != nullptr)
        found[0]->Release();
    if (points != nullptr)
        points->Release();
}

// The type library answers IDispatch's type information and IProvideClassInfo2 the class.
void checkClassInfo(const wchar_t* name, IDispatch& mask, REFCLSID clsid, REFIID events) {
    UINT count = 0;
    ITypeInfo* info = nullptr;
    check(SUCCEEDED(mask.GetTypeInfoCount(&count)) && count == 1 &&
              SUCCEEDED(mask.GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)),
          name, "IDispatch describes itself from the type library");
    if (info != nullptr)
        info->Release();
    IProvideClassInfo2* provider = nullptr;
    ITypeInfo* coclass = nullptr;
    TYPEATTR* attributes = nullptr;
    IID source{};
    bool same = false;
    if (SUCCEEDED(
            mask.QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&provider))) &&
        SUCCEEDED(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source)) &&
        SUCCEEDED(provider->GetClassInfo(&coclass)) &&
        SUCCEEDED(coclass->GetTypeAttr(&attributes))) {
        same =
            attributes->guid == clsid && attributes->typekind == TKIND_COCLASS && source == events;
        coclass->ReleaseTypeAttr(attributes);
    }
    check(same, name, "IProvideClassInfo2 answers the class and its default source");
    if (coclass != nullptr)
        coclass->Release();
    if (provider != nullptr)
        provider->Release();
}

// A stock mask embedded in a window of its own: its Cancel button fires Cancel, and the entry
// typed and sent fires Send with the entry, each once, to the advised sink.
void receiveEvents(const wchar_t* name, IUnknown& mask, IConnectionPoint& point, REFIID events) {
    const container::Run* run = nullptr;
    for (const container::Run& r : container::kRuns) {
        if (std::wstring(r.mask) == name)
            run = &r;
    }
    if (run == nullptr)
        return;
    Sink sink(events);
    DWORD cookie = 0;
    if (FAILED(point.Advise(&sink, &cookie))) {
        check(false, name, "a sink is advised for the events");
        return;
    }
    {
        container::Site site(name);
        check(site.embed(mask) == S_OK, name, "embedded in a window of its own");
        HWND cancel = container::findControl(site.window(), run->cancel);
        if (cancel != nullptr)
            container::click(cancel, site.active());
        check(sink.events == std::vector<DISPID>{1}, name, "Cancel is received");
        const bool typed = container::play(run->steps, site);
        check(typed && sink.events == std::vector<DISPID>({1, 2}) &&
                  sink.sent == std::vector<std::wstring>{run->entry},
              name, "Send is received with the entry");
    }
    point.Unadvise(cookie);
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

void drive(const wchar_t* name, int scriptId, bool stock) {
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
    IDispatch* mask = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&mask)))) {
        check(false, name, "created by ProgID");
        return;
    }
    check(true, name, "created by ProgID");
    checkRegistration(name, clsid, scriptId);
    check(canUnloadNow() == S_FALSE, name, "the module stays while the mask lives");

    VARIANT lang;
    VariantInit(&lang);
    check(SUCCEEDED(call(mask, L"Lang", DISPATCH_PROPERTYPUT, L"EN1", nullptr)) &&
              SUCCEEDED(call(mask, L"Lang", DISPATCH_PROPERTYGET, nullptr, &lang)) &&
              lang.vt == VT_BSTR && std::wstring(lang.bstrVal) == L"EN1",
          name, "Lang put and read back");
    VariantClear(&lang);
    check(call(mask, L"initField", DISPATCH_METHOD, L"PNR=ABC123", nullptr) == S_OK &&
              call(mask, L"SetResponse", DISPATCH_METHOD, L"<VELMORA/>", nullptr) == S_OK,
          name, "initField and SetResponse answer S_OK");

    IConnectionPointContainer* container = nullptr;
    IConnectionPoint* point = nullptr;
    IID events{};
    IID pointEvents{};
    const bool found = eventsOf(clsid, events) &&
                       SUCCEEDED(mask->QueryInterface(IID_IConnectionPointContainer,
                                                      reinterpret_cast<void**>(&container))) &&
                       SUCCEEDED(container->FindConnectionPoint(events, &point)) &&
                       SUCCEEDED(point->GetConnectionInterface(&pointEvents)) &&
                       pointEvents == events;
    check(found, name, "the events interface of its type library has a connection point");
    if (container != nullptr)
        checkEnumeration(name, *container, events);
    checkClassInfo(name, *mask, clsid, events);
    if (found) {
        Sink sink(events);
        DWORD cookie = 0;
        check(SUCCEEDED(point->Advise(&sink, &cookie)) && cookie != 0 && sink.references() > 1,
              name, "a sink is advised and held");
        check(SUCCEEDED(point->Unadvise(cookie)) && sink.references() == 1, name,
              "the sink is let go on Unadvise");
        if (stock)
            receiveEvents(name, *mask, *point, events);
    }
    if (point != nullptr)
        point->Release();
    if (container != nullptr)
        container->Release();
    mask->Release();
    check(canUnloadNow() == S_OK, name, "the module may unload after the last release");
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring home = std::wstring(temp) + L"farewright-client";
    container::prepareHome(home);
    SetEnvironmentVariableW(L"QUORVEX_HOME", home.c_str());
    const struct {
        const wchar_t* name;
        int script;
        bool stock;
    } classes[] = {{L"Skyfolio", IDR_SKYFOLIO, false},
                   {L"TicketingIssuance", IDR_TICKETINGISSUANCE, false},
                   {L"TicketingReIssuance", IDR_TICKETINGREISSUANCE, false},
                   {L"IssLogTkt", IDR_ISSLOGTKT, true},
                   {L"IssManualVoidTkt", IDR_ISSMANUALVOIDTKT, true},
                   {L"IssBSPDamagedTkt", IDR_ISSBSPDAMAGEDTKT, true}};
    for (const auto& c : classes)
        drive(c.name, c.script, c.stock);
    for (const std::wstring& text : container::closedMessageBoxes()) {
        std::printf("FAIL a message box nobody expected: %ls\n", text.c_str());
        ++failures;
    }
    OleUninitialize();
    std::printf("%d class(es) driven, %d failure(s)\n", driven, failures);
    return failures == 0 && driven > 0 ? 0 : 1;
}

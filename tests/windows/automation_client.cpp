// A client of the registered component server, as a terminal on Windows uses it: every class
// created by its ProgID, driven late-bound through IDispatch, a sink advised on its event
// connection point, and the module's unload answer watched. Exits 0 when every check holds.
#include <ocidl.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;
int driven = 0;

void check(bool ok, const wchar_t* mask, const char* what) {
    std::printf("%s %ls: %s\n", ok ? "ok  " : "FAIL", mask, what);
    if (!ok)
        ++failures;
}

// The events' sink: counts the calls it gets.
class Sink final : public IDispatch {
  public:
    explicit Sink(IID events) : events_(events) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == events_) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        ++calls;
        return S_OK;
    }
    ULONG references() const { return references_; }
    int calls = 0;

  private:
    IID events_;
    ULONG references_ = 1;
};

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

// The keys of the class that a terminal and a container read.
void checkRegistration(const wchar_t* name, REFCLSID clsid) {
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    const std::wstring key = std::wstring(L"CLSID\\") + text;
    const std::wstring progId = std::wstring(L"Farewright.") + name;
    const std::wstring module = modulePath();
    check(classesValue(key) == std::wstring(name) + L" Class", name, "class key and its name");
    check(classesValue(key + L"\\ProgID") == progId + L".1" &&
              classesValue(key + L"\\VersionIndependentProgID") == progId &&
              classesValue(progId + L"\\CurVer") == progId + L".1",
          name, "ProgIDs");
    check(_wcsicmp(classesValue(key + L"\\InprocServer32").c_str(), module.c_str()) == 0, name,
          "InprocServer32 is the module's path");
    check(classesValue(key + L"\\ToolboxBitmap32")
                  .rfind(classesValue(key + L"\\InprocServer32") + L", ", 0) == 0,
          name, "ToolboxBitmap32 is the module and a bitmap");
    check(classesValue(key + L"\\Programmable") == L"" && classesValue(key + L"\\Control") == L"" &&
              classesValue(key + L"\\Insertable") == L"",
          name, "Programmable, Control and Insertable");
    check(classesValue(key + L"\\MiscStatus") == L"0" &&
              classesValue(key + L"\\MiscStatus\\1") == L"131473" &&
              classesValue(key + L"\\Version") == L"1.0",
          name, "MiscStatus and Version");
    CLSID library{};
    ITypeLib* registered = nullptr;
    const bool typeLibrary =
        SUCCEEDED(CLSIDFromString(classesValue(key + L"\\TypeLib").c_str(), &library)) &&
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

using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

HRESULT canUnloadNow() {
    HMODULE module = GetModuleHandleW(L"Farewright.dll");
    if (module == nullptr)
        return E_FAIL;
    auto entry = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    return entry != nullptr ? entry() : E_FAIL;
}

void drive(const wchar_t* name) {
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
    checkRegistration(name, clsid);
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
    if (found) {
        Sink sink(events);
        DWORD cookie = 0;
        check(SUCCEEDED(point->Advise(&sink, &cookie)) && cookie != 0 && sink.references() > 1,
              name, "a sink is advised and held");
        check(SUCCEEDED(point->Unadvise(cookie)) && sink.references() == 1, name,
              "the sink is let go on Unadvise");
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
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 2;
    for (const wchar_t* name : {L"Skyfolio", L"TicketingIssuance", L"TicketingReIssuance",
                                L"IssLogTkt", L"IssManualVoidTkt", L"IssBSPDamagedTkt"}) {
        drive(name);
    }
    CoUninitialize();
    std::printf("%d class(es) driven, %d failure(s)\n", driven, failures);
    return failures == 0 && driven > 0 ? 0 : 1;
}

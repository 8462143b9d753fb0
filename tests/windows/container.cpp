#include "tests/windows/container.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace container {
namespace {

std::vector<std::wstring> g_closed;

// A message box is a top-level dialog of the thread holding the static of the message text.
BOOL CALLBACK closeMessageBox(HWND window, LPARAM) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    HWND message = GetDlgItem(window, 0xFFFF);
    if (std::wstring(kind) != L"#32770" || !IsWindowVisible(window) || message == nullptr)
        return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(message, text, 512);
    g_closed.emplace_back(text);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), closeMessageBox, 0);
}

void startWatchdog() {
    static const UINT_PTR timer = SetTimer(nullptr, 0, 1500, watchdog);
    (void)timer;
}

// The descendant of `root` with control ID `id`, or null.
HWND findControl(HWND root, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        root,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) != s->id)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

Site::Site(const wchar_t* title, bool show, bool refuse) : refuse_(refuse) {
    window_ = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20,
                              1100, 760, nullptr, nullptr, nullptr, nullptr);
    if (window_ != nullptr && show)
        ShowWindow(window_, SW_SHOW);
    startWatchdog();
}

Site::~Site() {
    close();
    if (window_ != nullptr)
        DestroyWindow(window_);
}

HRESULT Site::embed(IUnknown& object) {
    HRESULT hr = object.QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object_));
    if (FAILED(hr))
        return hr;
    if (FAILED(hr = object_->SetClientSite(this)))
        return hr;
    // The control gets the size it asks for.
    SIZEL extent{};
    if (FAILED(hr = object_->GetExtent(DVASPECT_CONTENT, &extent)))
        return hr;
    HDC screen = GetDC(nullptr);
    place_ = {0, 0, MulDiv(extent.cx, GetDeviceCaps(screen, LOGPIXELSX), 2540),
              MulDiv(extent.cy, GetDeviceCaps(screen, LOGPIXELSY), 2540)};
    ReleaseDC(nullptr, screen);
    return object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, this, 0, window_, &place_);
}

void Site::close() {
    if (object_ == nullptr)
        return;
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_->Release();
    object_ = nullptr;
}

HRESULT Site::QueryInterface(REFIID riid, void** out) {
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    return *out != nullptr ? S_OK : E_NOINTERFACE;
}

HRESULT Site::GetWindow(HWND* window) {
    *window = window_;
    return S_OK;
}

HRESULT Site::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT position,
                               LPRECT clip, LPOLEINPLACEFRAMEINFO) {
    calls.push_back("GetWindowContext");
    *frame = this;
    *doc = nullptr;
    *position = place_;
    *clip = place_;
    return S_OK;
}

HRESULT Site::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    calls.push_back(object != nullptr ? "SetActiveObject" : "SetActiveObject(none)");
    if (active_ != nullptr)
        active_->Release();
    active_ = object;
    if (active_ != nullptr)
        active_->AddRef();
    return S_OK;
}

void pump(IOleInPlaceActiveObject* active) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (active != nullptr && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
            active->TranslateAccelerator(&message) == S_OK) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool play(const std::vector<Step>& steps, Site& site) {
    bool found = true;
    for (const Step& step : steps) {
        HWND control = findControl(site.window(), step.control);
        if (control == nullptr) {
            std::printf("     no control %d\n", step.control);
            found = false;
            continue;
        }
        if (step.kind != Step::Click)
            SetFocus(control);
        switch (step.kind) {
            case Step::Type:
                for (const wchar_t* c = step.text; *c != 0; ++c)
                    PostMessageW(control, WM_CHAR, *c, 1);
                break;
            case Step::Select:
                SendMessageW(control, CB_SETCURSEL, step.index, 0);
                SendMessageW(GetParent(control), WM_COMMAND,
                             MAKEWPARAM(step.control, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(control));
                break;
            case Step::Click:
                SendMessageW(control, BM_CLICK, 0, 0);
                break;
            case Step::Enter:
            case Step::F1: {
                const WPARAM key = step.kind == Step::Enter ? VK_RETURN : VK_F1;
                PostMessageW(control, WM_KEYDOWN, key, 1);
                PostMessageW(control, WM_KEYUP, key, 0xC0000001);
                break;
            }
        }
        pump(site.active());
    }
    return found;
}

std::vector<std::wstring> closedMessageBoxes() {
    return g_closed;
}

void prepareHome(const std::wstring& dir) {
    CreateDirectoryW(dir.c_str(), nullptr);
    CreateDirectoryW((dir + L"\\install").c_str(), nullptr);
    std::ofstream(std::filesystem::path(dir + L"\\Quorvex.ini"))
        << "[SYSTEM]\r\nInstallDir=install\r\n";
    std::ofstream(std::filesystem::path(dir + L"\\install\\marketconfig.xml"))
        << "<config><ticketformcode>123</ticketformcode></config>";
}

void useFreshHome(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dir = std::wstring(temp) + name;
    prepareHome(dir);
    SetEnvironmentVariableW(L"QUORVEX_HOME", dir.c_str());
}

}  // namespace container

// A container of the masks as the terminal embeds them: a top-level window of its own per
// control, the client and in-place site in it, and a message loop that passes keys to the
// active control first. What the control asks of its site is written down in order. Message
// boxes that nobody answers are closed after a while and counted, so no run waits forever.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/windows/typed_entries.h"

namespace container {

class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    // The site's window, shown when `show`; `refuse` makes CanInPlaceActivate refuse.
    explicit Site(const wchar_t* title, bool show = true, bool refuse = false);
    ~Site();
    Site(const Site&) = delete;
    Site& operator=(const Site&) = delete;

    HWND window() const { return window_; }
    // The object UI-active in the site, or null.
    IOleInPlaceActiveObject* active() const { return active_; }
    // What the control asked of the site, in order.
    std::vector<std::string> calls;

    // Sets the site, activates the control in place and UI-activates it; the failing step's
    // HRESULT, else S_OK.
    HRESULT embed(IUnknown& object);
    // Closes the control and takes the site back.
    void close();

    // IUnknown: the site lives on the stack of its test.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override {
        return note("CanInPlaceActivate", refuse_ ? S_FALSE : S_OK);
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return note("OnInPlaceActivate"); }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return note("OnUIActivate"); }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return note("OnUIDeactivate"); }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return note("OnInPlaceDeactivate"); }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    // Writes the call down and gives the answer.
    HRESULT note(const char* call, HRESULT answer = S_OK) {
        calls.push_back(call);
        return answer;
    }

    bool refuse_;
    HWND window_ = nullptr;
    RECT place_ = {0, 0, 400, 300};  // the control's
    IOleObject* object_ = nullptr;
    IOleInPlaceActiveObject* active_ = nullptr;
};

// Runs the thread's messages until none is waiting, each key message offered to `active`
// first, as a container's loop does.
void pump(IOleInPlaceActiveObject* active);

// Plays the steps on the control in the site as an agent does, through window messages (a key
// pressed down and up with the focus on its control), each followed by the messages they
// bring; false (saying which) when a control is missing.
bool play(const std::vector<Step>& steps, Site& site);

// Message boxes of this thread closed because nobody answered them, with their texts.
std::vector<std::wstring> closedMessageBoxes();

// A home for the masks, with the installation's market configuration the log-ticket form reads
// as it opens: `dir` (made when missing) holds Quorvex.ini, install\marketconfig.xml.
void prepareHome(const std::wstring& dir);

// Makes the temporary folder `name`, prepared as above, the masks' home (QUORVEX_HOME).
void useFreshHome(const wchar_t* name);

}  // namespace container

// A container of the registered masks, as the terminal embeds them: each mask created by its
// ProgID, in-place and UI-active in a window of its own, its Cancel button clicked, typed into
// through window messages, and sent with Enter (Skyfolio, which leaves Enter to its fields,
// with its Send button); the Cancel event must come first, then the Send event with the entry.
// Given a directory, it saves there a picture of each form as it shows, filled in, named after its
// class (Skyfolio.png). Exits 0 when every mask sent what it should.
//
// Usage: control_container [PICTURE_DIRECTORY]
#include <cstdio>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/image/window_picture.h"
#include "tests/windows/container.h"
#include "tests/windows/event_sink.h"
#include "tests/windows/typed_entries.h"

namespace {

using windows_checks::check;
using windows_checks::failures;
using windows_checks::Sink;

void run(const container::Run& r, const std::string& pictures) {
    CLSID clsid{};
    com::Ptr<IUnknown> mask;
    if (FAILED(CLSIDFromProgID((std::wstring(L"Farewright.") + r.mask).c_str(), &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(mask.out())))) {
        check(false, r.mask, "created by ProgID");
        return;
    }
    const auto info = mask.as<IProvideClassInfo2>(IID_IProvideClassInfo2);
    const auto points = mask.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    com::Ptr<IConnectionPoint> point;
    IID events{};
    DWORD cookie = 0;
    if (info)
        info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
    Sink sink(events);
    const bool advised = points && SUCCEEDED(points->FindConnectionPoint(events, point.out())) &&
                         SUCCEEDED(point->Advise(&sink, &cookie));
    check(advised, r.mask, "a sink is advised on its default source");
    {
        container::Site site(r.mask);
        check(site.embed(*mask) == S_OK && site.active() != nullptr, r.mask,
              "in-place and UI-active in a window of its own");
        HWND form = nullptr;
        if (site.active() != nullptr)
            site.active()->GetWindow(&form);
        check(form != nullptr && GetParent(form) == site.window(), r.mask,
              "its form is a child of the container's window");
        container::pump(site.active());
        container::play({{container::Step::Click, r.cancel}}, site);
        check(sink.events == std::vector<DISPID>{1}, r.mask, "its Cancel button fires Cancel");
        const bool found = container::play(r.steps, site);
        if (!pictures.empty() && form != nullptr) {
            char name[64];
            std::snprintf(name, sizeof name, "\\%ls.png", r.mask);
            const std::string why =
                image::savePicture(reinterpret_cast<ui::NativeWindow>(form), pictures + name);
            check(why.empty(), r.mask, "a picture of its form is saved");
            if (!why.empty())
                std::printf("     %s\n", why.c_str());
        }
        check(found, r.mask, "every control it is typed into is there");
        for (const std::wstring& entry : sink.sent)
            std::printf("     %ls sent %ls\n", r.mask, entry.c_str());
        check(sink.events == std::vector<DISPID>({1, 2}) &&
                  sink.sent == std::vector<std::wstring>{r.entry},
              r.mask, "the Send event brings the entry, once");
    }
    if (advised)
        point->Unadvise(cookie);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string pictures = argc > 1 ? argv[1] : "";
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    container::useFreshHome(L"farewright-container");
    for (const container::Run& r : container::kRuns)
        run(r, pictures);
    for (const std::wstring& text : container::closedMessageBoxes()) {
        std::printf("FAIL a message box nobody expected: %ls\n", text.c_str());
        ++failures;
    }
    OleUninitialize();
    std::printf("%zu mask(s) embedded, %d failure(s)\n", std::size(container::kRuns), failures);
    return failures == 0 ? 0 : 1;
}

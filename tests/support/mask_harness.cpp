#include "tests/support/mask_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/com/bstr.h"
#include "platform/com/dispatch_receiver.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"

namespace testing_support {
TempHome::TempHome() : path_(fresh_.path()) {
    if (path_.empty())
        throw std::runtime_error("no temporary home");
    file::setHomeDirectory(path_.string());
}

TempHome::~TempHome() = default;

void TempHome::write(const std::string& name, const std::string& content) const {
    const auto target = path_ / name;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << content;
}

std::string TempHome::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string TempHome::section(const std::string& name) const {
    std::istringstream in(read("Quorvex.ini"));
    std::string lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))  // a file made on Windows
            line.pop_back();
        if (line.starts_with("["))
            inside = line == "[" + name + "]";
        else if (inside && !line.empty())
            lines += (lines.empty() ? "" : " ") + line;
    }
    return lines;
}

std::vector<std::string> TempHome::files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The transcript installs itself as the toolkit's observer; the recorder stands in front of it.
Recorder::Recorder() {
    ui::headless::headlessToolkit().setObserver(this);
}

Recorder::~Recorder() {
    ui::headless::headlessToolkit().setObserver(&transcript_);
}

void Recorder::messageBox(std::string_view title, std::string_view text) {
    transcript_.messageBox(title, text);
}

void Recorder::posted(unsigned message) {
    transcript_.posted(message);
}

void Recorder::chooserEncoder(std::string_view list) {
    transcript_.chooserEncoder(list);
}

void Recorder::chooserMonth(int kind) {
    if (onChooserMonth)
        onChooserMonth();
    else
        transcript_.chooserMonth(kind);
}

void Recorder::fault(std::string_view text) {
    transcript_.fault(text);
    ADD_FAILURE() << "fault of the masks: " << host::ansiToUtf8(text);
}

class RecordingSink final : public com::DispatchReceiver {
  public:
    std::vector<std::string> events;
    std::function<void()> onEvent;

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
        std::string line = "event " + std::to_string(id);
        // Arguments stand in reverse order.
        for (UINT i = params->cArgs; i-- > 0;) {
            const VARIANT& v = params->rgvarg[i];
            line +=
                " " + (v.vt == VT_BSTR ? text::fromUtf16(com::Bstr::view(v.bstrVal), text::kUtf8)
                                       : std::string("?"));
        }
        events.push_back(line);
        if (onEvent)
            std::exchange(onEvent, nullptr)();
        return S_OK;
    }
};

MaskHarness::MaskHarness(Creator create, REFIID eventsIid, int form) : form_(form) {
    HRESULT hr = create(IID_IDispatch, reinterpret_cast<void**>(mask_.out()));
    if (FAILED(hr) || !mask_)
        throw std::runtime_error("mask not created");
    sink_ = com::Ptr<RecordingSink>::attach(new RecordingSink);
    auto container = mask_.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    container->FindConnectionPoint(eventsIid, point_.out());
    point_->Advise(sink_.get(), &cookie_);
}

MaskHarness::~MaskHarness() {
    release();
}

void MaskHarness::activate() {
    mask_.as<framework::IZenkorMaskView>(framework::IID_IZenkorMaskView)->Activate();
}

void MaskHarness::deactivate() {
    mask_.as<framework::IZenkorMaskView>(framework::IID_IZenkorMaskView)->Deactivate();
}

void MaskHarness::release() {
    if (point_)
        point_->Unadvise(cookie_);
    point_.reset();
    mask_.reset();
}

ui::headless::HeadlessDialog& MaskHarness::form() {
    auto* dialog = ui::headless::headlessToolkit().findDialog(form_);
    if (dialog == nullptr)
        throw std::runtime_error("form not created");
    return *dialog;
}

std::vector<std::string>& MaskHarness::events() {
    return sink_->events;
}

void MaskHarness::deactivateOnEvent() {
    sink_->onEvent = [this] {
        deactivate();
        release();
    };
}

void MaskHarness::type(int control, const std::string& text) {
    ASSERT_EQ(form().typeText(control, text), "");
    ui::headless::headlessToolkit().dispatchPosted();
}

void MaskHarness::click(int control) {
    ASSERT_EQ(form().click(control), "");
    ui::headless::headlessToolkit().dispatchPosted();
}

void MaskHarness::select(int control, long code) {
    ASSERT_EQ(form().selectCode(control, code), "");
    ui::headless::headlessToolkit().dispatchPosted();
}

void MaskHarness::key(int control, ui::Key key) {
    ASSERT_EQ(form().key(control, key), "");
    ui::headless::headlessToolkit().dispatchPosted();
}

}  // namespace testing_support

// A mask under test: created through its class creator in a fresh home directory, with a
// recording event sink and every message box, chooser, posted message and log line recorded
// as the stand-in terminal would print it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/mask_interface.h"
#include "host/home_files.h"
#include "host/transcript.h"
#include "platform/com/com_ptr.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace testing_support {

// A fresh home directory for one test, removed afterwards.
class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes a file relative to the home.
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;
    // The lines of a section of "Quorvex.ini" in file order, joined by blanks.
    std::string section(const std::string& name) const;
    // The names of the files in the home, sorted.
    std::vector<std::string> files() const;

  private:
    host::FreshHome fresh_;
    std::filesystem::path path_;
};

// Records what the masks show and log, one line each, exactly as quorvex-host prints them. A
// fault of the masks (an unknown control, a call on the wrong kind of control) fails the test
// at once, with the fault's text.
class Recorder final : public ui::headless::Observer {
  public:
    Recorder();
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    std::vector<std::string> lines;
    // The host's reaction when a month picker opens, run in place of recording it.
    std::function<void()> onChooserMonth;

    void messageBox(std::string_view title, std::string_view text) override;
    void posted(unsigned message) override;
    void chooserEncoder(std::string_view list) override;
    void chooserMonth(int kind) override;
    void fault(std::string_view text) override;

  private:
    host::Transcript transcript_{[this](std::string_view line) { lines.emplace_back(line); }};
};

// An IDispatch sink that records every event as "event NAME ARGS" with the DISPID as name
// ("event 2 TEXT"), texts as UTF-8.
class RecordingSink;

using Creator = HRESULT (*)(REFIID, void**);

class MaskHarness {
  public:
    MaskHarness(Creator create, REFIID eventsIid, int form);
    ~MaskHarness();
    MaskHarness(const MaskHarness&) = delete;
    MaskHarness& operator=(const MaskHarness&) = delete;

    void activate();
    void deactivate();
    void release();  // releases the mask (destruction)

    framework::IZenkorMask& mask() { return *mask_.get(); }
    ui::headless::HeadlessDialog& form();
    TempHome& home() { return home_; }
    Recorder& recorder() { return recorder_; }
    // The events fired so far ("event 2 WV...").
    std::vector<std::string>& events();

    // At the next event the host closes the mask: the form goes and the mask is released.
    void deactivateOnEvent();

    // Agent actions that must succeed.
    void type(int control, const std::string& text);
    void click(int control);
    void select(int control, long code);
    void key(int control, ui::Key key);

  private:
    TempHome home_;
    Recorder recorder_;
    com::Ptr<framework::IZenkorMask> mask_;
    com::Ptr<RecordingSink> sink_;
    DWORD cookie_ = 0;
    com::Ptr<IConnectionPoint> point_;
    int form_;
};

}  // namespace testing_support

// A mask for benchmarks: created through its class creator in a fresh home directory and
// activated on the headless toolkit, with a sink connected as the terminal would.
#pragma once

#include <stdlib.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "framework/mask_interface.h"
#include "framework/persistence.h"
#include "framework/zenkor_mask.h"
#include "platform/com/com_ptr.h"
#include "platform/file/file.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace bench_support {

// Takes what the toolkit shows and prints nothing, as a terminal that answers every box.
class QuietObserver final : public ui::headless::Observer {
  public:
    void messageBox(std::string_view, std::string_view) override {}
    void posted(unsigned) override {}
    void chooserEncoder(std::string_view) override {}
    void chooserMonth(int) override {}
    void fault(std::string_view text) override { throw std::logic_error(std::string(text)); }
};

class BenchHome {
  public:
    BenchHome() {
        ui::headless::headlessToolkit().setObserver(&observer_);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "farewright-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        file::setHomeDirectory(path_.string());
    }
    ~BenchHome() {
        ui::headless::headlessToolkit().setObserver(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

    void write(const std::string& name, const std::string& content) const {
        const auto target = path_ / name;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << content;
    }
    // Writes a file as written in an earlier session (an hour ago), as an agent's profile is.
    void writeEarlier(const std::string& name, const std::string& content) const {
        write(name, content);
        std::filesystem::last_write_time(
            path_ / name, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }

  private:
    QuietObserver observer_;
    std::filesystem::path path_;
};

using Creator = HRESULT (*)(REFIID, void**);

// A profile of about bytes: sections of other forms, then the agent's language and settings.
inline std::string profileOfSize(std::size_t bytes) {
    std::string text;
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[TKT_FORM_" + std::to_string(section) + "_SECTION]\n";
        for (int key = 0; key < 20; ++key)
            text += "FIELD_" + std::to_string(key) + "=VALUE " + std::to_string(key) + "\n";
    }
    return text + "[User]\nLANG=EN1\n[SYSTEM]\nInstallDir=install\n";
}

// Creates a mask object and answers its view (activation) interface.
inline com::Ptr<framework::IZenkorMaskView> createMask(Creator create) {
    com::Ptr<framework::IZenkorMaskView> view;
    if (FAILED(create(framework::IID_IZenkorMaskView, reinterpret_cast<void**>(view.out())))) {
        throw std::runtime_error("mask not created");
    }
    return view;
}

// The form of an activated mask.
inline ui::headless::HeadlessDialog& form(ui::DialogId id) {
    auto* dialog = ui::headless::headlessToolkit().findDialog(id);
    if (dialog == nullptr)
        throw std::runtime_error("no form");
    return *dialog;
}

// The mask object behind its view (the benchmarks reach the button operations directly).
inline framework::MaskBase& maskOf(const com::Ptr<framework::IZenkorMaskView>& view) {
    return *static_cast<framework::MaskBase*>(view.get());
}

// The measurements every mask shares, on an activated mask with a filled form.

// Activation alone: the form created and set up on a living mask.
inline void measureActivation(benchmark::State& state,
                              const com::Ptr<framework::IZenkorMaskView>& view) {
    for (auto _ : state) {
        view->Activate();
        state.PauseTiming();
        view->Deactivate();
        state.ResumeTiming();
    }
}

// Send up to its log line (checks, entry, event, log); the profile write is left out.
inline void measureSendWithoutProfileWrite(benchmark::State& state, framework::MaskBase& mask) {
    for (auto _ : state) {
        auto pass = mask.SendEntry();
        state.PauseTiming();
        pass->profile().discard();
        pass.reset();
        state.ResumeTiming();
    }
}

// Recall of what one Send of the form saved.
inline void measureRecall(benchmark::State& state, framework::MaskBase& mask) {
    mask.Send();
    for (auto _ : state)
        mask.Recall();
}

}  // namespace bench_support

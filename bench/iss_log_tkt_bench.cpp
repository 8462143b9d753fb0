// The log-ticket mask as the host drives it: activation (with the read of the market
// configuration), a Send that passes every TAT check, and a Recall of the saved form.
// Budgets: activation under 500 us, Send under 20 us without its profile write, Recall
// under 500 us.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/class_ids.h"
#include "framework/mask_interface.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "masks/stock/iss_log_tkt.h"
#include "platform/com/com_ptr.h"
#include "platform/file/file.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace {

// A home holding the profile and the installation's market configuration.
class LogTicketHome {
  public:
    LogTicketHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "farewright-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
        file::setHomeDirectory(path_.string());
        std::filesystem::create_directories(path_ / "install");
        std::ofstream(path_ / "Quorvex.ini", std::ios::binary)
            << "[User]\nLANG=EN1\n[SYSTEM]\nInstallDir=install\n";
        std::ofstream(path_ / "install" / "marketconfig.xml", std::ios::binary)
            << "<?xml version=\"1.0\"?>\n<config>\n  <market>GB</market>\n"
               "  <ticketformcode>123</ticketformcode>\n</config>\n";
    }
    ~LogTicketHome() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    LogTicketHome(const LogTicketHome&) = delete;
    LogTicketHome& operator=(const LogTicketHome&) = delete;

  private:
    std::filesystem::path path_;
};

com::Ptr<framework::IZenkorMaskView> createMask() {
    com::Ptr<framework::IZenkorMaskView> view;
    masks::CreateIssLogTkt(framework::IID_IZenkorMaskView, reinterpret_cast<void**>(view.out()));
    return view;
}

ui::headless::HeadlessDialog& form() {
    return *ui::headless::headlessToolkit().findDialog(116);
}

// A TAT range that passes every check.
void fillRange(ui::headless::HeadlessDialog& f) {
    f.click(838);
    f.typeText(835, "1A2B3C");
    f.typeText(833, "4567890");
    f.typeText(839, "4567899");
}

void BM_LogTicketActivation(benchmark::State& state) {
    LogTicketHome home;
    for (auto _ : state) {
        state.PauseTiming();
        auto view = createMask();
        state.ResumeTiming();
        view->Activate();
        state.PauseTiming();
        view->Deactivate();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LogTicketActivation)->Unit(benchmark::kMicrosecond);

// A whole Send: checks, entry, event, log line and the save pass written to the profile.
void BM_LogTicketSend(benchmark::State& state) {
    LogTicketHome home;
    auto view = createMask();
    view->Activate();
    fillRange(form());
    for (auto _ : state)
        form().click(820);
    view->Deactivate();
}
BENCHMARK(BM_LogTicketSend)->Unit(benchmark::kMicrosecond);

// The profile write of a Send alone (the eleven keys of a TAT save): Send without its write
// is BM_LogTicketSend less this.
void BM_LogTicketSaveWrite(benchmark::State& state) {
    LogTicketHome home;
    auto view = createMask();
    view->Activate();
    fillRange(form());
    constexpr framework::PersistedField kKeys[] = {
        {framework::Stored::CheckState, 826, "OPTAT"},
        {framework::Stored::CheckState, 827, "ATB2"},
        {framework::Stored::CheckState, 838, "TAT"},
        {framework::Stored::EditText, 835, "LNIATA"},
        {framework::Stored::EditText, 841, "BEG_TICKET_FORM_CODE"},
        {framework::Stored::EditText, 833, "BEG_TICKET_NUMBER"},
        {framework::Stored::EditText, 842, "END_TICKET_FORM_CODE"},
        {framework::Stored::EditText, 839, "END_TICKET_NUMBER"},
        {framework::Stored::Empty, 0, "SPLIT_TICKETING"},
        {framework::Stored::Empty, 0, "SCN_NUMBER"},
        {framework::Stored::Empty, 0, "NO_OF_DOC"},
    };
    for (auto _ : state) {
        framework::ProfilePass pass("TKT_ISSLOG_SECTION");
        pass.save(form(), kKeys);
    }
    view->Deactivate();
}
BENCHMARK(BM_LogTicketSaveWrite)->Unit(benchmark::kMicrosecond);

// The entry of a TAT range from the form.
void BM_LogTicketEntry(benchmark::State& state) {
    LogTicketHome home;
    auto view = createMask();
    view->Activate();
    fillRange(form());
    for (auto _ : state)
        benchmark::DoNotOptimize(masks::CIssLogTkt::ComposeEntry(form()));
    view->Deactivate();
}
BENCHMARK(BM_LogTicketEntry)->Unit(benchmark::kMicrosecond);

void BM_LogTicketRecall(benchmark::State& state) {
    LogTicketHome home;
    auto view = createMask();
    view->Activate();
    fillRange(form());
    form().click(820);  // Send: saves the form
    for (auto _ : state) {
        form().click(822);
        form().click(821);
    }
    view->Deactivate();
}
BENCHMARK(BM_LogTicketRecall)->Unit(benchmark::kMicrosecond);

}  // namespace

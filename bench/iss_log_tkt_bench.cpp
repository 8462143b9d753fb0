// The log-ticket mask as the host drives it: activation (with the read of the market
// configuration), a Send that passes every TAT check, and a Recall of the saved form.
#include <benchmark/benchmark.h>

#include "bench/support/bench_mask.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;

constexpr ui::DialogId kForm = IDD_ISSLOGTKT;

// A home holding the profile and the installation's market configuration.
void prepare(const BenchHome& home) {
    home.write("Quorvex.ini", "[User]\nLANG=EN1\n[SYSTEM]\nInstallDir=install\n");
    home.write("install/marketconfig.xml",
               "<?xml version=\"1.0\"?>\n<config>\n  <market>GB</market>\n"
               "  <ticketformcode>123</ticketformcode>\n</config>\n");
}

// A TAT range that passes every check.
void fillRange(ui::headless::HeadlessDialog& f) {
    f.click(IDC_LOGTKT_TAT);
    f.typeText(IDC_LOGTKT_LNIATA, "1A2B3C");
    f.typeText(IDC_LOGTKT_BEG_NUMBER, "4567890");
    f.typeText(IDC_LOGTKT_END_NUMBER, "4567899");
}

// A new mask's activation: language, labels, the type rule and the market configuration.
void BM_LogTicketActivation(benchmark::State& state) {
    BenchHome home;
    prepare(home);
    for (auto _ : state) {
        state.PauseTiming();
        auto view = createMask(masks::CreateIssLogTkt);
        state.ResumeTiming();
        view->Activate();
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LogTicketActivation)->Unit(benchmark::kMicrosecond);

// Send up to its log line (checks, entry, event, log); the profile write is left out.
void BM_LogTicketSendWithoutProfileWrite(benchmark::State& state) {
    BenchHome home;
    prepare(home);
    auto view = createMask(masks::CreateIssLogTkt);
    view->Activate();
    fillRange(form(kForm));
    measureSendWithoutProfileWrite(state, maskOf(view));
}
BENCHMARK(BM_LogTicketSendWithoutProfileWrite)->Unit(benchmark::kMicrosecond);

void BM_LogTicketRecall(benchmark::State& state) {
    BenchHome home;
    prepare(home);
    auto view = createMask(masks::CreateIssLogTkt);
    view->Activate();
    fillRange(form(kForm));
    measureRecall(state, maskOf(view));
}
BENCHMARK(BM_LogTicketRecall)->Unit(benchmark::kMicrosecond);

}  // namespace

// The paths an agent waits on in the manual void mask: activation, Send and Recall.
#include <benchmark/benchmark.h>

#include <array>
#include <utility>

#include "bench/support/bench_mask.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;

constexpr ui::DialogId kForm = IDD_ISSMANUALVOIDTKT;

void fill(ui::headless::HeadlessDialog& form) {
    const std::array<std::pair<ui::ControlId, const char*>, 8> fields = {
        {{IDC_MANVOID_AIRLINE, "125"},
         {IDC_MANVOID_TICKET, "1234567890"},
         {IDC_MANVOID_CURRENCY, "GBP"},
         {IDC_MANVOID_FARE, "250"},
         {IDC_MANVOID_LOCATOR, "ABCDEF"},
         {IDC_MANVOID_DATE, "5JAN"},
         {IDC_MANVOID_PAYMENT, "CA"},
         {IDC_MANVOID_ITINERARY, "X"}}};
    for (const auto& [id, text] : fields)
        form.setText(id, text);
}

// Construction, activation (language, labels, links, captions) and release, as the terminal
// opens a mask.
void BM_ManualVoidCreateAndActivate(benchmark::State& state) {
    BenchHome home;
    for (auto _ : state) {
        auto view = createMask(masks::CreateIssManualVoidTkt);
        view->Activate();
        benchmark::DoNotOptimize(view.get());
    }
}
BENCHMARK(BM_ManualVoidCreateAndActivate)->Unit(benchmark::kMicrosecond);

// Activation alone: the form created and set up on a living mask.
void BM_ManualVoidActivate(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssManualVoidTkt);
    measureActivation(state, view);
}
BENCHMARK(BM_ManualVoidActivate)->Unit(benchmark::kMicrosecond);

// Send on an empty form: the first check refuses with its message box.
void BM_ManualVoidRefusedSend(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssManualVoidTkt);
    view->Activate();
    for (auto _ : state)
        maskOf(view).Send();
}
BENCHMARK(BM_ManualVoidRefusedSend)->Unit(benchmark::kMicrosecond);

// Send on a filled form up to its log line: 22 checks, the entry, the event and the log; the
// profile write that follows is left out.
void BM_ManualVoidSendWithoutProfileWrite(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssManualVoidTkt);
    view->Activate();
    fill(form(kForm));
    measureSendWithoutProfileWrite(state, maskOf(view));
}
BENCHMARK(BM_ManualVoidSendWithoutProfileWrite)->Unit(benchmark::kMicrosecond);

// Recall of the eight fields from the profile of an earlier Send.
void BM_ManualVoidRecall(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssManualVoidTkt);
    view->Activate();
    fill(form(kForm));
    measureRecall(state, maskOf(view));
}
BENCHMARK(BM_ManualVoidRecall)->Unit(benchmark::kMicrosecond);

// A whole Send of the manual void, its save pass included, into a profile of state.range(0)
// bytes. The fare changes every time, so that every pass replaces the file.
void BM_ManualVoidSendAndSaveByProfileSize(benchmark::State& state) {
    BenchHome home;
    home.writeEarlier("Quorvex.ini", profileOfSize(static_cast<std::size_t>(state.range(0))));
    auto view = createMask(masks::CreateIssManualVoidTkt);
    view->Activate();
    auto& f = form(kForm);
    fill(f);
    int round = 0;
    for (auto _ : state) {
        f.setText(IDC_MANVOID_FARE, ++round % 2 ? "250" : "251");
        maskOf(view).Send();
    }
}
BENCHMARK(BM_ManualVoidSendAndSaveByProfileSize)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

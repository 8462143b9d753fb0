// Activation of a stock mask after many earlier activations (of the same mask, and loads of
// masks still open): the language load must cost the same however often it ran before
// (under 100 microseconds after 100,000 activations).
#include <benchmark/benchmark.h>

#include "bench/support/bench_mask.h"
#include "masks/catalog.h"
#include "platform/zenkor/arch.h"

namespace {

using namespace bench_support;

void BM_ActivationAfterEarlierActivations(benchmark::State& state) {
    BenchHome home;
    home.write("Quorvex.ini", "[User]\nLANG=EN1\n");
    auto view = createMask(masks::CreateIssManualVoidTkt);
    for (int64_t i = 0; i < state.range(0); ++i) {
        view->Activate();
        view->Deactivate();
    }
    // As many loads again of masks still open.
    for (int64_t i = 0; i < state.range(0); ++i)
        LANG_load("EN1");
    measureActivation(state, view);
    for (int64_t i = 0; i < state.range(0); ++i)
        LANG_unload("EN1");
}
BENCHMARK(BM_ActivationAfterEarlierActivations)
    ->Arg(0)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

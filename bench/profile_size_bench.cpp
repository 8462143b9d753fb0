// Activation must not grow with the profile: each stock mask with profiles of other forms'
// sections of several sizes.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/bench_mask.h"
#include "masks/catalog.h"

namespace {

using namespace bench_support;

// Activation of a living mask (form, language, labels, start-up reads) with a profile of
// state.range(0) bytes.
void BM_ActivationByProfileSize(benchmark::State& state, Creator create) {
    BenchHome home;
    home.writeEarlier("Quorvex.ini", profileOfSize(static_cast<std::size_t>(state.range(0))));
    home.write("install/marketconfig.xml", "<ticketformcode>123</ticketformcode>");
    auto view = createMask(create);
    measureActivation(state, view);
}
BENCHMARK_CAPTURE(BM_ActivationByProfileSize, ManualVoid, masks::CreateIssManualVoidTkt)
    ->Arg(10 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ActivationByProfileSize, LogTicket, masks::CreateIssLogTkt)
    ->Arg(10 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ActivationByProfileSize, DamagedTicket, masks::CreateIssBSPDamagedTkt)
    ->Arg(10 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

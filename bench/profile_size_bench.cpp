// What an agent waits on must not grow with the profile: the activation of each stock mask,
// and a Send with its save pass, with profiles of other forms' sections of several sizes.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/bench_mask.h"
#include "masks/catalog.h"

namespace {

using namespace bench_support;

// A profile of about bytes: sections of other forms, then the agent's language and settings.
std::string profileOfSize(std::size_t bytes) {
    std::string text;
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[TKT_FORM_" + std::to_string(section) + "_SECTION]\n";
        for (int key = 0; key < 20; ++key)
            text += "FIELD_" + std::to_string(key) + "=VALUE " + std::to_string(key) + "\n";
    }
    return text + "[User]\nLANG=EN1\n[SYSTEM]\nInstallDir=install\n";
}

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

// A whole Send of the manual void, its save pass included, into a profile of state.range(0)
// bytes. The fare changes every time, so that every pass replaces the file.
void BM_ManualVoidSendAndSaveByProfileSize(benchmark::State& state) {
    BenchHome home;
    home.writeEarlier("Quorvex.ini", profileOfSize(static_cast<std::size_t>(state.range(0))));
    auto view = createMask(masks::CreateIssManualVoidTkt);
    view->Activate();
    auto& f = form(119);
    for (const auto& [id, text] : {std::pair{848, "125"},
                                   {855, "1234567890"},
                                   {849, "GBP"},
                                   {851, "ABCDEF"},
                                   {838, "5JAN"},
                                   {853, "CA"},
                                   {840, "X"}})
        f.setText(id, text);
    int round = 0;
    for (auto _ : state) {
        f.setText(857, ++round % 2 ? "250" : "251");
        maskOf(view).Send();
    }
}
BENCHMARK(BM_ManualVoidSendAndSaveByProfileSize)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

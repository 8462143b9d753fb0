// A save pass of a large mask: 300 keys into a profile of about 100 KB that other masks share,
// and one key into a profile of very many small sections.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/bench_mask.h"
#include "platform/zenkor/profile.h"

namespace {

constexpr int kKeys = 300;

void BM_ProfileSavePass(benchmark::State& state) {
    bench_support::BenchHome home;
    home.writeEarlier("Quorvex.ini", bench_support::profileOfSize(100 * 1024));
    std::vector<std::string> keys;
    for (int i = 0; i < kKeys; ++i)
        keys.push_back("TKT_FIELD_" + std::to_string(i));
    int round = 0;
    for (auto _ : state) {
        // Each pass writes other values, so that every pass really replaces the file.
        const std::string value = "FIELD TEXT " + std::to_string(++round);
        CZenkorProfile profile;
        profile.setIniFile("Quorvex.ini");
        profile.setSectionName("TKT_MAIN_SECTION");
        for (const std::string& key : keys) {
            profile.setKeyName(key.c_str());
            profile.setValue(value.c_str());
        }
        if (!profile.commit())
            state.SkipWithError("the profile could not be saved");
    }
}
BENCHMARK(BM_ProfileSavePass)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// One key saved into a profile of state.range(0) sections of one key each (a 16 MB profile
// holds about 1.6 million): the pass must cost about a read and a write of the file.
void BM_ProfileSavePassManySections(benchmark::State& state) {
    std::string content;
    for (int section = 0; section < state.range(0); ++section)
        content += "[S" + std::to_string(section) + "]\nK=1\n";
    bench_support::BenchHome home;
    home.writeEarlier("Quorvex.ini", content);
    int round = 0;
    for (auto _ : state) {
        CZenkorProfile profile;
        profile.setIniFile("Quorvex.ini");
        profile.setSectionName("TKT_MAIN_SECTION");
        profile.setKeyName("FIELD");
        profile.setValue(std::to_string(++round).c_str());
        if (!profile.commit())
            state.SkipWithError("the profile could not be saved");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(state.range(0)) * 12);
}
BENCHMARK(BM_ProfileSavePassManySections)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// A long host answer read screen by screen: every screen is checked for continuation and
// joined to the growing response, as the mask does for each SetResponse.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "framework/response.h"

namespace {

constexpr int kScreens = 200;
constexpr int kLinesPerScreen = 20;

std::vector<std::string> makeScreens() {
    std::vector<std::string> screens;
    for (int s = 0; s < kScreens; ++s) {
        std::string text = "<?xml version=\"1.0\"?>\n<VELMORA>";
        for (int l = 0; l < kLinesPerScreen; ++l) {
            const int segment = (s * kLinesPerScreen + l) % 99 + 1;
            std::string line = std::to_string(segment);
            line.append(6 - line.size(), ' ');
            line += "12JAN05  12FEB05  CONTINUING DISPLAY TEXT OF THE RESERVATION SYSTEM ";
            if (l == kLinesPerScreen - 1 && s + 1 < kScreens) {
                line += "\xC2\xA5";  // continued
            }
            text += "<LINE><TEXT>" + line + "</TEXT></LINE>";
        }
        screens.push_back(text + "</VELMORA>");
    }
    return screens;
}

void BM_ReadLongAnswer(benchmark::State& state) {
    const std::vector<std::string> screens = makeScreens();
    std::size_t continued = 0;
    std::size_t size = 0;
    for (auto _ : state) {
        std::string accumulated;
        for (const std::string& screen : screens) {
            continued += framework::IsContinued(screen) ? 1 : 0;
            framework::MergeResponse(accumulated, screen);
        }
        size = accumulated.size();
        benchmark::DoNotOptimize(accumulated);
    }
    state.counters["response_bytes"] = static_cast<double>(size);
    state.counters["continued_per_answer"] =
        static_cast<double>(continued) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ReadLongAnswer)->Unit(benchmark::kMillisecond);

}  // namespace

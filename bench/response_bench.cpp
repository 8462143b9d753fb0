// A long host answer read screen by screen, as the mask does for each SetResponse: every
// screen is checked for continuation and joined to the accumulated response. A screen must
// cost the same however long the answer already is (1,000 screens in under 50 ms), and a
// hostile screen within the size cap must be done with in well under a second.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/response.h"
#include "platform/ui/dialog.h"
#include "platform/ui/toolkit.h"

namespace {

constexpr int kLinesPerScreen = 20;
constexpr int kAnyForm = 119;

std::string screenText(int screen, bool continued) {
    std::string text = "<?xml version=\"1.0\"?>\n<VELMORA>";
    for (int l = 0; l < kLinesPerScreen; ++l) {
        const int segment = (screen * kLinesPerScreen + l) % 99 + 1;
        std::string line = std::to_string(segment);
        line.append(6 - line.size(), ' ');
        line += "12JAN05  12FEB05  CONTINUING DISPLAY TEXT OF THE RESERVATION SYSTEM ";
        if (l == kLinesPerScreen - 1 && continued)
            line += "\xC2\xA5";
        text += "<LINE><TEXT>" + line + "</TEXT></LINE>";
    }
    return text + "</VELMORA>";
}

// The mask window the notices go to.
class Window final : public ui::DialogProc {
  public:
    Window() : dialog_(ui::toolkit().createDialog(kAnyForm, *this, nullptr)) {}
    void onInitDialog(ui::Dialog&) override {}
    ui::Dialog& dialog() { return *dialog_; }

  private:
    std::unique_ptr<ui::Dialog> dialog_;
};

// One answer of state.range(0) screens; the time per screen is the counter to compare.
void BM_ReadAnswer(benchmark::State& state) {
    const auto screens = static_cast<int>(state.range(0));
    std::vector<std::string> texts;
    for (int s = 0; s < screens; ++s)
        texts.push_back(screenText(s, s + 1 < screens));
    Window window;
    std::size_t bytes = 0;
    for (auto _ : state) {
        framework::AccumulatedResponse accumulated;
        for (const std::string& text : texts)
            framework::AddResponsePage(window.dialog(), accumulated, text);
        bytes = accumulated.text().size();
        benchmark::DoNotOptimize(accumulated);
    }
    state.counters["response_bytes"] = static_cast<double>(bytes);
    state.counters["per_screen"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * screens,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadAnswer)->Arg(10)->Arg(100)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string attributes(int count) {
    std::string tag = "<A";
    for (int i = 0; i < count; ++i)
        tag += " a" + std::to_string(i) + "=\"\"";
    return tag + "/>";
}

// Screens up to the size cap built to cost the most: many attributes, many nodes, lines
// nested in lines, one long text.
std::string hostileScreen(int kind) {
    const std::string last = "<LINE><TEXT>MORE \xC2\xA5</TEXT></LINE>";
    switch (kind) {
        case 0:
            return "<VELMORA>" + attributes(100'000) + last + "</VELMORA>";
        case 1:
            return "<VELMORA>" + attributes(64) + repeat("<a/>x", 99'900) + last + "</VELMORA>";
        case 2:
            return "<VELMORA>" + repeat("<LINE>", 250) + repeat("<a/>", 90'000) +
                   repeat("</LINE>", 250) + last + "</VELMORA>";
        case 3:
            return "<VELMORA>" + repeat("<LINE>", 250) + std::string((8u << 20) - 4000, 'x') +
                   repeat("</LINE>", 250) + last + "</VELMORA>";
        default:
            return "<VELMORA><LINE><TEXT>" + std::string((8u << 20) - 100, 'x') +
                   "</TEXT></LINE></VELMORA>";
    }
}

// Continuation and merge of one hostile screen into a response of one screen.
void BM_HostileScreen(benchmark::State& state) {
    const std::string screen = hostileScreen(static_cast<int>(state.range(0)));
    Window window;
    for (auto _ : state) {
        framework::AccumulatedResponse accumulated;
        framework::AddResponsePage(window.dialog(), accumulated, screenText(0, true));
        framework::AddResponsePage(window.dialog(), accumulated, screen);
        benchmark::DoNotOptimize(accumulated);
    }
    state.counters["screen_bytes"] = static_cast<double>(screen.size());
}
BENCHMARK(BM_HostileScreen)
    ->ArgName("attributes_nodes_nestedNodes_nestedText_longText")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The paths an agent waits on in the damaged ticket void mask: activation, Send and Recall.
#include <benchmark/benchmark.h>

#include "bench/support/bench_mask.h"
#include "framework/persistence.h"
#include "masks/catalog.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;

constexpr ui::DialogId kForm = IDD_ISSBSPDAMAGEDTKT;

// An ATB2 coupon: the type switch, the longer number and the "/S" tail.
void fillAtb2(ui::headless::HeadlessDialog& form) {
    form.click(IDC_DAMAGED_ATB2);
    form.setText(IDC_DAMAGED_SCN, "1234567890123");
    form.setText(IDC_DAMAGED_SPOILED, "1");
    form.setText(IDC_DAMAGED_CHECK_DIGIT, "3");
}

// Activation alone: language, labels, radios, edits, captions and the ticket-type rule.
void BM_DamagedTicketActivate(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssBSPDamagedTkt);
    measureActivation(state, view);
}
BENCHMARK(BM_DamagedTicketActivate)->Unit(benchmark::kMicrosecond);

// Send on a filled form up to its log line: the seven checks, the entry, the event and the
// log; the profile write that follows is left out.
void BM_DamagedTicketSendWithoutProfileWrite(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssBSPDamagedTkt);
    view->Activate();
    fillAtb2(form(kForm));
    measureSendWithoutProfileWrite(state, maskOf(view));
}
BENCHMARK(BM_DamagedTicketSendWithoutProfileWrite)->Unit(benchmark::kMicrosecond);

// Recall of the type and the four edits from the profile of an earlier Send, then the rule.
void BM_DamagedTicketRecall(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateIssBSPDamagedTkt);
    view->Activate();
    fillAtb2(form(kForm));
    measureRecall(state, maskOf(view));
}
BENCHMARK(BM_DamagedTicketRecall)->Unit(benchmark::kMicrosecond);

}  // namespace

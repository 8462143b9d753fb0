// The paths an agent waits on in the issuance mask: activation (under 300 microseconds), a
// Send that passes every check and writes its 59 profile keys (under 2 milliseconds), Recall,
// and a fee-base answer of 10,000 lines read into the list (under 20 milliseconds).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/bench_mask.h"
#include "masks/catalog.h"
#include "platform/com/bstr.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;

// A net remit issuance paid by card and cash, with a tour code, endorsements and copies.
void fill(ui::headless::HeadlessDialog& f) {
    f.typeText(IDC_ISS_CARRIER, "CX");
    f.typeText(IDC_ISS_TFR, "2");
    f.typeText(IDC_ISS_PAX, "2.1");
    f.selectCode(IDC_ISS_TYPE, 1);
    f.typeText(IDC_ISS_NET_REMIT_AMT, "500");
    f.typeText(IDC_ISS_CARD_AMT, "450");
    f.selectCode(IDC_ISS_FOP1, 4);
    f.typeText(IDC_ISS_FOP1_CC_TYPE, "VI");
    f.typeText(IDC_ISS_FOP1_CC_NBR, "1234567890123");
    f.typeText(IDC_ISS_FOP1_CC_EXPDATE, "1209");
    f.typeText(IDC_ISS_FOP1_CC_APPR_CDE, "12345678");
    f.selectCode(IDC_ISS_FOP2, 1);
    f.typeText(IDC_ISS_FOP2_CSHAMT, "100");
    f.selectCode(IDC_ISS_ITCODE_TYPE, 3);
    f.typeText(IDC_ISS_ITCODE, "IT9SQ");
    f.selectCode(IDC_ISS_ENDORSE_TYPE, 3);
    f.typeText(IDC_ISS_ENDORSE1, "NON-REF");
    f.typeText(IDC_ISS_ENDORSE2, "VALID ON CX ONLY");
    f.click(IDC_ISS_ETKT);
    f.typeText(IDC_ISS_AGENT_COUPON, "1");
    f.selectCode(IDC_ISS_PRINTOPTION, 1);
}

void BM_IssuanceActivate(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingIssuance);
    measureActivation(state, view);
}
BENCHMARK(BM_IssuanceActivate)->Unit(benchmark::kMicrosecond);

// The whole Send: checks, the save of every key (written to the file), entry, event and log.
void BM_IssuanceSend(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingIssuance);
    view->Activate();
    fill(form(IDD_TICKETINGISSUANCE));
    for (auto _ : state)
        maskOf(view).Send();
}
BENCHMARK(BM_IssuanceSend)->Unit(benchmark::kMicrosecond);

void BM_IssuanceRecall(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingIssuance);
    view->Activate();
    fill(form(IDD_TICKETINGISSUANCE));
    measureRecall(state, maskOf(view));
}
BENCHMARK(BM_IssuanceRecall)->Unit(benchmark::kMicrosecond);

// A fee-base answer of 10,000 lines added to an emptied list.
void BM_IssuanceFeeBaseReply(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingIssuance);
    view->Activate();
    std::u16string reply = u"<FEEBASE><N_01PA>1</N_01PA>";
    for (int i = 0; i < 10000; ++i)
        reply +=
            u"<N_000T>5\u00A5FEE BASE REMARK " + std::u16string(1, u'A' + i % 26) + u"</N_000T>";
    reply += u"</FEEBASE>";
    const com::Bstr text(reply);
    auto* mask = static_cast<framework::IZenkorMask*>(&maskOf(view));
    ui::headless::HeadlessDialog& f = form(IDD_TICKETINGISSUANCE);
    for (auto _ : state) {
        mask->SetResponse(text.get());
        state.PauseTiming();
        if (f.itemCount(IDC_ISS_FEEBASE_LIST) != 10000)
            state.SkipWithError("the lines were not read");
        f.clearList(IDC_ISS_FEEBASE_LIST);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_IssuanceFeeBaseReply)->Unit(benchmark::kMillisecond);

}  // namespace

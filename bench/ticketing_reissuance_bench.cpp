// The paths an agent waits on in the reissue mask: activation (lists and every rule), a Send
// that passes every check and writes its 64 profile keys, and Recall.
#include <benchmark/benchmark.h>

#include "bench/support/bench_mask.h"
#include "masks/catalog.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;

// A reissue with an additional card payment, net remit, endorsements and copies.
void fill(ui::headless::HeadlessDialog& f) {
    f.typeText(IDC_REISS_CARRIER, "SQ");
    f.typeText(IDC_REISS_TFR, "1");
    f.typeText(IDC_REISS_NAMESELECT, "1.1");
    f.typeText(IDC_REISS_EXTKT1, "618");
    f.typeText(IDC_REISS_EXTKT2, "1234567890");
    f.typeText(IDC_REISS_CPN, "12");
    f.typeText(IDC_REISS_DATEOFISSUE, "12JAN05");
    f.typeText(IDC_REISS_PLACEOFISSUE, "SIN");
    f.typeText(IDC_REISS_IATA, "12345678");
    f.click(IDC_REISS_NETREMIT);
    f.typeText(IDC_REISS_NETREMITAMT, "500");
    f.typeText(IDC_REISS_VALUE_CODE, "V1");
    f.selectCode(IDC_REISS_ADDPAYMENT, 4);
    f.typeText(IDC_REISS_ADDPAYMENT_CC_TYPE, "VI");
    f.typeText(IDC_REISS_ADDPAYMENT_CC_NBR, "4111111111111111");
    f.typeText(IDC_REISS_ADDPAYMENT_CC_EXPDATE, "1205");
    f.typeText(IDC_REISS_ADDPAYMENT_CC_APPR_CDE, "12345678");
    f.typeText(IDC_REISS_ADDPAYMENT_CC_AMT, "SGD600.00");
    f.selectCode(IDC_REISS_ENDORSE_TYPE, 3);
    f.typeText(IDC_REISS_ENDORSE1, "NON-REF");
    f.typeText(IDC_REISS_ENDORSE2, "VALID ON SQ ONLY");
    f.click(IDC_REISS_ETKT);
    f.typeText(IDC_REISS_AGENTCOUPON, "1");
    f.selectCode(IDC_REISS_PRINTOPTION, 1);
}

void BM_ReissueActivate(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingReIssuance);
    measureActivation(state, view);
}
BENCHMARK(BM_ReissueActivate)->Unit(benchmark::kMicrosecond);

// The whole Send: checks, the save of every key (written to the file), entry, event and log.
void BM_ReissueSend(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingReIssuance);
    view->Activate();
    fill(form(IDD_TICKETINGREISSUANCE));
    for (auto _ : state)
        maskOf(view).Send();
}
BENCHMARK(BM_ReissueSend)->Unit(benchmark::kMicrosecond);

void BM_ReissueRecall(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateTicketingReIssuance);
    view->Activate();
    fill(form(IDD_TICKETINGREISSUANCE));
    measureRecall(state, maskOf(view));
}
BENCHMARK(BM_ReissueRecall)->Unit(benchmark::kMicrosecond);

}  // namespace

// The paths an agent waits on in the issuance mask without transfer: activation (the form with
// its lists and rules and the three sub-dialogs), Recall of the four sections a Send saved
// (about 310 keys), and a validity dates answer of 50 screens read and shown.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/bench_mask.h"
#include "framework/list_entries.h"
#include "masks/catalog.h"
#include "masks/skyfolio/fare_basis.h"
#include "masks/skyfolio/valid_dates.h"
#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;
namespace sky = masks::skyfolio;

// A form with two payments, passenger types, taxes, net remit and every row of the dialogs.
void fill() {
    auto& f = form(IDD_SKYFOLIO);
    f.typeText(IDC_SKY_CARRIER, "SQ");
    f.typeText(IDC_SKY_BAGALLOW_EDIT, "20K");
    f.selectCode(IDC_SKY_FOP1, 4);
    f.selectCode(IDC_SKY_FOP2, 1);
    f.typeText(IDC_SKY_CCTYPE1, "VI");
    f.typeText(IDC_SKY_CCNBR1, "4111111111111111");
    f.typeText(IDC_SKY_CCEXPDATE1, "1207");
    f.typeText(IDC_SKY_ALAMT2, "100");
    f.click(IDC_SKY_ADULT);
    f.typeText(IDC_SKY_ADULT_EDIT, "2");
    f.selectCode(IDC_SKY_TAXTYPE, 3);
    f.typeText(IDC_SKY_TCODE1, "SG");
    f.typeText(IDC_SKY_TAMT1, "10");
    f.click(IDC_SKY_NRTKT);
    f.typeText(IDC_SKY_NRAMT, "500");
    auto& fb = form(IDD_SKY_FAREBASIS);
    // The dialogs are hidden: their fields are set as a Recall sets them, so that the Send
    // passes its checks and saves them.
    for (const auto& row : sky::kFareBasisRows) {
        fb.setText(row[sky::kBagSegment], "1");
        fb.setText(row[sky::kBagAllowance], "20K");
        fb.setText(row[sky::kFareSegment], "1");
        fb.setText(row[sky::kFareBasis], "YOWAP");
        framework::SelectCode(fb, row[sky::kDiscountType], sky::kPercentDiscount);
        fb.setText(row[sky::kDiscountValue], "10");
    }
    auto& vd = form(IDD_SKY_VALIDDATES);
    for (const auto& row : sky::kValidityDatesRows) {
        vd.setText(row[sky::kSegment], "1");
        vd.setText(row[sky::kMinimumDate], "12JAN05");
    }
}

void BM_SkyfolioActivate(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateSkyfolio);
    measureActivation(state, view);
}
BENCHMARK(BM_SkyfolioActivate)->Unit(benchmark::kMicrosecond);

void BM_SkyfolioRecall(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateSkyfolio);
    view->Activate();
    fill();
    measureRecall(state, maskOf(view));
    if (form(IDD_SKY_FAREBASIS).text(sky::kFareBasisRows[18][sky::kFareBasis]).empty())
        state.SkipWithError("the Send before Recall saved nothing");
}
BENCHMARK(BM_SkyfolioRecall)->Unit(benchmark::kMicrosecond);

std::u16string Screen(int screen, bool continued) {
    std::string text = "<?xml version=\"1.0\"?>\n<VELMORA>";
    for (int l = 0; l < 20; ++l) {
        std::string line = std::to_string((screen * 20 + l) % 99 + 1);
        line.append(6 - line.size(), ' ');
        line += "12JAN05  12FEB05 ";
        if (l == 19 && continued)
            line += "\xC2\xA5";
        text += "<LINE><TEXT>" + line + "</TEXT></LINE>";
    }
    return text::toUtf16(text + "</VELMORA>", text::kUtf8);
}

// The request, then 50 screens through SetResponse; the last fills and shows the dialog.
void BM_SkyfolioValidityAnswer(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateSkyfolio);
    view->Activate();
    auto& f = form(IDD_SKYFOLIO);
    f.click(IDC_SKY_BAGALLOW);
    f.typeText(IDC_SKY_TFR, "2");
    std::vector<com::Bstr> screens;
    for (int s = 0; s < 50; ++s)
        screens.emplace_back(Screen(s, s < 49));
    for (auto _ : state) {
        f.click(IDC_SKY_VALIDDATES_BUTTON);
        for (const com::Bstr& screen : screens)
            maskOf(view).SetResponse(screen.get());
    }
    if (form(IDD_SKY_VALIDDATES).text(sky::kValidityDatesRows[18][sky::kSegment]).empty())
        state.SkipWithError("the rows were not filled");
}
BENCHMARK(BM_SkyfolioValidityAnswer)->Unit(benchmark::kMillisecond);

}  // namespace

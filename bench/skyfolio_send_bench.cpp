// A Send of the issuance form without transfer, fully filled: the whole Send with the save of
// its four sections (under 2 milliseconds), and the Send without the save, that is its checks
// over the form and the three sub-dialogs and the entry built from them (under 50
// microseconds).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "bench/support/bench_mask.h"
#include "framework/checks.h"
#include "framework/list_entries.h"
#include "masks/catalog.h"
#include "masks/common/form_values.h"
#include "masks/skyfolio/fare_basis.h"
#include "masks/skyfolio/skyfolio_checks.h"
#include "masks/skyfolio/skyfolio_entry.h"
#include "masks/skyfolio/skyfolio_form.h"
#include "masks/skyfolio/valid_dates.h"
#include "resources/resource.h"

namespace {

using namespace bench_support;
namespace sky = masks::skyfolio;

// Every group of checks has something to check, and every piece of the entry something to
// write (a commission amount would not go with the net commission): a card and cash,
// passenger types, taxes, net remit, and every row of the dialogs.
void fill() {
    auto& f = form(IDD_SKYFOLIO);
    f.typeText(IDC_SKY_PNS, "1.1-3.1");
    f.typeText(IDC_SKY_CARRIER, "SQ");
    f.typeText(IDC_SKY_BAGALLOW_EDIT, "20K");
    f.selectCode(IDC_SKY_FOP1, 4);
    f.selectCode(IDC_SKY_FOP2, 1);
    f.typeText(IDC_SKY_CCTYPE1, "VI");
    f.typeText(IDC_SKY_CCNBR1, "4111111111111111");
    f.typeText(IDC_SKY_CCEXPDATE1, "1207");
    f.typeText(IDC_SKY_CCAPPRCODE1, "12345678");
    f.click(IDC_SKY_CCEXPYMT1);
    f.typeText(IDC_SKY_PYMNT1, "6");
    f.typeText(IDC_SKY_ALDATA2, "AL1");
    f.typeText(IDC_SKY_ALAMT2, "100.00");
    for (int box : {IDC_SKY_ADULT, IDC_SKY_CHILD, IDC_SKY_SEAMAN, IDC_SKY_OTHERS})
        f.click(box);
    f.typeText(IDC_SKY_ADULT_EDIT, "2");
    f.typeText(IDC_SKY_CHILD_EDIT, "1");
    f.typeText(IDC_SKY_CHILD_EDIT_AGE, "5");
    f.typeText(IDC_SKY_SMAN1, "1");
    f.typeText(IDC_SKY_SMAN2, "SG");
    f.typeText(IDC_SKY_OTHERS1, "1");
    f.typeText(IDC_SKY_OTHERS2, "MIL");
    f.typeText(IDC_SKY_SS, "1-19");
    f.typeText(IDC_SKY_CONNECTION, "2/3");
    f.typeText(IDC_SKY_STOPOVER, "4");
    f.selectCode(IDC_SKY_FARETYPE, 2);
    f.selectCode(IDC_SKY_TAXTYPE, 3);
    for (std::size_t i = 0; i < sky::kTaxCodes.size(); ++i) {
        f.typeText(sky::kTaxCodes[i], "X" + std::string(1, static_cast<char>('A' + i)));
        f.typeText(sky::kTaxAmounts[i], "1" + std::to_string(i) + ".00");
    }
    f.selectCode(IDC_SKY_ENDORSEMENT, 3);
    f.typeText(IDC_SKY_ENDORSE1, "NONREF");
    f.typeText(IDC_SKY_ENDORSE2, "VALID ON SQ ONLY");
    f.click(IDC_SKY_NRTKT);
    f.typeText(IDC_SKY_NRAMT, "500.00");
    f.typeText(IDC_SKY_NRCOMMN, "3");
    f.typeText(IDC_SKY_NRSELFARE, "600.00");
    f.typeText(IDC_SKY_NRCRCARDAMT, "550.00");
    f.typeText(IDC_SKY_NRALTCRCY, "USD");
    f.selectCode(IDC_SKY_ITCODE, 3);
    f.typeText(IDC_SKY_TOURCODE, "IT 12/3");
    // The sub-dialogs are hidden: their fields are set as a Recall sets them.
    auto& fb = form(IDD_SKY_FAREBASIS);
    for (std::size_t r = 0; r < sky::kFareBasisRows.size(); ++r) {
        const auto& row = sky::kFareBasisRows[r];
        const std::string segment = std::to_string(r + 1);
        fb.setText(row[sky::kBagSegment], segment);
        fb.setText(row[sky::kBagAllowance], "20K");
        fb.setText(row[sky::kFareSegment], segment);
        fb.setText(row[sky::kFareBasis], "YOWAP");
        fb.setText(row[sky::kUniqueFareBasis], "Y1");
        fb.setText(row[sky::kTicketDesignator], "CH50");
        framework::SelectCode(fb, row[sky::kDiscountType], sky::kPercentDiscount);
        fb.setText(row[sky::kDiscountValue], "10.50");
    }
    auto& vd = form(IDD_SKY_VALIDDATES);
    for (std::size_t r = 0; r < sky::kValidityDatesRows.size(); ++r) {
        const auto& row = sky::kValidityDatesRows[r];
        vd.setText(row[sky::kSegment], std::to_string(r + 1));
        vd.setText(row[sky::kMinimumDate], "12JAN07");
        vd.setText(row[sky::kMaximumDate], "12FEB07");
    }
    auto& o = form(IDD_SKY_OTHERS);
    framework::SelectCode(o, IDC_OTH_RESTR1, 2);
    o.setText(IDC_OTH_PERCENT1, "50");
    framework::SelectCode(o, IDC_OTH_RESTR2, 3);
    o.setChecked(IDC_OTH_ETKT, true);
    for (int copies : {IDC_OTH_AGCOUPON, IDC_OTH_PASSRECEIPT, IDC_OTH_AUDITCOUPON,
                       IDC_OTH_CRCHARGEFORM, IDC_OTH_EXCHG_AUTH})
        o.setText(copies, "2");
    framework::SelectCode(o, IDC_OTH_PRNTOPTION, 3);
    framework::SelectCode(o, IDC_OTH_SPLIT, 1);
}

// The four forms, read in place; nothing is shown for a refusal.
class Forms final : public framework::CheckForms {
  public:
    ui::Dialog* form(int which) override {
        constexpr std::array<ui::DialogId, 4> kForms = {IDD_SKYFOLIO, IDD_SKY_FAREBASIS,
                                                        IDD_SKY_OTHERS, IDD_SKY_VALIDDATES};
        return &bench_support::form(kForms[static_cast<std::size_t>(which)]);
    }
    void reveal(int) override {}
};

std::string Entry() {
    const masks::DialogEntryValues main(form(IDD_SKYFOLIO));
    const masks::DialogValues fareBasis(form(IDD_SKY_FAREBASIS));
    const masks::DialogValues others(form(IDD_SKY_OTHERS));
    const masks::DialogValues validDates(form(IDD_SKY_VALIDDATES));
    return sky::ComposeSkyfolioEntry({main, fareBasis, others, validDates});
}

// Refuses to measure a form that would not be sent.
bool Passes(benchmark::State& state) {
    Forms forms;
    if (sky::RunSkyfolioChecks(forms))
        return true;
    state.SkipWithError(("the form does not pass its checks: focus on " +
                         std::to_string(form(IDD_SKYFOLIO).focus().value_or(0)))
                            .c_str());
    return false;
}

// The whole Send: checks, the save of the four sections (written to the file), entry, event
// and log.
void BM_SkyfolioSend(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateSkyfolio);
    view->Activate();
    fill();
    if (!Passes(state))
        return;
    for (auto _ : state)
        maskOf(view).Send();
}
BENCHMARK(BM_SkyfolioSend)->Unit(benchmark::kMicrosecond);

// The Send without its save: the checks, then the entry.
void BM_SkyfolioChecksAndEntry(benchmark::State& state) {
    BenchHome home;
    auto view = createMask(masks::CreateSkyfolio);
    view->Activate();
    fill();
    if (!Passes(state))
        return;
    Forms forms;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sky::RunSkyfolioChecks(forms));
        benchmark::DoNotOptimize(Entry());
    }
    state.counters["entry_bytes"] = static_cast<double>(Entry().size());
}
BENCHMARK(BM_SkyfolioChecksAndEntry)->Unit(benchmark::kMicrosecond);

}  // namespace

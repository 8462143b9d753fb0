// The three sub-dialogs of the issuance form: the discount and bag allowance rules of the fare
// basis, the restriction and ticketing rules of the other options with their crossed profile
// keys, the validity dates read from the host's answer to the mask's request, and what each
// showing and Recall do to them. Their controls as they open are in the scenario transcripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "masks/skyfolio/fare_basis.h"
#include "masks/skyfolio/ticketing_others.h"
#include "masks/skyfolio/valid_dates.h"
#include "masks/skyfolio/validity_lines.h"
#include "platform/com/bstr.h"
#include "resources/resource.h"
#include "tests/support/agent.h"
#include "tests/support/mask_harness.h"

namespace {

using masks::skyfolio::kFareBasisRows;
using masks::skyfolio::kValidityDatesRows;
using testing_support::Agent;
using testing_support::MaskHarness;
using ui::headless::HeadlessDialog;
using ui::headless::headlessToolkit;
namespace sky = masks::skyfolio;

struct Skyfolio {
    explicit Skyfolio(const std::string& profile = "") {
        if (!profile.empty())
            mask.home().write("Quorvex.ini", profile);
        mask.activate();
    }
    static HeadlessDialog& dialog(int id) { return *headlessToolkit().findDialog(id); }
    // Opens a sub-dialog by its button on the form and goes back at once.
    void look(int button, int dialogId) {
        agent.then([dialogId] { EXPECT_EQ(dialog(dialogId).click(IDC_SKY_BACK), ""); });
        mask.click(button);
    }
    std::string state(int dialogId, int id) {
        HeadlessDialog& d = dialog(dialogId);
        return std::string(d.isEnabled(id) ? "on" : "off") + " '" + d.text(id) + "'";
    }
    // The host's answer to the request: one screen of lines.
    void answer(const std::vector<std::u16string>& lines) {
        std::u16string xml = u"<VELMORA>";
        for (const std::u16string& l : lines)
            xml += u"<LINE><TEXT>" + l + u"</TEXT></LINE>";
        com::Bstr b(xml + u"</VELMORA>");
        mask.mask().SetResponse(b.get());
    }

    Agent agent;
    MaskHarness mask{masks::CreateSkyfolio, ids::DIID__ISkyfolioEvents, IDD_SKYFOLIO};
};

long Chosen(HeadlessDialog& d, int list) {
    return d.itemData(list, d.selection(list));
}

// The limits of the discount values, and the percentage closed but kept when another row takes
// the amount discount, are in the fare basis example under examples/.
TEST(FareBasis, OnlyOneRowCarriesAnAmountDiscount) {
    Skyfolio s;
    HeadlessDialog& fb = Skyfolio::dialog(IDD_SKY_FAREBASIS);
    const auto& row5 = kFareBasisRows[4];
    ASSERT_EQ(fb.selectCode(kFareBasisRows[1][sky::kDiscountType], sky::kPercentDiscount), "");
    ASSERT_EQ(fb.selectCode(row5[sky::kDiscountType], sky::kAmountDiscount), "");
    for (const auto& row : kFareBasisRows) {
        const bool five = &row == &row5;
        EXPECT_EQ(fb.isEnabled(row[sky::kDiscountType]), five);
        EXPECT_EQ(fb.isEnabled(row[sky::kDiscountValue]), five);
        EXPECT_EQ(Chosen(fb, row[sky::kDiscountType]),
                  five ? sky::kAmountDiscount : sky::kNoDiscount);
    }
    ASSERT_EQ(fb.typeText(row5[sky::kDiscountValue], "123"), "");
    ASSERT_EQ(fb.selectCode(row5[sky::kDiscountType], sky::kNoDiscount), "");
    for (const auto& row : kFareBasisRows)
        EXPECT_TRUE(fb.isEnabled(row[sky::kDiscountType]));
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row5[sky::kDiscountValue]), "off ''");
}

TEST(FareBasis, RecallKeepsTheUpperAmountAndTheRestoredValues) {
    Skyfolio s(
        "[TKT_MAIN_SECTION]\nBAGALLOW=1\n[TKT_FB_SECTION]\nIDC_SATFB_EDIT_DISCOUNT3=2\n"
        "IDC_SATFB_EDIT_DISCOUNT9=1\nIDC_SATFB_EDIT_DISCOUNT18=1\nDISCOUNT_VAL9=100\n"
        "DISCOUNT_VAL18=7\nSEG17=9A\nSEG18=9B\nSEG35=18A\nSEG36=18B\nBAGALLOW18=20K\n");
    s.mask.click(IDC_SKY_RECALL);
    HeadlessDialog& fb = Skyfolio::dialog(IDD_SKY_FAREBASIS);
    const auto& row9 = kFareBasisRows[8];
    const auto& row18 = kFareBasisRows[17];
    EXPECT_EQ(Chosen(fb, row9[sky::kDiscountType]), sky::kAmountDiscount);
    EXPECT_EQ(Chosen(fb, row18[sky::kDiscountType]), sky::kNoDiscount);
    EXPECT_EQ(Chosen(fb, kFareBasisRows[2][sky::kDiscountType]), sky::kNoDiscount);
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row9[sky::kDiscountValue]), "on '100'");
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row18[sky::kDiscountValue]), "off '7'");
    // Rows 9 and 18 do not run in order of number; their keys follow the row.
    EXPECT_EQ(fb.text(row9[sky::kBagSegment]) + fb.text(row9[sky::kFareSegment]), "9A9B");
    EXPECT_EQ(fb.text(row18[sky::kBagSegment]) + fb.text(row18[sky::kFareSegment]) +
                  fb.text(row18[sky::kBagAllowance]),
              "18A18B20K");
}

// The fare basis that stays is in the fare basis example under examples/.
TEST(FareBasis, EachShowingFollowsTheBagAllowanceBoxOfTheForm) {
    Skyfolio s;
    HeadlessDialog& fb = Skyfolio::dialog(IDD_SKY_FAREBASIS);
    const auto& row1 = kFareBasisRows[0];
    s.look(IDC_SKY_FAREBASIS_BUTTON, IDD_SKY_FAREBASIS);
    ASSERT_EQ(fb.typeText(row1[sky::kBagAllowance], "20k"), "");
    s.mask.click(IDC_SKY_BAGALLOW);
    s.look(IDC_SKY_FAREBASIS_BUTTON, IDD_SKY_FAREBASIS);
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row1[sky::kBagAllowance]), "off ''");
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row1[sky::kBagSegment]), "off ''");
    s.mask.click(IDC_SKY_BAGALLOW);
    s.look(IDC_SKY_FAREBASIS_BUTTON, IDD_SKY_FAREBASIS);
    EXPECT_EQ(s.state(IDD_SKY_FAREBASIS, row1[sky::kBagAllowance]), "on ''");
}

// The percentages beside the restrictions with penalty and the second restriction that "all
// above" excludes are in the other options example under examples/.
TEST(OtherOptions, RestrictionsAndTicketingOpenAndCloseTheirFields) {
    Skyfolio s;
    HeadlessDialog& o = Skyfolio::dialog(IDD_SKY_OTHERS);
    auto st = [&](int id) { return s.state(IDD_SKY_OTHERS, id); };
    EXPECT_EQ(st(IDC_OTH_EXCHG_AUTH), "off ''");
    EXPECT_TRUE(o.isEnabled(IDC_OTH_SPLIT));
    EXPECT_EQ(o.selectCode(IDC_OTH_RESTR2, sky::kExcludeAbove),
              "no entry with code 4 in control 485")
        << "the second list has no such entry";

    ASSERT_EQ(o.click(IDC_OTH_ETKT), "");
    ASSERT_EQ(o.click(IDC_OTH_OVERRIDE), "");
    ASSERT_EQ(o.selectCode(IDC_OTH_PRNTOPTION, 2), "");
    ASSERT_EQ(o.typeText(IDC_OTH_EXCHG_AUTH, "1"), "");
    EXPECT_EQ(st(IDC_OTH_EXCHG_AUTH), "on '1'");
    ASSERT_EQ(o.click(IDC_OTH_ETKT), "");
    EXPECT_FALSE(o.isChecked(IDC_OTH_OVERRIDE));
    EXPECT_EQ(Chosen(o, IDC_OTH_PRNTOPTION), 0);
    EXPECT_EQ(st(IDC_OTH_EXCHG_AUTH), "off ''");
}

TEST(OtherOptions, KeysPairAsProfilesHaveThemAndRecallRunsTheRules) {
    struct Case {
        const char* what;
        std::string section;
        long printing, first, second;
        std::string coupon;
    };
    const Case cases[] = {
        {"crossed keys", "RESTR1=3\nRESTR2=2\nPROPTION=1\nETKTG=1\nOVERRIDE_ETKTG=1\nAGCOUPON=2\n",
         3, 2, 1, "on '2'"},
        {"no ticketing: the copies go", "RESTR1=3\nETKTG=0\nAGCOUPON=2\n", 0, 0, 0, "off ''"},
        {"a code the second list lacks", "RESTR2=4\nPROPTION=4\n", 0, 4, 0, "off ''"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Skyfolio s("[TKT_OTHER_SECTION]\n" + c.section);
        s.mask.click(IDC_SKY_RECALL);
        HeadlessDialog& o = Skyfolio::dialog(IDD_SKY_OTHERS);
        EXPECT_EQ(Chosen(o, IDC_OTH_PRNTOPTION), c.printing);
        EXPECT_EQ(Chosen(o, IDC_OTH_RESTR1), c.first);
        EXPECT_EQ(Chosen(o, IDC_OTH_RESTR2), c.second);
        EXPECT_EQ(o.isEnabled(IDC_OTH_PERCENT1), c.first == sky::kExcludePenalty);
        EXPECT_EQ(o.isChecked(IDC_OTH_OVERRIDE), c.section.find("OVERRIDE") != std::string::npos);
        EXPECT_EQ(s.state(IDD_SKY_OTHERS, IDC_OTH_AGCOUPON), c.coupon);
        s.mask.type(IDC_SKY_CARRIER, "SQ");
        s.mask.type(IDC_SKY_BAGALLOW_EDIT, "20K");
        s.mask.click(IDC_SKY_SEND);
        const std::string saved = " " + s.mask.home().section("TKT_OTHER_SECTION") + " ";
        for (const std::string& value :
             {"RESTR1=" + std::to_string(c.printing), "RESTR2=" + std::to_string(c.first),
              "PROPTION=" + std::to_string(c.second)})
            EXPECT_NE(saved.find(" " + value + " "), std::string::npos) << value << saved;
    }
}

TEST(ValidityLines, ReadFixedColumnsAndNothingElseOfAnAnswer) {
    struct Case {
        std::string line;
        const char* read;  // "segment|minimum|maximum", or "" for no match
    };
    const Case cases[] = {
        {"1     12JAN05  12FEB05 ", "1|12JAN05|12FEB05"},
        {"12             30JUN05 ", "12||30JUN05"},
        {"3     01MAR05                 ", "3|01MAR05|"},
        {"1     12JAN05  12FEB05", ""},    // no trailing blank
        {"1    12JAN05  12FEB05 ", ""},    // one digit and four blanks
        {"1     12jan05  12FEB05 ", ""},   // months are upper case
        {"123   12JAN05  12FEB05 ", ""},   // three digits
        {"1     12JAN05  12FEB05 x", ""},  // something after the blanks
        {"1     12JAN05  12FEB05 " + std::string(100000, ' '), "1|12JAN05|12FEB05"},
        {"1     12JAN05  12FEB05 " + std::string(100000, ' ') + "x", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        const auto row = sky::ReadValidityLine(c.line);
        EXPECT_EQ(row ? row->segment + "|" + row->minimum + "|" + row->maximum : "", c.read)
            << "'" << c.line.substr(0, 40) << "'";
    }
    // An answer that cannot be read fills no row.
    const std::string garbage[] = {"", "<VELMORA>",
                                   "<A><LINE><TEXT>1     12JAN05  12FEB05 </TEXT></LINE></A>"};
    for (const std::string& text : garbage)
        EXPECT_TRUE(sky::ReadValidityRows(text, 19).empty()) << text;
}

TEST(ValidityDates, EachRequestFiresAndOnlyItsOwnAnswerFillsTheRowsAtEachShowing) {
    Skyfolio s;
    HeadlessDialog& vd = Skyfolio::dialog(IDD_SKY_VALIDDATES);
    const auto& row1 = kValidityDatesRows[0];
    // Without a transfer nothing is asked: the dialog shows as it stands.
    ASSERT_EQ(vd.typeText(row1[sky::kSegment], "7"), "");
    s.look(IDC_SKY_VALIDDATES_BUTTON, IDD_SKY_VALIDDATES);
    EXPECT_TRUE(s.mask.events().empty());
    EXPECT_EQ(vd.text(row1[sky::kSegment]), "7");
    s.answer({u"1     12JAN05  12FEB05 "});  // nothing asked, nothing taken
    EXPECT_EQ(vd.text(row1[sky::kSegment]), "7");

    s.mask.click(IDC_SKY_BAGALLOW);
    s.mask.type(IDC_SKY_TFR, "2");
    s.mask.click(IDC_SKY_VALIDDATES_BUTTON);
    EXPECT_EQ(s.mask.events(), std::vector<std::string>{"event 4 **W2\xC2\xA5VLD"});
    // Joining the screens of an answer is shown by the scenario under examples/.
    s.agent.then([] { EXPECT_EQ(Skyfolio::dialog(IDD_SKY_VALIDDATES).click(IDC_SKY_BACK), ""); });
    s.answer({u"1     12JAN05  01FEB05 "});
    EXPECT_EQ(vd.text(row1[sky::kMaximumDate]), "01FEB05");

    // A change by hand lasts until the next showing, which reads the answer again; Clear and
    // Recall keep the answer.
    ASSERT_EQ(vd.typeText(row1[sky::kSegment], "5"), "");
    s.mask.click(IDC_SKY_RECALL);
    s.look(IDC_SKY_FAREBASIS_BUTTON, IDD_SKY_FAREBASIS);
    EXPECT_EQ(vd.text(row1[sky::kSegment]), "") << "Recall of an empty profile";
    for (const char* tfr : {"0", "A"}) {
        s.mask.type(IDC_SKY_TFR, tfr);
        s.look(IDC_SKY_VALIDDATES_BUTTON, IDD_SKY_VALIDDATES);
        EXPECT_EQ(vd.text(row1[sky::kSegment]), "") << "an empty answer handed over";
    }
    EXPECT_EQ(s.mask.events().size(), 1u);

    // A new request drops the pages of an answer left unfinished; a long answer fills the
    // nineteen rows and the rest is left; an answer nobody asked for after it is ignored.
    s.mask.type(IDC_SKY_TFR, "1");
    s.mask.click(IDC_SKY_VALIDDATES_BUTTON);
    s.answer({u"1     13JAN05  13FEB05 ", u"MORE \u00A5"});
    s.mask.click(IDC_SKY_VALIDDATES_BUTTON);
    const std::u16string line = u"1     12JAN05  12FEB05 " + std::u16string(5000, u' ');
    for (int i = 0; i < 999; ++i)
        s.answer({line, u"x \u00A5"});
    s.agent.then([] { EXPECT_EQ(Skyfolio::dialog(IDD_SKY_VALIDDATES).click(IDC_SKY_BACK), ""); });
    s.answer({u"<broken"});  // the last screen cannot be read: the others count
    s.answer({u"3     14JAN05  14FEB05 "});
    for (const auto& row : kValidityDatesRows)
        EXPECT_EQ(vd.text(row[sky::kMaximumDate]), "12FEB05");
}

}  // namespace

// The damaged ticket void mask: the ticket-type rule, the checks of each type and Recall (the
// entry and the save of each type are in the scenario transcripts).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "platform/ui/agent.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::MaskHarness;

constexpr const char* kTitle = "BSP Manual Void Ticket (Damaged Tickets)";

// What the ticket-type rule decides: ticks, live edits and the colours of their labels.
constexpr const char* kOptatState = "OPTAT 1 ATB2 0 ticket on 0x0000FF SCN off 0x010000";
constexpr const char* kAtb2State = "OPTAT 0 ATB2 1 ticket off 0x010000 SCN on 0x0000FF";

struct Fields {
    bool atb2 = false;
    std::string ticket = "1234567890", scn = "1234567890123", spoiled = "1", digit = "3";
};

class DamagedTicket : public ::testing::Test {
  protected:
    // Without a language table every text is its key, so labels and checks can be told apart.
    DamagedTicket() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
    }

    // Types each number while its field is live, then chooses the type.
    void fill(const Fields& f) {
        mask.click(IDC_DAMAGED_OPTAT);
        mask.type(IDC_DAMAGED_TICKET, f.ticket);
        mask.click(IDC_DAMAGED_ATB2);
        mask.type(IDC_DAMAGED_SCN, f.scn);
        mask.click(f.atb2 ? IDC_DAMAGED_ATB2 : IDC_DAMAGED_OPTAT);
        mask.type(IDC_DAMAGED_SPOILED, f.spoiled);
        mask.type(IDC_DAMAGED_CHECK_DIGIT, f.digit);
    }

    std::string textColour(int id) {
        const auto paint = mask.form().proc().onCtlColor(id);
        return paint && paint->text ? ui::colorText(*paint->text) : "none";
    }

    // A label's font and background as drawn.
    std::string label(int id) {
        const auto& all = mask.form().controls();
        const auto c = std::ranges::find(all, id, &ui::headless::Control::id);
        const ui::Font font = c == all.end() ? ui::Font{} : c->font.value_or(ui::Font{});
        const auto paint = mask.form().proc().onCtlColor(id);
        return font.face + " " + std::to_string(font.height) + " " + std::to_string(font.weight) +
               " on " + (paint && paint->background ? ui::colorText(*paint->background) : "none");
    }

    std::string typeState() {
        ui::headless::HeadlessDialog& f = mask.form();
        auto on = [&](int id) { return f.isEnabled(id) ? " on" : " off"; };
        return std::string("OPTAT ") + (f.isChecked(IDC_DAMAGED_OPTAT) ? "1" : "0") + " ATB2 " +
               (f.isChecked(IDC_DAMAGED_ATB2) ? "1" : "0") + " ticket" + on(IDC_DAMAGED_TICKET) +
               " " + textColour(IDC_DAMAGED_TICKET_LABEL) + " SCN" + on(IDC_DAMAGED_SCN) + " " +
               textColour(IDC_DAMAGED_SCN_LABEL);
    }

    MaskHarness mask{masks::CreateIssBSPDamagedTkt, ids::DIID__IIssBSPDamagedTktEvents,
                     IDD_ISSBSPDAMAGEDTKT};
};

TEST_F(DamagedTicket, LabelsRadiosAndTheTypeRule) {
    // Texts and tooltips are in the scenario transcripts; the font and background are not.
    for (int id :
         {IDC_DAMAGED_TYPE_LABEL, IDC_DAMAGED_OPTAT, IDC_DAMAGED_ATB2, IDC_DAMAGED_SCN_LABEL,
          IDC_DAMAGED_TICKET_LABEL, IDC_DAMAGED_SPOILED_LABEL, IDC_DAMAGED_CHECK_DIGIT_LABEL})
        EXPECT_EQ(label(id), "Arial 14 700 on 0xFFCC9B") << id;
    EXPECT_EQ(typeState(), kOptatState);

    // Disabling keeps the text; switching back finds it again.
    mask.type(IDC_DAMAGED_TICKET, "123456789");
    mask.click(IDC_DAMAGED_ATB2);
    EXPECT_EQ(typeState(), kAtb2State);
    mask.type(IDC_DAMAGED_SCN, "555");
    mask.click(IDC_DAMAGED_OPTAT);
    EXPECT_EQ(typeState(), kOptatState);
    EXPECT_EQ(mask.form().text(IDC_DAMAGED_TICKET) + "/" + mask.form().text(IDC_DAMAGED_SCN),
              "123456789/555");
}

// In the order of the checks of each type. Each row's fault is made together with the next
// row's on another field of the same type, so that a check run out of its order shows.
TEST_F(DamagedTicket, EveryCheckOfBothTypesRefusesInItsOrderWithItsOwnKeyAndFocus) {
    const struct {
        bool atb2;
        std::string Fields::*field;
        const char* text;
        int focus;
        const char* key;
    } refusals[] = {
        {false, &Fields::ticket, " ", IDC_DAMAGED_TICKET, "ERR_MAN_VOID_TKT_TKTNO_MANDATORY"},
        {false, &Fields::ticket, "123456789", IDC_DAMAGED_TICKET, "ERR_MAN_VOID_TKT_TKT_NO_MINLEN"},
        {false, &Fields::ticket, "12345678X0", IDC_DAMAGED_TICKET, "ERR_MAN_VOID_TKT_TKTNO_NUM"},
        {false, &Fields::spoiled, "  ", IDC_DAMAGED_SPOILED,
         "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM_MANDATORY"},
        {false, &Fields::spoiled, "1A", IDC_DAMAGED_SPOILED, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM"},
        {false, &Fields::digit, "", IDC_DAMAGED_CHECK_DIGIT, "ERR_BSP_DMGD_TKT_CHK_DGT_MANDATORY"},
        {false, &Fields::digit, "X", IDC_DAMAGED_CHECK_DIGIT, "ERR_BSP_DMGD_TKT_CHK_DGT_NUM"},
        {true, &Fields::scn, "", IDC_DAMAGED_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY"},
        {true, &Fields::scn, "123456789012", IDC_DAMAGED_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_MINLEN"},
        {true, &Fields::scn, "123456789012-", IDC_DAMAGED_SCN, "ERR_BSP_DMGD_TKT_SCN_NO_NUM"},
        {true, &Fields::spoiled, "1A", IDC_DAMAGED_SPOILED, "ERR_BSP_DMGD_TKT_NO_SPOILED_DOC_NUM"},
        {true, &Fields::digit, "-", IDC_DAMAGED_CHECK_DIGIT, "ERR_BSP_DMGD_TKT_CHK_DGT_NUM"},
    };
    for (std::size_t i = 0; i < std::size(refusals); ++i) {
        const auto& r = refusals[i];
        SCOPED_TRACE(std::string(r.atb2 ? "ATB2 " : "OPTAT ") + r.key);
        Fields f;
        f.atb2 = r.atb2;
        f.*r.field = r.text;
        if (i + 1 < std::size(refusals) && refusals[i + 1].atb2 == r.atb2 &&
            refusals[i + 1].field != r.field) {
            f.*refusals[i + 1].field = refusals[i + 1].text;
        }
        mask.recorder().lines.clear();
        fill(f);
        mask.click(IDC_DAMAGED_SEND);
        testing_support::ExpectRefused(mask, kTitle, r.key, r.focus, "TKT_ISSBSPDAMAGED_SECTION");
    }
}

TEST_F(DamagedTicket, RecallRestoresTheSavedTypeAndWithoutOneOrWithBothKeepsOptat) {
    struct Case {
        const char* what;
        const char* profile;
        const char* state;
        const char* numbers;      // SCN/ticket
        const char* counts = "";  // spoiled documents and check digit
    };
    // What Send saves for each type is in the scenario transcripts.
    const Case cases[] = {
        {"a sent OPTAT ticket",
         "OPTAT=1\nATB2=0\nNO_OF_SPOILED_DOC=1\nCHECK_DIGIT=3\nTICKET_NUMBER=2345678901\n",
         kOptatState, "/2345678901", "13"},
        {"no section", "", kOptatState, "/"},
        {"no type keys", "TICKET_NUMBER=1111111111\nSCN_NUMBER=2222222222222\n", kOptatState, "/"},
        {"neither ticked", "OPTAT=0\nATB2=2\nTICKET_NUMBER=1111111111\n", kOptatState, "/"},
        {"ATB2 only", "ATB2=1\nSCN_NUMBER=2222222222222\n", kAtb2State, "2222222222222/"},
        // A hand-edited profile with both ticked: the type is OPTAT and the ATB2 tick goes.
        {"both ticked", "OPTAT=1\nATB2=1\nTICKET_NUMBER=1111111111\n", kOptatState, "/1111111111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mask.home().write(
            "Quorvex.ini",
            std::string("[User]\nLANG=XX9\n[TKT_ISSBSPDAMAGED_SECTION]\n") + c.profile);
        fill(Fields{.atb2 = true, .spoiled = "5"});
        mask.click(IDC_DAMAGED_RECALL);
        EXPECT_EQ(typeState(), c.state);
        EXPECT_EQ(mask.form().text(IDC_DAMAGED_SCN) + "/" + mask.form().text(IDC_DAMAGED_TICKET),
                  c.numbers);
        EXPECT_EQ(mask.form().text(IDC_DAMAGED_SPOILED) + mask.form().text(IDC_DAMAGED_CHECK_DIGIT),
                  c.counts);
    }
    // After the recall of both ticks the entry has no ATB2 tail and the save agrees.
    mask.type(IDC_DAMAGED_SPOILED, "1");
    mask.type(IDC_DAMAGED_CHECK_DIGIT, "4");
    mask.click(IDC_DAMAGED_SEND);
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 2 ATCX/11111111114/1"});
    EXPECT_EQ(mask.home().section("TKT_ISSBSPDAMAGED_SECTION").substr(0, 15), "OPTAT=1 ATB2=0 ");
}

}  // namespace

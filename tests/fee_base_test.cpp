// The fee-base list read from host answers: which lines an answer adds, with the mark in
// front of a line taken off, and answers that add nothing, whatever they hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "platform/com/bstr.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::MaskHarness;

struct FeeBase {
    FeeBase() { mask.activate(); }
    void reply(const std::u16string& xml) {
        const com::Bstr text(xml);
        EXPECT_EQ(mask.mask().SetResponse(text.get()), S_OK);
    }
    std::vector<std::string> lines() {
        std::vector<std::string> texts;
        for (int i = 0; i < mask.form().itemCount(IDC_ISS_FEEBASE_LIST); ++i)
            texts.push_back(mask.form().itemText(IDC_ISS_FEEBASE_LIST, i));
        return texts;
    }
    MaskHarness mask{masks::CreateTicketingIssuance, ids::DIID__ITicketingIssuanceEvents,
                     IDD_TICKETINGISSUANCE};
};

std::u16string Lines(const std::u16string& flag, const std::u16string& body) {
    return u"<R><N_01PA>" + flag + u"</N_01PA>" + body + u"</R>";
}

TEST(FeeBase, AnAnswerAddsTheLinesAfterTheFlag) {
    struct Case {
        std::u16string reply;
        std::vector<std::string> lines;
    };
    const std::u16string bomb =
        u"<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;\">]>"
        u"<R><N_01PA>1</N_01PA><N_000T>&b;</N_000T></R>";
    const Case cases[] = {
        {Lines(u"1", u"<N_000T>5\u00A5A 1</N_000T><N_000T>B</N_000T>"), {"A 1", "B"}},
        // The mark alone, or not after a 5, stays; other characters arrive as their bytes.
        {Lines(u"1", u"<N_000T>\u00A5C</N_000T><N_000T>5\u00A5</N_000T><N_000T>\u00E9</N_000T>"),
         {"\xA5"
          "C",
          "", "\xC3\xA9"}},
        {Lines(u"0", u"<N_000T>A</N_000T>"), {}},
        {u"<R><N_000T>EARLY</N_000T><N_01PA>1</N_01PA><N_000T>LATE</N_000T></R>", {"LATE"}},
        {Lines(u"1", u"<N_000T></N_000T><X><N_000T>&amp;<Y/>Z</N_000T></X>"), {"&"}},
        {u"not xml at all", {}},
        {Lines(u"1", u"<N_000T>KEPT</N_000T><N_000T>broken"), {"KEPT"}},
        {bomb, {}},
        {u"<!DOCTYPE r SYSTEM \"file:///etc/passwd\"><R><N_01PA>1</N_01PA></R>", {}},
    };
    for (const Case& c : cases) {
        FeeBase f;
        f.reply(c.reply);
        EXPECT_EQ(f.lines(), c.lines) << testing::PrintToString(f.mask.recorder().lines);
    }
}

TEST(FeeBase, RepliesAddUpUntilTheListIsAskedForAgain) {
    FeeBase f;
    f.reply(Lines(u"1", u"<N_000T>A</N_000T>"));
    f.reply(Lines(u"1", u"<N_000T>B</N_000T>"));
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"A", "B"}));
    f.mask.click(IDC_ISS_FEEBASE_SHOW);
    EXPECT_EQ(f.mask.events(), std::vector<std::string>{"event 3 %%%A%N*FEEBASE"});
    EXPECT_TRUE(f.lines().empty());
}

// Beyond what a reply of the XML reader may hold, an answer is refused whole.
TEST(FeeBase, AnAnswerBeyondTheReadersLimitsLeavesTheListAsItWas) {
    std::u16string body;
    for (int i = 0; i < 100000; ++i)
        body += u"<N_000T>L</N_000T>";
    FeeBase f;
    f.reply(Lines(u"1", u"<N_000T>A</N_000T>"));
    f.reply(Lines(u"1", body));
    EXPECT_EQ(f.lines(), std::vector<std::string>{"A"});
}

}  // namespace

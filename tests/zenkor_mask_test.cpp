// The shared behaviour of every mask, seen through the manual void mask: the automation
// members, the lifecycle, the status line, the choosers and the events.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/class_ids.h"
#include "framework/shared_settings.h"
#include "masks/catalog.h"
#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "platform/zenkor/arch.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::MaskHarness;

class MaskTemplate : public ::testing::Test {
  protected:
    MaskHarness mask{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents,
                     IDD_ISSMANUALVOIDTKT};

    std::string lang() {
        com::Bstr value;
        EXPECT_EQ(mask.mask().get_Lang(value.out()), S_OK);
        return text::fromUtf16(value.view(), text::kUtf8);
    }
};

TEST_F(MaskTemplate, EveryMemberAnswersOkWhateverItIsGiven) {
    const std::u16string huge(100 * 1024, u'A');
    const std::u16string broken = {u'A', 0xD800, u'B', 0xDC00};
    const std::array<BSTR, 4> inputs = {nullptr, com::Bstr(u"").release(),
                                        com::Bstr(huge).release(), com::Bstr(broken).release()};
    auto all = [&] {
        for (BSTR in : inputs) {
            EXPECT_EQ(mask.mask().put_Lang(in), S_OK);
            EXPECT_EQ(mask.mask().SetResponse(in), S_OK);
            EXPECT_EQ(mask.mask().initField(in), S_OK);
            EXPECT_EQ(mask.mask().initParam(in), S_OK);
        }
        EXPECT_EQ(mask.mask().get_Lang(nullptr), S_OK);
    };
    all();  // before activation
    mask.activate();
    all();
    mask.mask().initField(com::Bstr(u"AIRLINE_CODE=125&TFR=1").get());
    EXPECT_EQ(mask.form().text(IDC_MANVOID_AIRLINE), "") << "initField changes no field";
    mask.deactivate();
    all();  // after the form is gone
    for (BSTR in : inputs)
        SysFreeString(in);
}

TEST_F(MaskTemplate, LanguageComesFromTheProfileAtActivationAndPutsAreLogged) {
    mask.mask().put_Lang(com::Bstr(u"FR1").get());
    EXPECT_EQ(lang(), "FR1");
    EXPECT_EQ(mask.recorder().lines.back(), "log diagnostic IssManualVoidTkt put_Lang 30 Lang FR1");
    mask.activate();
    EXPECT_EQ(lang(), "EN1") << "the profile's language (default EN1) wins at activation";
    const std::string label = mask.form().text(IDC_MANVOID_AIRLINE_LABEL);
    mask.mask().put_Lang(com::Bstr(u"XX9").get());
    EXPECT_EQ(lang(), "XX9");
    EXPECT_EQ(mask.form().text(IDC_MANVOID_AIRLINE_LABEL), label)
        << "a later put does not relabel the form";
}

// Filling through the choosers is shown by the recall scenario; here the cases it leaves out.
TEST_F(MaskTemplate, ChoosersWithoutAnAnswerOrOnDisabledFieldsChangeNothing) {
    // The lists are in ZenkorMain.ini of the directory that SYSTEM/Path names.
    mask.home().write("Quorvex.ini", "[SYSTEM]\nPath=settings\n");
    mask.home().write("settings/ZenkorMain.ini", "[ENCODER]\nENCODER_CURRENCY=GBP;EUR\n");
    framework::LoadSharedSettings();  // as the construction of the next mask would
    mask.activate();
    auto& toolkit = ui::headless::headlessToolkit();
    mask.type(IDC_MANVOID_CURRENCY, "USD");
    mask.form().setFocus(IDC_MANVOID_AIRLINE);
    mask.form().click(
        IDC_MANVOID_CURRENCY_LINK);  // nothing queued: the chooser closes with no result
    EXPECT_EQ(mask.form().text(IDC_MANVOID_CURRENCY), "USD");
    EXPECT_EQ(mask.form().focus(), IDC_MANVOID_CURRENCY)
        << "a chooser leaves the focus in its field";
    toolkit.queueDate(2009, 12, 31);
    mask.key(IDC_MANVOID_DATE_LINK, ui::Key::Space);
    EXPECT_EQ(mask.form().text(IDC_MANVOID_DATE), "31DEC");
    EXPECT_EQ(mask.form().focus(), IDC_MANVOID_DATE);

    mask.form().enable(IDC_MANVOID_DATE, false);
    toolkit.queueDate(2009, 3, 5);
    mask.form().click(IDC_MANVOID_DATE_LINK);
    EXPECT_EQ(mask.form().text(IDC_MANVOID_DATE), "31DEC");
    toolkit.clearQueuedAnswers();
    EXPECT_EQ(mask.recorder().lines,
              (std::vector<std::string>{"chooser encoder GBP;EUR", "chooser month 0"}));
}

// The host closes the form while a chooser over it is open (and may open it again at once):
// the form stays until the chooser has returned its answer, and only then goes.
TEST_F(MaskTemplate, AFormClosedUnderAChooserGoesOnlyWhenTheChooserHasReturned) {
    auto& toolkit = ui::headless::headlessToolkit();
    for (const bool reopened : {false, true}) {
        SCOPED_TRACE(reopened ? "opened again" : "closed");
        mask.activate();
        mask.recorder().onChooserMonth = [&] {
            mask.deactivate();
            if (reopened)
                mask.activate();
            EXPECT_NE(toolkit.findDialog(IDD_ISSMANUALVOIDTKT), nullptr)
                << "gone under the chooser";
        };
        toolkit.queueDate(2009, 3, 5);
        EXPECT_EQ(mask.form().doubleClick(IDC_MANVOID_DATE), "");
        mask.recorder().onChooserMonth = nullptr;
        const auto* form = toolkit.findDialog(IDD_ISSMANUALVOIDTKT);
        if (reopened) {
            ASSERT_NE(form, nullptr);
            EXPECT_TRUE(form->isWindowVisible());
            EXPECT_EQ(form->text(IDC_MANVOID_DATE), "05MAR");
        } else {
            EXPECT_EQ(form, nullptr);
        }
    }
}

// A check box call on an edit of the open form, as a mask with two IDs swapped would make it.
void checkAnEdit() {
    MaskHarness mask{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents,
                     IDD_ISSMANUALVOIDTKT};
    mask.activate();
    mask.form().setChecked(IDC_MANVOID_AIRLINE, true);
}

TEST(MaskHarnessFaults, ACallOnTheWrongKindOfControlFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(checkAnEdit(), "setChecked on edit control");
}

TEST_F(MaskTemplate, DestroyingOneMaskKeepsTheStringsOfAnother) {
    MaskHarness second{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents,
                       IDD_ISSMANUALVOIDTKT};
    mask.activate();
    second.activate();
    mask.release();
    std::array<char, 1024> buffer{};
    EXPECT_TRUE(LANG_getString("CAPTION_BUTTON_SEND", buffer.data(), 1024));
    second.release();
    EXPECT_FALSE(LANG_getString("CAPTION_BUTTON_SEND", buffer.data(), 1024))
        << "the last mask to go unloads the strings";
    MaskHarness never{masks::CreateIssManualVoidTkt, ids::DIID__IIssManualVoidTktEvents,
                      IDD_ISSMANUALVOIDTKT};
    never.release();  // a mask never activated unloads nothing
    EXPECT_TRUE(LANG_load("EN1"));
    EXPECT_TRUE(LANG_getString("CAPTION_BUTTON_SEND", buffer.data(), 1024));
    LANG_unload();
}

}  // namespace

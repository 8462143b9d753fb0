// The form machinery on a test mask (resources/test/test_forms.rc): a frame holding the form, a
// sub-dialog with its own buttons run modally over the disabled form, a choice rule under the
// restoring scope, two sections saved in one pass with keys made per grid row, and check rows
// made per grid row that show the sub-dialog holding a refused field.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "framework/checks.h"
#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "framework/sub_dialog.h"
#include "framework/zenkor_mask.h"
#include "platform/shell/open_address.h"
#include "resources/resource.h"
#include "resources/test/test_forms.h"
#include "tests/support/agent.h"
#include "tests/support/mask_harness.h"
#include "widgets/standard_choosers.h"

namespace {

using framework::Act;
using framework::Check;
using framework::Stored;
using framework::When;
using testing_support::Agent;
using testing_support::MaskHarness;
using ui::headless::headlessToolkit;
namespace check = framework::check;

// {7D1C55E2-3F0B-4C59-9A1E-6B2D8C4F1A01} and {...02}
constexpr IID kIid = {0x7D1C55E2, 0x3F0B, 0x4C59, {0x9A, 0x1E, 0x6B, 0x2D, 0x8C, 0x4F, 0x1A, 0x01}};
constexpr IID kEventsIid = {
    0x7D1C55E2, 0x3F0B, 0x4C59, {0x9A, 0x1E, 0x6B, 0x2D, 0x8C, 0x4F, 0x1A, 0x02}};

// The details' grid.
enum Column : std::size_t { kSegment, kCode };
constexpr std::array<std::array<ui::ControlId, 2>, 3> kRows = {{
    {IDC_TEST_ROW1_SEGMENT, IDC_TEST_ROW1_CODE},
    {IDC_TEST_ROW2_SEGMENT, IDC_TEST_ROW2_CODE},
    {IDC_TEST_ROW3_SEGMENT, IDC_TEST_ROW3_CODE},
}};

// Every code first, then the segments as SEG1, SEG3, SEG5; the codes' keys name no field.
const framework::FieldTable kDetailsFields = [] {
    framework::FieldTable table;
    table.addColumn(kRows, {Stored::EditText, kCode, "IDC_TEST_LIST"});
    table.addRows(kRows, {{Stored::EditText, kSegment, "SEG", 2, -1}});
    return table;
}();

const framework::SubDialogInfo kDetailsInfo = {
    .component = "CTestDetails",
    .helpSection = "CTestDetails",
    .profileSection = "TEST_DETAILS_SECTION",
    .form = {.form = IDD_TEST_DETAILS,
             .buttons = {.send = IDC_TEST_DETAILS_SEND,
                         .recall = IDC_TEST_DETAILS_RECALL,
                         .clear = IDC_TEST_DETAILS_CLEAR,
                         .cancel = IDC_TEST_DETAILS_CANCEL,
                         .help = IDC_TEST_DETAILS_HELP,
                         .back = IDC_TEST_DETAILS_BACK}},
};

// What each showing found as it prepared the details: their window's visibility, and whether
// the mask's form still took the agent's input.
std::vector<std::string> gPrepared;

class Details final : public framework::SubDialog {
  public:
    explicit Details(framework::FormOwner& owner) : SubDialog(owner, kDetailsInfo) {}
    void SaveProfile(framework::ProfilePass& pass) override { pass.save(form(), kDetailsFields); }
    void RestoreProfile(framework::ProfilePass& pass) override {
        pass.restore(form(), kDetailsFields);
    }

  private:
    void BeforeShow() override {
        const auto* maskForm = headlessToolkit().findDialog(IDD_TEST_MASK);
        gPrepared.push_back(std::string(form().isWindowVisible() ? "visible" : "hidden") + " " +
                            (maskForm->isWindowEnabled() ? "form live" : "form disabled"));
    }
    void SetupForm() override {
        for (const auto& row : kRows) {
            controls().setupEdit(row[kSegment], "TOOLTIP_TEST_SEGMENT", 5);
            controls().setupEdit(row[kCode], "TOOLTIP_TEST_CODE", 3);
        }
    }
};

// The kind rule: a kind enables the note, each with its own limit and tooltip; every change
// empties the note; the note's link is mandatory for kind 1.
constexpr framework::Effect kKindEffects[] = {
    {IDC_TEST_NOTE, Act::EnabledIf, When(1, 2)},
    {IDC_TEST_NOTE, Act::Empty},
    {IDC_TEST_NOTE, Act::Limit, When(1), 5},
    {IDC_TEST_NOTE, Act::Limit, When(2), 9},
    {IDC_TEST_NOTE, Act::Tooltip, When(1), 0, "TOOLTIP_TEST_NOTE_SHORT"},
    {IDC_TEST_NOTE, Act::Tooltip, When(2), 0, "TOOLTIP_TEST_NOTE_LONG"},
    {IDC_TEST_NOTE_LINK, Act::MandatoryIf, When(1)},
};
constexpr ui::ControlId kKindList[] = {IDC_TEST_KIND};
constexpr framework::ChoiceRule kRules[] = {
    {{framework::ChoiceSource::Kind::List, kKindList}, kKindEffects}};

constexpr framework::ListEntry kKinds[] = {{0, ""}, {1, "DATA_TEST_SHORT"}, {2, "DATA_TEST_LONG"}};

constexpr framework::PersistedField kMaskFields[] = {
    {Stored::EditText, IDC_TEST_NAME, "NAME"},
    {Stored::EditText, IDC_TEST_NOTE, "NOTE"},
    {Stored::ListChoice, IDC_TEST_KIND, "KIND"},
};

// For every row of the details: a code needs its segment, which is numeric.
constexpr Check kRowChecks[] = {
    check::Mandatory(kSegment, "ERR_SEGMENT").ifFilled(kCode).in(1),
    check::Numeric(kSegment, "ERR_SEGMENT_NUM").ifFilled(kSegment).in(1),
};
const std::vector<Check> kChecks = [] {
    std::vector<Check> checks = {check::Mandatory(IDC_TEST_NAME, "ERR_NAME")};
    const std::vector<Check> rows = framework::ForEachRow(kRows, kRowChecks);
    checks.insert(checks.end(), rows.begin(), rows.end());
    return checks;
}();

class TestMask final : public framework::ZenkorMaskT<TestMask> {
  public:
    static const framework::MaskInfo kInfo;

    TestMask() : ZenkorMaskT(widgets::standardChoosers()) { AddSubDialog(details_); }

  private:
    void SetupForm() override {
        controls().setupLabel(IDC_TEST_NAME_LABEL, "LAB_TEST_NAME", "TOOLTIP_TEST_NAME", true);
        controls().setupEdit(IDC_TEST_NAME, "TOOLTIP_TEST_NAME", 10);
        controls().setupLink(IDC_TEST_NOTE_LINK, IDC_TEST_NOTE, "LAB_TEST_NOTE",
                             "TOOLTIP_TEST_NOTE", false, {});
        controls().setupEdit(IDC_TEST_NOTE, "TOOLTIP_TEST_NOTE", 9);
        framework::PopulateList(form(), IDC_TEST_KIND, kKinds, log(), "TestMask", "Populate");
    }
    void AfterActivation() override {
        form().select(IDC_TEST_KIND, 0);
        ApplyChoiceRules();
    }
    bool RunChecks() override { return framework::RunChecks(checkForms(), kInfo.title, kChecks); }
    // Tells a Send run while the form still waits for a sub-dialog.
    std::string BuildEntry() override {
        return "TEST/" + form().text(IDC_TEST_NAME) + (form().isWindowEnabled() ? "" : "/WAITING");
    }
    void SaveProfile(framework::ProfilePass& pass) override { pass.save(form(), kMaskFields); }
    void RestoreProfile(framework::ProfilePass& pass) override {
        pass.restore(form(), kMaskFields);
        ApplyChoiceRules();
    }
    void OnFormCommand(ui::ControlId id, ui::Notify code) override {
        if (id == IDC_TEST_OPEN_DETAILS && code == ui::Notify::Clicked)
            ShowSubDialog(details_);
    }

    Details details_{subDialogOwner()};
};

const framework::MaskInfo TestMask::kInfo = {
    .component = "TestMask",
    .helpSection = "CTestMask",
    .title = "Test",
    .form = {.form = IDD_TEST_MASK,
             .buttons = {.send = IDC_TEST_SEND,
                         .recall = IDC_TEST_RECALL,
                         .clear = IDC_TEST_CLEAR,
                         .cancel = IDC_TEST_CANCEL,
                         .help = IDC_TEST_HELP},
             .rules = kRules},
    .frame = IDD_TEST_FRAME,
    .profileSection = "TEST_MASK_SECTION",
    .iid = &kIid,
    .eventsIid = &kEventsIid,
};

class FormMachinery : public ::testing::Test {
  protected:
    FormMachinery() {
        mask.home().write("Quorvex.ini", "[User]\nLANG=XX9\n");
        mask.activate();
    }

    static ui::headless::HeadlessDialog& details() {
        return *headlessToolkit().findDialog(IDD_TEST_DETAILS);
    }
    void clickInDetails(ui::ControlId id) {
        agent.then([id] { EXPECT_EQ(details().click(id), ""); });
    }
    // What the agent sees: "details" when the sub-dialog shows, and whether the form is live.
    std::string seen() {
        return std::string(details().isWindowVisible() ? "details " : "") +
               (mask.form().isWindowEnabled() ? "form live" : "form disabled");
    }
    std::string section(const char* name) { return mask.home().section(name); }

    MaskHarness mask{TestMask::Create, kEventsIid, IDD_TEST_MASK};
    Agent agent;
};

TEST_F(FormMachinery, TheFrameHoldsTheFormWhichHoldsItsHiddenSubDialog) {
    auto* frame = headlessToolkit().findDialog(IDD_TEST_FRAME);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isWindowVisible());
    EXPECT_EQ(mask.form().owner(), frame);
    EXPECT_EQ(details().owner(), &mask.form());
    EXPECT_EQ(seen(), "form live");
    EXPECT_EQ(details().text(IDC_TEST_DETAILS_BACK), "Back") << "captions of its own buttons";
    // Without strings labels and lists show their keys, and each entry missing is logged.
    EXPECT_EQ(mask.form().text(IDC_TEST_NAME_LABEL), "LAB_TEST_NAME");
    EXPECT_EQ(mask.form().text(IDC_TEST_NOTE_LINK), "LAB_TEST_NOTE");
    EXPECT_EQ(mask.form().itemText(IDC_TEST_KIND, 1), "DATA_TEST_SHORT");
    EXPECT_EQ(
        mask.recorder().lines,
        (std::vector<std::string>{
            "log error TestMask Populate 501 Not able to load resource string DATA_TEST_SHORT",
            "log error TestMask Populate 501 Not able to load resource string DATA_TEST_LONG"}));
    // One unit for every font height: the link has the form's 8 points, as logical units, and
    // is underlined.
    for (const auto& c : mask.form().controls()) {
        if (c.id == IDC_TEST_NOTE_LINK || c.id == IDC_TEST_NAME_LABEL) {
            ASSERT_TRUE(c.font.has_value());
            EXPECT_EQ(c.font->height, c.id == IDC_TEST_NOTE_LINK ? -11 : 14) << c.font->face;
            EXPECT_EQ(c.font->underline, c.id == IDC_TEST_NOTE_LINK);
        }
    }
    mask.deactivate();
    for (int id : {IDD_TEST_FRAME, IDD_TEST_MASK, IDD_TEST_DETAILS})
        EXPECT_EQ(headlessToolkit().findDialog(id), nullptr) << id;
}

TEST_F(FormMachinery, TheSubDialogRunsOverTheDisabledFormUntilItIsDismissed) {
    struct Case {
        const char* what;
        std::vector<ui::ControlId> clicks;  // in the sub-dialog
        std::vector<std::string> events;
        std::vector<std::string> posted;
    };
    const Case cases[] = {
        {"back", {IDC_TEST_DETAILS_BACK}, {}, {"posted 3075"}},
        {"send, run once after the loop",
         {IDC_TEST_DETAILS_SEND},
         {"event 2 TEST/NAME"},
         {"posted 3076"}},
        {"recall goes on",
         {IDC_TEST_DETAILS_RECALL, IDC_TEST_DETAILS_BACK},
         {},
         {"posted 3077", "posted 3075"}},
        {"clear and help stay inside", {IDC_TEST_DETAILS_CLEAR, IDC_TEST_DETAILS_HELP}, {}, {}},
        {"cancel", {IDC_TEST_DETAILS_CANCEL}, {"event 1"}, {"posted 3079"}},
    };
    mask.type(IDC_TEST_NAME, "name");
    mask.home().write("ZenkorMain.ini", "[CTestDetails]\nHELP_EN_URL=http://details\n");
    std::vector<std::string> opened;
    shell::setOpener([&](std::string_view a) { opened.emplace_back(a); });
    gPrepared.clear();  // other tests showed the details too
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mask.events().clear();
        std::vector<std::string> seenInLoop;
        agent.then([&] { seenInLoop.push_back(seen()); });
        for (ui::ControlId id : c.clicks) {
            clickInDetails(id);
            agent.then([&] { seenInLoop.push_back(seen()); });
        }
        mask.recorder().lines.clear();
        mask.click(IDC_TEST_OPEN_DETAILS);
        // A dismissing click ends the loop: the probe after it never runs.
        const bool dismissed = c.clicks.back() != IDC_TEST_DETAILS_HELP;
        EXPECT_EQ(std::exchange(agent.actions, {}).size(), dismissed ? 1u : 0u);
        EXPECT_EQ(seenInLoop.size(), c.clicks.size() + (dismissed ? 0 : 1));
        for (const std::string& s : seenInLoop)
            EXPECT_EQ(s, "details form disabled");
        EXPECT_EQ(seen(), "form live");
        EXPECT_EQ(mask.events(), c.events);
        std::vector<std::string> posted = mask.recorder().lines;
        std::erase_if(posted, [](const std::string& line) { return !line.starts_with("posted"); });
        EXPECT_EQ(posted, c.posted);
    }
    shell::setOpener({});
    EXPECT_EQ(opened, std::vector<std::string>{"http://details"}) << "its own help section";
    EXPECT_EQ(gPrepared, std::vector<std::string>(std::size(cases), "hidden form live"))
        << "each showing prepares the sub-dialog before the agent sees it";
}

TEST_F(FormMachinery, RecallFromTheSubDialogRestoresBothFormsWhileItStaysOpen) {
    mask.home().write("Quorvex.ini",
                      "[User]\nLANG=XX9\n[TEST_MASK_SECTION]\nNAME=SAVED\n"
                      "[TEST_DETAILS_SECTION]\nIDC_TEST_LIST2=B2\nSEG3=7\n");
    std::string inLoop;
    clickInDetails(IDC_TEST_DETAILS_RECALL);
    agent.then([&] {
        inLoop = seen() + " " + mask.form().text(IDC_TEST_NAME) + " " +
                 details().text(IDC_TEST_ROW2_SEGMENT) + details().text(IDC_TEST_ROW2_CODE);
    });
    clickInDetails(IDC_TEST_DETAILS_BACK);
    mask.click(IDC_TEST_OPEN_DETAILS);
    EXPECT_EQ(inLoop, "details form disabled SAVED 7B2");
}

TEST_F(FormMachinery, AHostThatClosesTheMaskDuringTheLoopEndsItAndTheFormsGoAfterwards) {
    mask.deactivateOnEvent();
    clickInDetails(IDC_TEST_DETAILS_CANCEL);
    clickInDetails(IDC_TEST_DETAILS_BACK);  // never reached: the loop has ended
    auto& form = mask.form();
    EXPECT_EQ(form.click(IDC_TEST_OPEN_DETAILS), "");
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 1"});
    for (int id : {IDD_TEST_FRAME, IDD_TEST_MASK, IDD_TEST_DETAILS})
        EXPECT_EQ(headlessToolkit().findDialog(id), nullptr) << id;
}

TEST_F(FormMachinery, ARefusedFieldOfTheSubDialogIsShownThereAndItsSendRunsOnce) {
    mask.type(IDC_TEST_NAME, "name");
    details().setText(IDC_TEST_ROW1_SEGMENT, "1");
    details().setText(IDC_TEST_ROW2_CODE, "B2");  // row 2 has no segment
    std::string inLoop;
    agent.then(
        [&] { inLoop = seen() + " focus " + std::to_string(details().focus().value_or(0)); });
    agent.then([] { EXPECT_EQ(details().typeText(IDC_TEST_ROW2_SEGMENT, "X"), ""); });
    clickInDetails(IDC_TEST_DETAILS_SEND);  // refused again: the sub-dialog shows again
    agent.then([] { EXPECT_EQ(details().typeText(IDC_TEST_ROW2_SEGMENT, "2"), ""); });
    clickInDetails(IDC_TEST_DETAILS_SEND);
    mask.recorder().lines.clear();
    mask.click(IDC_TEST_SEND);
    EXPECT_EQ(inLoop, "details form disabled focus " + std::to_string(IDC_TEST_ROW2_SEGMENT));
    EXPECT_EQ(mask.recorder().lines,
              (std::vector<std::string>{
                  "msgbox [Test] ERR_SEGMENT", "posted 3076", "msgbox [Test] ERR_SEGMENT_NUM",
                  "posted 3076", "log diagnostic TestMask OnSend 0 Host Command TEST/NAME"}));
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 2 TEST/NAME"});
    EXPECT_EQ(seen(), "form live");
}

// The values are taken before the event: a host that closes the mask on Send finds them saved.
TEST_F(FormMachinery, OneSendSavesBothSectionsByTheirTablesThoughTheHostClosesTheMask) {
    mask.type(IDC_TEST_NAME, "name");
    const std::pair<ui::ControlId, const char*> typed[] = {
        {IDC_TEST_ROW1_SEGMENT, "1"}, {IDC_TEST_ROW1_CODE, "A1"},   {IDC_TEST_ROW2_SEGMENT, "2"},
        {IDC_TEST_ROW2_CODE, "B2"},   {IDC_TEST_ROW3_SEGMENT, "3"}, {IDC_TEST_ROW3_CODE, "C3"},
    };
    for (const auto& [id, text] : typed)
        details().setText(id, text);
    auto& form = mask.form();
    mask.deactivateOnEvent();
    EXPECT_EQ(form.click(IDC_TEST_SEND), "");
    EXPECT_EQ(mask.events(), std::vector<std::string>{"event 2 TEST/NAME"});
    EXPECT_EQ(headlessToolkit().findDialog(IDD_TEST_MASK), nullptr);
    EXPECT_EQ(section("TEST_MASK_SECTION"), "NAME=NAME NOTE= KIND=0");
    EXPECT_EQ(section("TEST_DETAILS_SECTION"),
              "IDC_TEST_LIST1=A1 IDC_TEST_LIST2=B2 IDC_TEST_LIST3=C3 SEG1=1 SEG3=2 SEG5=3");
}

TEST_F(FormMachinery, TheKindRuleRestylesTheNoteARecallKeepsItAndTheStatusLineShowsTooltips) {
    auto note = [&] {
        ui::headless::HeadlessDialog& f = mask.form();
        const auto link = f.proc().onCtlColor(IDC_TEST_NOTE_LINK);
        char colour[16];
        std::snprintf(colour, sizeof colour, "0x%06X", link && link->text ? *link->text : 0u);
        return std::string(f.isEnabled(IDC_TEST_NOTE) ? "on " : "off ") + "'" +
               f.text(IDC_TEST_NOTE) + "' " + colour;
    };
    EXPECT_EQ(note(), "off '' 0xFF0000");
    EXPECT_FALSE(mask.form().isVisible(IDC_STATUS_LINE));
    ASSERT_EQ(mask.form().selectCode(IDC_TEST_KIND, 1), "");
    mask.type(IDC_TEST_NOTE, "abcdefgh");
    EXPECT_EQ(note(), "on 'ABCDE' 0x0000FF");
    EXPECT_TRUE(mask.form().isVisible(IDC_STATUS_LINE));
    EXPECT_EQ(mask.form().text(IDC_STATUS_LINE), "TOOLTIP_TEST_NOTE_SHORT");
    mask.type(IDC_TEST_NAME, "name");
    mask.click(IDC_TEST_SEND);

    ASSERT_EQ(mask.form().selectCode(IDC_TEST_KIND, 2), "");
    mask.type(IDC_TEST_NOTE, "abcdefghijk");
    EXPECT_EQ(note(), "on 'ABCDEFGHI' 0xFF0000") << "a change empties, then the new limit";
    EXPECT_EQ(mask.form().text(IDC_STATUS_LINE), "TOOLTIP_TEST_NOTE_LONG");
    mask.click(IDC_TEST_RECALL);
    EXPECT_EQ(note(), "on 'ABCDE' 0x0000FF") << "the rule run by Recall empties nothing";
    ASSERT_EQ(mask.form().selectCode(IDC_TEST_KIND, 0), "");
    EXPECT_EQ(note(), "off '' 0xFF0000");

    // The status line hides for no text and shows an empty one.
    mask.form().sendSetText(std::nullopt);
    EXPECT_FALSE(mask.form().isVisible(IDC_STATUS_LINE));
    mask.form().sendSetText("");
    EXPECT_TRUE(mask.form().isVisible(IDC_STATUS_LINE));
    EXPECT_EQ(mask.form().text(IDC_STATUS_LINE), "");
}

}  // namespace

// The log-ticket mask end to end: the market form code, the checks, the three entries, the
// profile by type, and the numbers the entries compute. The fields each ticket type opens are
// in the scenario transcripts.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/class_ids.h"
#include "masks/catalog.h"
#include "masks/stock/market_config.h"
#include "masks/stock/ticket_numbers.h"
#include "platform/file/file.h"
#include "resources/resource.h"
#include "tests/support/mask_harness.h"
#include "tests/support/mask_steps.h"

namespace {

using testing_support::MaskHarness;

constexpr const char* kConfig = "<config><ticketformcode>123</ticketformcode></config>";

// The form as the agent fills it; only the fields the type enables are typed.
struct Form {
    int type = IDC_LOGTKT_OPTAT;
    std::string lniata = "1A2B3C", firstCode = "123", firstNumber = "4567890", lastCode = "123",
                lastNumber = "4567899", scn = "12345678901234", documents = "50";
    bool split = false;
};

// A mask in a fresh home whose language has no strings, so that every message is its key.
std::unique_ptr<MaskHarness> StartMask(std::optional<std::string> config = kConfig,
                                       const std::string& installDir = "install") {
    auto mask = std::make_unique<MaskHarness>(masks::CreateIssLogTkt, ids::DIID__IIssLogTktEvents,
                                              IDD_ISSLOGTKT);
    mask->home().write("Quorvex.ini",
                       "[User]\nLANG=XX9\n[SYSTEM]\nInstallDir=" + installDir + "\n");
    if (config)
        mask->home().write("install/marketconfig.xml", *config);
    mask->activate();
    return mask;
}

// The typed fields of the form by their symbols.
constexpr std::pair<int, std::string Form::*> kFields[] = {
    {IDC_LOGTKT_LNIATA, &Form::lniata},          {IDC_LOGTKT_BEG_FORM_CODE, &Form::firstCode},
    {IDC_LOGTKT_BEG_NUMBER, &Form::firstNumber}, {IDC_LOGTKT_END_FORM_CODE, &Form::lastCode},
    {IDC_LOGTKT_END_NUMBER, &Form::lastNumber},  {IDC_LOGTKT_SCN, &Form::scn},
    {IDC_LOGTKT_NO_OF_DOC, &Form::documents},
};

void Fill(MaskHarness& mask, const Form& f) {
    mask.click(f.type);
    for (const auto& [id, field] : kFields) {
        if (mask.form().isEnabled(id))
            mask.type(id, f.*field);
    }
    if (f.split != mask.form().isChecked(IDC_LOGTKT_SPLIT) &&
        mask.form().isEnabled(IDC_LOGTKT_SPLIT)) {
        mask.click(IDC_LOGTKT_SPLIT);
    }
}

// With a later field wrong as well, the check of the first in order is the one shown.
TEST(LogTicketChecks, EveryCheckRefusesWithItsOwnKeyAndFocus) {
    struct Refusal {
        int type;
        int field;
        const char* text;
        const char* key;
        int focus = 0;  // 0: the typed field
        int later = 0;  // a field emptied too, whose check comes later
    };
    const Refusal refusals[] = {
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_LNIATA, " ", "ERR_LOG_TKT_LNIATA_MANDATORY", 0,
         IDC_LOGTKT_NO_OF_DOC},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_LNIATA, "1A2B3", "_ERR_LNIATA_FIXVALUE"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_LNIATA, "1A2B3-", "_ERR_LNIATA_INVALIDVALUE"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_FORM_CODE, "", "ERR_LOG_TKT_BEG_TKTNO_FORMCODE"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_FORM_CODE, "12", "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_MINLEN"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_FORM_CODE, "1A3", "ERR_LOG_TKT_BEG_TKTNO_FORMCODE_NUM"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_NUMBER, "\t", "ERR_LOG_TKT_BEG_TKTNO", 0,
         IDC_LOGTKT_NO_OF_DOC},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_BEG_NUMBER, "", "ERR_LOG_TKT_BEG_TKTNO", 0,
         IDC_LOGTKT_END_NUMBER},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_NUMBER, "456789", "ERR_LOG_TKT_BEG_TKTNO_MINLEN"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_BEG_NUMBER, "45678 0", "ERR_LOG_TKT_BEG_TKTNO_NUM"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_NO_OF_DOC, "", "ERR_LOG_TKT_NO_OF_DOC_MANDATORY"},
        {IDC_LOGTKT_OPTAT, IDC_LOGTKT_NO_OF_DOC, "5A", "ERR_LOG_TKT_NO_OF_DOC_NUM"},
        {IDC_LOGTKT_ATB2, IDC_LOGTKT_SCN, "", "ERR_BSP_DMGD_TKT_SCN_NO_MANDATORY", 0,
         IDC_LOGTKT_NO_OF_DOC},
        {IDC_LOGTKT_ATB2, IDC_LOGTKT_SCN, "1234567890123", "ERR_LOG_TKT_SCN_NO_MINLEN"},
        {IDC_LOGTKT_ATB2, IDC_LOGTKT_SCN, "1234567890123X", "ERR_BSP_DMGD_TKT_SCN_NO_NUM"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_FORM_CODE, "", "ERR_LOG_TKT_END_TKTNO_FORMCODE"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_FORM_CODE, "12", "ERR_LOG_TKT_END_TKTNO_FORMCODE_MINLEN"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_FORM_CODE, "12X", "ERR_LOG_TKT_END_TKTNO_FORMCODE_NUM"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_NUMBER, "", "ERR_LOG_TKT_END_TKTNO"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_NUMBER, "456789", "ERR_LOG_TKT_END_TKTNO_MINLEN"},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_NUMBER, "456789X", "ERR_LOG_TKT_END_TKTNO_NUM"},
        // Different form codes are refused even with the numbers in order.
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_FORM_CODE, "124", "ERR_LOG_TKT_BEG_END_TKTNO_FORMCODE_DIFF",
         IDC_LOGTKT_BEG_FORM_CODE},
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_NUMBER, "4567889", "ERR_LOG_TKT_BEG_MORE_END_TKTNO",
         IDC_LOGTKT_BEG_NUMBER},
        // Compared as text: a shorter last number of a higher value still sorts first.
        {IDC_LOGTKT_TAT, IDC_LOGTKT_END_NUMBER, "10000000", "ERR_LOG_TKT_BEG_MORE_END_TKTNO",
         IDC_LOGTKT_BEG_NUMBER},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.key + std::string(" from '") + r.text + "'");
        auto mask = StartMask();
        Form f;
        f.type = r.type;
        Fill(*mask, f);
        mask->form().setText(r.field, r.text);
        if (r.later != 0)
            mask->form().setText(r.later, "");
        mask->key(IDC_LOGTKT_LNIATA, ui::Key::Enter);
        testing_support::ExpectRefused(*mask, "Log Ticket", r.key, r.focus != 0 ? r.focus : r.field,
                                       "TKT_ISSLOG_SECTION");
    }
}

// The file is read once, at the first activation.
TEST(LogTicketMarketCode, ConfigurationFillsTheFormCodesAtStartAndAtClear) {
    struct Case {
        const char* what;
        std::optional<std::string> config;
        std::string installDir, code, shown;
    };
    const std::string kCantOpen = "msgbox [Error] Can't open file ";
    const std::string kConfigFile = file::separator() + std::string("marketconfig.xml [2]");
    const Case cases[] = {
        {"blanks removed, cut to 3", "<x>\n\t<ticketformcode> 1 2 3 4 </ticketformcode>", "install",
         "123", ""},
        {"carriage return kept", "<ticketformcode>\r12</ticketformcode>", "install", "\r12", ""},
        {"trailing separators", kConfig, "install\\\\", "123", ""},
        {"missing file", std::nullopt, "install", "", kCantOpen + "install" + kConfigFile},
        {"path is never a format", std::nullopt, "%s%n%d", "", kCantOpen + "%s%n%d" + kConfigFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto mask = StartMask(c.config, c.installDir);
        EXPECT_EQ(mask->recorder().lines,
                  c.shown.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.shown});
        EXPECT_EQ(mask->form().text(IDC_LOGTKT_BEG_FORM_CODE), c.code);
        EXPECT_EQ(mask->form().text(IDC_LOGTKT_END_FORM_CODE), c.code);
        mask->type(IDC_LOGTKT_BEG_FORM_CODE, "999");
        mask->click(IDC_LOGTKT_CLEAR);
        EXPECT_EQ(mask->form().text(IDC_LOGTKT_BEG_FORM_CODE), c.code) << "after Clear";
        mask->deactivate();
        mask->home().write("install/marketconfig.xml", "<ticketformcode>456</ticketformcode>");
        mask->activate();
        EXPECT_EQ(mask->form().text(IDC_LOGTKT_BEG_FORM_CODE), c.code) << "read at the first only";
    }
}

TEST(LogTicketMarketCode, ReaderKeepsAtMostThreeCharactersOrNone) {
    struct Case {
        std::string text;
        std::optional<std::string> code;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"<ticketformcode>", ""},
        {"<ticketformcode>7</ticketformcode><ticketformcode>8</ticketformcode>", "7"},
        {"</ticketformcode><ticketformcode>45</ticketformcode>", "45"},
        {"<ticket formcode>1</ticket formcode>", "1"},
        {std::string("<ticketformcode>1") + '\0' + '\x01' + '2' + '\x7f' + "3</ticketformcode>",
         "123"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(masks::MarketFormCode(c.text), c.code) << c.text;
    }
}

// Every field of each type lands in its place of the entry and under its key, the keys the
// type does not use are saved empty (split ticketing too, ticked under ATB2 before the type
// changed), and Recall after Clear brings every live field of the type sent back, each from its
// own key. The plain OPTAT and TAT entries are in the scenario transcripts; the last rows are
// the number edges.
TEST(LogTicketProfile, EachTypeSendsSavesAndRecallsItsFieldsUnderTheirKeys) {
    struct Case {
        const char* what;
        int type;
        bool split;
        const char* first;  // form code and number, 3 + 7 digits
        const char* last;   // set past the typing limit, as a profile may bring it back
        const char* entry;
        const char* section = nullptr;
    };
    const Case cases[] = {
        {"OPTAT", IDC_LOGTKT_OPTAT, true, "5554567890", nullptr, "DN1A2B3C/55545678904/50",
         "OPTAT=1 ATB2=0 TAT=0 LNIATA=1A2B3C BEG_TICKET_FORM_CODE=555 BEG_TICKET_NUMBER=4567890 "
         "NO_OF_DOC=50 SPLIT_TICKETING= SCN_NUMBER= END_TICKET_NUMBER= END_TICKET_FORM_CODE="},
        {"ATB2 split", IDC_LOGTKT_ATB2, true, "5554567890", nullptr, "DBR1A2B3C/12345678901234/50",
         "OPTAT=0 ATB2=1 TAT=0 LNIATA=1A2B3C SPLIT_TICKETING=1 SCN_NUMBER=12345678901234 "
         "NO_OF_DOC=50 BEG_TICKET_NUMBER= BEG_TICKET_FORM_CODE= END_TICKET_NUMBER= "
         "END_TICKET_FORM_CODE="},
        {"TAT", IDC_LOGTKT_TAT, true, "5554567890", nullptr, "DN1A2B3C/55545678904/10",
         "OPTAT=0 ATB2=0 TAT=1 LNIATA=1A2B3C BEG_TICKET_FORM_CODE=555 BEG_TICKET_NUMBER=4567890 "
         "END_TICKET_FORM_CODE=555 END_TICKET_NUMBER=4567899 SPLIT_TICKETING= SCN_NUMBER= "
         "NO_OF_DOC="},
        {"ATB2", IDC_LOGTKT_ATB2, false, "1234567890", nullptr, "DB1A2B3C/12345678901234/50"},
        {"leading zeros kept", IDC_LOGTKT_OPTAT, false, "1230000123", nullptr,
         "DN1A2B3C/12300001232/50"},
        {"TAT of one ticket", IDC_LOGTKT_TAT, false, "1234567890", "4567890",
         "DN1A2B3C/12345678903/1"},
        {"count wraps negative", IDC_LOGTKT_TAT, false, "0000000000", "2147483647",
         "DN1A2B3C/00000000000/-2147483648"},
        // Held at the largest 64-bit value.
        {"past 64 bits", IDC_LOGTKT_TAT, false, "0000000000", "99999999999999999999999",
         "DN1A2B3C/00000000000/0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto mask = StartMask();
        Form f;
        f.type = c.type;
        f.split = c.split;
        f.firstCode = f.lastCode = std::string(c.first, 3);
        f.firstNumber = std::string(c.first + 3);
        mask->click(IDC_LOGTKT_ATB2);
        mask->click(IDC_LOGTKT_SPLIT);
        Fill(*mask, f);
        if (c.last)
            mask->form().setText(IDC_LOGTKT_END_NUMBER, c.last);
        const auto fields = [&] {
            std::vector<std::string> texts;
            for (const auto& [id, field] : kFields)
                texts.push_back(mask->form().isEnabled(id) ? mask->form().text(id) : "-");
            const bool split = mask->form().isEnabled(IDC_LOGTKT_SPLIT);
            texts.push_back(split ? (mask->form().isChecked(IDC_LOGTKT_SPLIT) ? "split" : "")
                                  : "-");
            return texts;
        };
        const std::vector<std::string> sent = fields();
        mask->key(IDC_LOGTKT_LNIATA, ui::Key::Enter);
        EXPECT_EQ(mask->events(), std::vector<std::string>{std::string("event 2 ") + c.entry});
        if (c.section) {
            EXPECT_EQ(mask->home().section("TKT_ISSLOG_SECTION"), c.section);
        }
        mask->click(IDC_LOGTKT_CLEAR);
        mask->click(IDC_LOGTKT_RECALL);
        EXPECT_TRUE(mask->form().isChecked(c.type));
        EXPECT_EQ(fields(), sent);
    }
}

// Recall of a sent form is in the ATB2 transcript; these are the profiles it did not write.
TEST(LogTicketProfile, RecallWithoutOneTypeClearsAndWithSeveralKeepsTheFirst) {
    auto mask = StartMask();
    Form f;
    f.type = IDC_LOGTKT_ATB2;
    f.split = true;
    Fill(*mask, f);
    mask->home().write("Quorvex.ini",
                       "[User]\nLANG=XX9\n[SYSTEM]\nInstallDir=install\n"
                       "[TKT_ISSLOG_SECTION]\nOPTAT=0\nATB2=2\nLNIATA=ZZZZZZ\n");
    mask->click(IDC_LOGTKT_RECALL);
    EXPECT_TRUE(mask->form().isChecked(IDC_LOGTKT_OPTAT));
    EXPECT_FALSE(mask->form().isChecked(IDC_LOGTKT_SPLIT));
    EXPECT_EQ(mask->form().text(IDC_LOGTKT_LNIATA), "");
    EXPECT_EQ(mask->form().text(IDC_LOGTKT_BEG_FORM_CODE), "123") << "the market code comes back";
    EXPECT_EQ(mask->form().text(IDC_LOGTKT_SCN), "");

    mask->home().write("Quorvex.ini", "[TKT_ISSLOG_SECTION]\nATB2=1\nTAT=1\nLNIATA=QQQQQQ\n");
    mask->key(IDC_LOGTKT_LNIATA, ui::Key::AltUp);
    EXPECT_TRUE(mask->form().isChecked(IDC_LOGTKT_ATB2));
    EXPECT_FALSE(mask->form().isChecked(IDC_LOGTKT_TAT));
    EXPECT_TRUE(mask->form().isEnabled(IDC_LOGTKT_SCN));
    EXPECT_EQ(mask->form().text(IDC_LOGTKT_LNIATA), "QQQQQQ");
}

TEST(TicketNumbers, ValuesCheckDigitsAndCountsStayDefined) {
    struct Value {
        const char* text;
        std::int64_t value;
    };
    const Value values[] = {
        {"", 0},
        {" \t0001234567890", 1234567890},
        {"12 34", 12},
        {"-5", 0},
        {"9223372036854775807", INT64_MAX},
        {"99999999999999999999999999999999", INT64_MAX},
    };
    for (const Value& v : values)
        EXPECT_EQ(masks::TicketValue(v.text), v.value) << v.text;

    EXPECT_EQ(masks::CheckDigit("1234567890"), 3);
    EXPECT_EQ(masks::CheckDigit("9223372036854775807"), 0);  // 2^63 - 1 = 7 * 1317624576693539401

    struct Count {
        const char* first;
        const char* last;
        std::int32_t count;
    };
    const Count counts[] = {
        {"1234567890", "1234567890", 1},
        {"1234567890", "1234567889", 0},
        {"10", "5", -4},
        {"0", "4294967296", 1},
        {"9223372036854775807", "0", 2},
        {"0", "9223372036854775807", 0},
    };
    for (const Count& c : counts) {
        EXPECT_EQ(masks::TicketCount(c.first, c.last), c.count) << c.first << " .. " << c.last;
    }
}

}  // namespace

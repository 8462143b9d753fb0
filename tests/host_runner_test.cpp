// quorvex-host's commands as a person at the prompt meets them: what each mistake says, and
// what the new commands print. The prompt goes on after an error, so one table row may hold
// several mistakes.
#include "host/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/transcript.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

// The transcript and what the prompt showed.
std::pair<std::string, std::string> runAtPrompt(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream errors;
    std::string printed;
    host::Transcript transcript(
        [&printed](std::string_view line) { printed.append(line).append("\n"); });
    host::StreamInput input(in);
    host::ScriptReader reader(input, host::ReaderMode::Interactive, "-", errors);
    host::Runner runner(reader, transcript);
    runner.run();
    return {printed, errors.str()};
}

struct PromptCase {
    const char* script;
    const char* errors;                // what the prompt shows, line by line; "..." ends a prefix
    const char* transcript = nullptr;  // nullptr: not looked at
};

TEST(HostPrompt, EachMistakeSaysWhatIsWrongAndWhatIsValid) {
    const PromptCase cases[] = {
        {"create IssManualVoidTkt\ntype IDC_MANVOID_AIRLNE 125",
         "no control `IDC_MANVOID_AIRLNE` on IDD_ISSMANUALVOIDTKT (119); did you mean "
         "`IDC_MANVOID_AIRLINE`, `IDC_MANVOID_FARE` or `IDC_MANVOID_TICKET`?"},
        {"create IssManualVoidTkt\nclick 900\ndump 105:312",
         "no control 900 on IDD_ISSMANUALVOIDTKT (119) (`controls 119` lists them)\n"
         "IDD_SKY_FAREBASIS (105) is not open; the open dialogs are IDD_ISSMANUALVOIDTKT (119)"},
        // (the list of dialogs that may follow grows with the forms)
        {"draw IDD_ISSMANUALVOID",
         "no dialog `IDD_ISSMANUALVOID`; did you mean `IDD_ISSMANUALVOIDTKT`?..."},
        {"controls", "no mask: `create` one first, or name a dialog"},
        {"help frob\nhelp dum",
         "unknown command `frob` (`help` lists the commands)\n"
         "unknown command `dum`; did you mean `dump`?"},
        // Writes stay in the home, and a section or key no INI file can hold is refused.
        {"file ../x.txt a\nini /tmp/x.ini S K V",
         "`../x.txt` is outside the home HOME (give a path relative to it, without ..)\n"
         "`/tmp/x.ini` is outside the home HOME (give a path relative to it, without ..)"},
        {"ini Quorvex.ini \"a]b\" K V\nini Quorvex.ini S \"=\" V",
         "`a]b` is not a section name\n`=` is not a key name"},
        // Warnings: the run goes on and the transcript is as without them.
        {"create IssManualVoidTkt\ntype 848 12345\ntype 848 \"12\\n3\"",
         "warning: the text is cut to \"123\" at the limit of 3 of IDC_MANVOID_AIRLINE (848)\n"
         "warning: the text holds a line break: only its first line reaches IDC_MANVOID_AIRLINE "
         "(848)"},
        {"create IssManualVoidTkt\ntype IDC_STATUS_LINE x\n", "control 599 is not an edit"},
        // A hidden control is warned of and left alone; the run goes on.
        {"create IssManualVoidTkt\nclick IDC_STATUS_LINE\nexpect IDC_MANVOID_AIRLINE \"\"",
         "warning: IDC_STATUS_LINE (599) is hidden: `click` does nothing there"},
        {"pickdate 2023 2 29\npickdate 2024 2 29\npickdate 2024 13 1",
         "warning: 2023 2 29 is not a date of the calendar (YEAR MONTH DAY)\n"
         "warning: 2024 13 1 is not a date of the calendar (YEAR MONTH DAY)"},
        {"profile TKT_ISSMANUALVOID_SECTION\nprofile User\nprofile tkt_section",
         "warning: Quorvex.ini has no section `tkt_section`"},
        {"ini Quorvex.ini User LANG EN1\nprofile Usr",
         "warning: Quorvex.ini has no section `Usr`; did you mean `User`? The sections are User."},
        // `expect` compares the last line printed or a control's text.
        {"create IssManualVoidTkt\ntype IDC_MANVOID_AIRLINE 125\nexpect 848 125\n"
         "expect 119:IDC_MANVOID_AIRLINE 125\nfocus\nexpect \"focus 848\"",
         "", "focus 848\n"},
        {"create IssManualVoidTkt\nfocus\nexpect \"focus 849\"\nexpect 848 X\nexpect 1 2 ",
         "expected \"focus 849\", but the last line is \"focus none\"\n"
         "expected \"X\", but the text of IDC_MANVOID_AIRLINE (848) is \"\"\n"
         "no control 1 on IDD_ISSMANUALVOIDTKT (119) (`controls 119` lists them)",
         "focus none\n"},
        {"expect anything", "expected \"anything\", but nothing was printed", ""},
        // quit ends the run: nothing after it happens.
        {"quit\nfrobnicate", "", ""},
    };
    for (const PromptCase& c : cases) {
        TempHome home;
        auto [printed, errors] = runAtPrompt(c.script);
        for (std::size_t at; (at = errors.find(home.path().string())) != std::string::npos;)
            errors.replace(at, home.path().string().size(), "HOME");
        std::string expected = *c.errors ? std::string(c.errors) + "\n" : "";
        if (expected.ends_with("...\n")) {
            expected.resize(expected.size() - 4);
            errors.resize(std::min(errors.size(), expected.size()));
        }
        EXPECT_EQ(errors, expected) << c.script;
        if (c.transcript != nullptr) {
            EXPECT_EQ(printed, c.transcript) << c.script;
        }
    }
}

}  // namespace

// What quorvex-host writes for a reader: quoted texts, the picture of a form, the difference
// of two transcripts; and where the setup commands may write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "host/form_text.h"
#include "host/home_files.h"
#include "host/script.h"
#include "host/transcript_diff.h"
#include "platform/text/codepage.h"
#include "tests/support/mask_harness.h"

namespace {

TEST(Quoting, TextsReadBackAsTheScriptWroteThem) {
    const std::pair<std::string, std::string> cases[] = {
        {"", R"("")"},
        {R"(a "b" \c)", R"("a \"b\" \\c")"},
        {"1\n2\t3\x01\x7F", R"("1\n2\t3\u0001\u007F")"},
        {"\xC2\xA5", "\"\xC2\xA5\""},
    };
    for (const auto& [text, written] : cases) {
        EXPECT_EQ(host::quoted(text), written);
        const host::LineWords words = host::splitScriptLine("x " + written);
        ASSERT_EQ(words.words.size(), 2u) << written;
        EXPECT_EQ(::text::fromUtf16(words.words[1], ::text::kUtf8), text);
    }
}

host::ControlView control(int id, ui::ControlKind kind, std::string text, int x, int y, int w,
                          int h) {
    host::ControlView c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    std::tie(c.x, c.y, c.width, c.height) = std::tuple(x, y, w, h);
    return c;
}

TEST(FormDrawing, PlacesEveryControlAndPushesOverlapsRight) {
    using K = ui::ControlKind;
    host::FormView form;
    form.id = 7;
    form.width = 80;
    form.controls = {
        control(1, K::Static, "A label longer than its box", 0, 8, 20, 8),
        control(2, K::Edit, "AB", 24, 6, 24, 12),
        control(3, K::CheckBox, "", 52, 7, 10, 10),
        control(4, K::Button, "\xC3\x89t\xC3\xA9", 0, 40, 20, 14),
        control(5, K::Static, "gone", 0, 60, 20, 8),
        control(6, K::Radio, "R", 30, 40, 20, 10),
    };
    form.controls[2].checked = true;
    form.controls[4].visible = false;
    form.controls[5].enabled = false;
    // Rows 1 and 5: the gap of three rows shows as two. The accented button is five columns
    // wide, not seven bytes.
    const std::vector<std::string> expected = {
        "+- dialog 7 ----------------------------------+",
        "|1:A label longer than its box 2:[AB__] 3:[x] |",
        "|                                             |",
        "|                                             |",
        "|4:<\xC3\x89t\xC3\xA9> 6:( ) R                              |",
        "+---------------------------------------------+",
        "hidden: 5",
        "disabled: 6",
    };
    EXPECT_EQ(host::drawForm(form), expected);
}

TEST(TranscriptDiff, HunksShowWhatChangedWithContext) {
    using Lines = std::vector<std::string>;
    const Lines base = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    Lines changed = base;
    changed[1] = "B";
    changed.erase(changed.begin() + 9);
    EXPECT_TRUE(host::unifiedDiff(base, base, "x", "y").empty());
    EXPECT_EQ(host::unifiedDiff(base, changed, "want", "got"),
              (Lines{"--- want", "+++ got", "@@ -1,5 +1,5 @@", " a", "-b", "+B", " c", " d", " e",
                     "@@ -7,5 +7,4 @@", " g", " h", " i", "-j", " k"}));
    EXPECT_EQ(host::unifiedDiff({}, {"new"}, "want", "got"),
              (Lines{"--- want", "+++ got", "@@ -0,0 +1,1 @@", "+new"}));
    EXPECT_EQ(host::splitLines("one\ntwo\n"), (Lines{"one", "two"}));
    EXPECT_EQ(host::splitLines("one\n\nthree"), (Lines{"one", "", "three"}));
}

TEST(HomeFiles, WritesStayInsideAUsableHome) {
    testing_support::TempHome home;
    const std::string root = home.path().string();
    const std::pair<const char*, bool> cases[] = {
        {"Quorvex.ini", true},
        {"install/marketconfig.xml", true},
        {"install\\marketconfig.xml", true},
        {"a/../b.txt", true},
        {"../b.txt", false},
        {"a/../../b.txt", false},
        {"..\\b.txt", false},
        {"/etc/passwd", false},
        {"", false},
        {".", false},
    };
    for (const auto& [path, inside] : cases) {
        std::string why;
        EXPECT_EQ(!host::pathInHome(path, why).empty(), inside) << path;
        EXPECT_EQ(why.empty(), inside) << path;
    }
    std::string why;
    EXPECT_EQ(host::pathInHome(root + "/x.txt", why), (home.path() / "x.txt").string())
        << "an absolute path inside the home, in the system's form";

    EXPECT_EQ(host::writeHomeFile("install/marketconfig.xml", "<config/>"), "");
    EXPECT_EQ(home.read("install/marketconfig.xml"), "<config/>");
    EXPECT_EQ(host::writeIniValue("Quorvex.ini", "User", "LANG", "DE1"), "");
    EXPECT_NE(home.read("Quorvex.ini").find("LANG=DE1"), std::string::npos);
    // The settings file goes beside SYSTEM/Path, which may not lead out of the home.
    EXPECT_EQ(host::writeIniValue("Quorvex.ini", "SYSTEM", "Path", "zenkor"), "");
    EXPECT_EQ(host::writeIniValue("ZenkorMain.ini", "ENCODER", "ENCODER_CURRENCY", "GBP"), "");
    EXPECT_NE(home.read("zenkor/ZenkorMain.ini").find("ENCODER_CURRENCY=GBP"), std::string::npos);
    EXPECT_EQ(host::writeIniValue("Quorvex.ini", "SYSTEM", "Path", ".."), "");
    EXPECT_NE(host::writeIniValue("ZenkorMain.ini", "ENCODER", "ENCODER_CURRENCY", "EUR"), "");

    // A home that is not a directory, or cannot be made, is told.
    home.write("file", "x");
    EXPECT_EQ(host::homeProblem(root), "");
    EXPECT_EQ(host::homeProblem(root + "/new/home"), "");  // made when missing
    EXPECT_TRUE(std::filesystem::is_directory(root + "/new/home"));
    EXPECT_NE(host::homeProblem(root + "/file").find("is not a directory"), std::string::npos);
    EXPECT_NE(host::homeProblem(root + "/file/under").find("cannot make the home"),
              std::string::npos);
}

TEST(HomeFiles, AFreshHomeIsEmptyAndGoesAway) {
    std::string path;
    {
        host::FreshHome fresh;
        path = fresh.path();
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(std::filesystem::is_empty(path));
        std::ofstream(path + "/left.txt") << "x";
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>

#include "platform/file/file.h"
#include "platform/zenkor/arch.h"
#include "tests/support/mask_harness.h"
#include "tests/support/processes.h"

namespace {

using testing_support::TempHome;

constexpr const char* kQueue = "QUORVEX";

struct Popped {
    int count;
    std::string text;
};
Popped pop(const char* key, int size = 1024, const char* queue = kQueue) {
    std::array<char, 1024> buffer;
    buffer.fill('#');
    int count = Q_popString(key, "", buffer.data(), size, queue, 60000);
    return {count, std::string(buffer.data())};
}

TEST(QueueTest, ValuesComeOutOncePerKeyInTheOrderTheyWentIn) {
    TempHome home;
    EXPECT_EQ(pop("ID_TICKETING_ISSUANCE").text, "");  // no queue file yet
    ASSERT_TRUE(Q_pushString(kQueue, "ID_TICKETING_ISSUANCE", "TFR=1"));
    ASSERT_TRUE(Q_pushString(kQueue, "ID_TICKETING_VANTREL", "TFR=V"));
    ASSERT_TRUE(Q_pushString(kQueue, "ID_TICKETING_ISSUANCE", "TFR=2"));
    ASSERT_TRUE(Q_pushString("OTHERQ", "ID_TICKETING_ISSUANCE", "elsewhere"));
    const struct {
        const char* key;
        const char* expected;
    } pops[] = {
        {"ID_TICKETING_ISSUANCE", "TFR=1"}, {"ID_TICKETING_ISSUANCE", "TFR=2"},
        {"ID_TICKETING_ISSUANCE", ""},      {"id_ticketing_vantrel", ""},  // keys keep case
        {"ID_TICKETING_VANTREL", "TFR=V"},  {"ID_TICKETING_VANTREL", ""},
    };
    for (const auto& p : pops) {
        Popped got = pop(p.key);
        EXPECT_EQ(got.text, p.expected) << p.key;
        EXPECT_EQ(got.count, static_cast<int>(std::string(p.expected).size())) << p.key;
    }
    EXPECT_EQ(pop("ID_TICKETING_ISSUANCE", 1024, "OTHERQ").text, "elsewhere");
}

TEST(QueueTest, AnyByteButNulAndLineBreaksTravelsAndLongValuesAreCut) {
    TempHome home;
    for (const std::string value : {"a\tb", "  blanks  ", "\xA5\xE9\xFF", "=;[]#\\", ""}) {
        ASSERT_TRUE(Q_pushString(kQueue, "KEY", value.c_str())) << value;
        EXPECT_EQ(pop("KEY").text, value);
    }
    EXPECT_FALSE(Q_pushString(kQueue, "KEY", "two\nlines"));
    EXPECT_FALSE(Q_pushString(kQueue, "KEY", "cr\r"));

    const std::string value(2000, 'v');
    ASSERT_TRUE(Q_pushString(kQueue, "KEY", value.c_str()));
    ASSERT_TRUE(Q_pushString(kQueue, "KEY", "next"));
    Popped got = pop("KEY");
    EXPECT_EQ(got.count, 1023);
    EXPECT_EQ(got.text, value.substr(0, 1023));
    EXPECT_EQ(pop("KEY", 3).text, "ne");  // taken whole, though cut
    EXPECT_EQ(pop("KEY").text, "");
    char untouched = 'x';
    EXPECT_EQ(Q_popString("KEY", "", &untouched, 0, kQueue, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

TEST(QueueTest, BadNamesAndKeysAreRefused) {
    TempHome home;
    const struct {
        const char* queue;
        const char* key;
    } cases[] = {
        {"../escape", "KEY"}, {"a/b", "KEY"},     {"a b", "KEY"},
        {"", "KEY"},          {".hidden", "KEY"}, {nullptr, "KEY"},
        {kQueue, ""},         {kQueue, "K\tEY"},  {kQueue, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Q_pushString(c.queue, c.key, "v"))
            << (c.queue ? c.queue : "(null)") << " / " << (c.key ? c.key : "(null)");
        EXPECT_EQ(pop(c.key, 1024, c.queue).count, 0);
    }
    EXPECT_FALSE(Q_pushString(kQueue, "KEY", nullptr));
    EXPECT_FALSE(std::filesystem::exists(home.path().parent_path() / "escape.queue"));

    // Names are plain and at most 64 characters long.
    const std::string longest(64, 'Q');
    EXPECT_FALSE(Q_pushString((longest + "Q").c_str(), "KEY", "v"));
    ASSERT_TRUE(Q_pushString(longest.c_str(), "KEY", "v"));
    EXPECT_EQ(pop("KEY", 1024, longest.c_str()).text, "v");

    home.write("plain", "");
    file::setHomeDirectory((home.path() / "plain" / "home").string());
    EXPECT_FALSE(Q_pushString(kQueue, "KEY", "v")) << "a home that cannot be made";
}

TEST(QueueTest, DamagedQueueFilesAreReadAsFarAsTheyGo) {
    TempHome home;
    home.write("QUORVEX.queue",
               std::string("junk without tab\n\0\0\n", 20) + "KEY\tfirst\r\nKEY\tcut");
    EXPECT_EQ(pop("KEY").text, "first");
    ASSERT_TRUE(Q_pushString(kQueue, "KEY", "after"));  // the unfinished last line is ended
    EXPECT_EQ(pop("KEY").text, "cut");
    EXPECT_EQ(pop("KEY").text, "after");
}

#ifndef _WIN32  // other processes come from fork()
// A push cut short (a full disk) is taken back: no later pop takes part of it for a value.
TEST(QueueTest, APushCutShortLeavesNothingBehind) {
    TempHome home;
    ASSERT_TRUE(Q_pushString(kQueue, "KEY", "whole"));
    const auto queue = home.path() / "QUORVEX.queue";
    const auto size = std::filesystem::file_size(queue);
    const std::string value(9000, 'v');
    EXPECT_TRUE(testing_support::WithFileSizeLimit(
        size + 4096, [&] { return Q_pushString(kQueue, "KEY", value.c_str()) ? 1 : 0; }));
    EXPECT_EQ(std::filesystem::file_size(queue), size);
    EXPECT_EQ(pop("KEY").text, "whole");
    EXPECT_EQ(pop("KEY").text, "");
}

TEST(QueueTest, ProcessesShareTheQueueWithoutLosingOrRepeatingValues) {
    TempHome home;
    constexpr int kPerProcess = 100;
    testing_support::Children pushers(2, [](int process) {
        for (int i = 0; i < kPerProcess; ++i) {
            const std::string value = std::to_string(process) + "-" + std::to_string(i);
            if (!Q_pushString(kQueue, "KEY", value.c_str()))
                return 1;
        }
        return 0;
    });
    ASSERT_TRUE(pushers.succeeded());

    std::multiset<std::string> popped, expected;
    for (Popped p = pop("KEY"); p.count > 0; p = pop("KEY"))
        popped.insert(p.text);
    for (int i = 0; i < 2 * kPerProcess; ++i)
        expected.insert(std::to_string(i % 2) + "-" + std::to_string(i / 2));
    EXPECT_EQ(popped, expected);
}
#endif

}  // namespace

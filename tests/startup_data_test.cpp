#include "framework/startup_data.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/zenkor/arch.h"
#include "tests/support/mask_harness.h"

namespace {

class StartupDataTest : public ::testing::Test {
  protected:
    testing_support::TempHome home;
};

TEST_F(StartupDataTest, AnswersTheFieldOfTheMasksData) {
    const struct {
        const char* data;  // nullptr: nothing queued
        const char* field;
        std::optional<std::string> expected;
    } cases[] = {
        // How the field is found is the query string's (its tests have the edge cases).
        {"TFR=12&X=1", "TFR", "12"},
        {"TFR=&X=1", "TFR", ""},
        {"X=1", "TFR", std::nullopt},
        {nullptr, "TFR", std::nullopt},
    };
    for (const auto& c : cases) {
        if (c.data != nullptr) {
            ASSERT_TRUE(Q_pushString("QUORVEX", "ID_TICKETING_ISSUANCE", c.data));
        }
        std::optional<std::string> got =
            framework::ReadStartupField("ID_TICKETING_ISSUANCE", c.field);
        EXPECT_EQ(got, c.expected) << "data [" << (c.data ? c.data : "(none)") << "]";
    }
}

TEST_F(StartupDataTest, DataIsTakenOnceAndOnlyByItsKey) {
    ASSERT_TRUE(Q_pushString("QUORVEX", "ID_TICKETING_REISSUANCE", "TFR=7"));
    EXPECT_EQ(framework::ReadStartupField("ID_TICKETING_ISSUANCE", "TFR"), std::nullopt);
    EXPECT_EQ(framework::ReadStartupField("ID_TICKETING_REISSUANCE", "TFR"), "7");
    EXPECT_EQ(framework::ReadStartupField("ID_TICKETING_REISSUANCE", "TFR"), std::nullopt);
}

TEST_F(StartupDataTest, LongDataIsCutAt1023Bytes) {
    std::string data = "TFR=" + std::string(2000, 'A');
    ASSERT_TRUE(Q_pushString("QUORVEX", "ID_TICKETING_VANTREL", data.c_str()));
    std::optional<std::string> got = framework::ReadStartupField("ID_TICKETING_VANTREL", "TFR");
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->size(), 1023u - 4u);
}

}  // namespace

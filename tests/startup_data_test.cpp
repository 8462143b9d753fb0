#include "framework/startup_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file/file.h"
#include "platform/zenkor/arch.h"

namespace {

class StartupDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // a directory of its own inside the home the test run was given
        given_ = file::homeDirectory();
        home_ = std::filesystem::path(given_) /
                (std::string("startup-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_);
        file::setHomeDirectory(home_.string());
    }
    void TearDown() override {
        file::setHomeDirectory(given_);
        std::filesystem::remove_all(home_);
    }

    std::string given_;
    std::filesystem::path home_;
};

TEST_F(StartupDataTest, AnswersTheFieldOfTheMasksData) {
    const struct {
        const char* data;  // nullptr: nothing queued
        const char* field;
        std::optional<std::string> expected;
    } cases[] = {
        {"TFR=12&X=1", "TFR", "12"},    {"TFR=&X=1", "TFR", ""},
        {"TFR=1&TFR=2", "TFR", "1"},    {"X=1", "TFR", std::nullopt},
        {"tfr=5", "TFR", std::nullopt}, {nullptr, "TFR", std::nullopt},
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

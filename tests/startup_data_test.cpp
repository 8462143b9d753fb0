#include "framework/startup_data.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/zenkor/arch.h"
#include "tests/support/mask_harness.h"

namespace {

// Each step queues data under a key (or nothing), then asks a mask's key for a field.
TEST(StartupDataTest, AnswersTheFieldOfTheMasksDataOnceAndOnlyByItsKey) {
    testing_support::TempHome home;
    const struct {
        const char* queuedFor;  // nullptr: nothing queued
        std::string data;
        const char* key;
        std::optional<std::string> expected;
    } steps[] = {
        // How the field is found is the query string's (its tests have the edge cases).
        {"ID_TICKETING_ISSUANCE", "TFR=12&X=1", "ID_TICKETING_ISSUANCE", "12"},
        {"ID_TICKETING_ISSUANCE", "TFR=&X=1", "ID_TICKETING_ISSUANCE", ""},
        {"ID_TICKETING_ISSUANCE", "X=1", "ID_TICKETING_ISSUANCE", std::nullopt},
        {nullptr, "", "ID_TICKETING_ISSUANCE", std::nullopt},
        {"ID_TICKETING_REISSUANCE", "TFR=7", "ID_TICKETING_ISSUANCE", std::nullopt},
        {nullptr, "", "ID_TICKETING_REISSUANCE", "7"},
        {nullptr, "", "ID_TICKETING_REISSUANCE", std::nullopt},  // taken once
        {"ID_TICKETING_VANTREL", "TFR=" + std::string(2000, 'A'), "ID_TICKETING_VANTREL",
         std::string(1023 - 4, 'A')},  // cut at 1023 bytes
    };
    for (const auto& step : steps) {
        if (step.queuedFor != nullptr) {
            ASSERT_TRUE(Q_pushString("QUORVEX", step.queuedFor, step.data.c_str()));
        }
        EXPECT_EQ(framework::ReadStartupField(step.key, "TFR"), step.expected)
            << step.key << " after [" << step.data.substr(0, 20) << "]";
    }
}

}  // namespace

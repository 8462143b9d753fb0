// Agent actions as data, run in order on a mask, and what the mask tests read of its form:
// every property of every control, the controls shown, and a refused Send.
#pragma once

#include <functional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/mask_harness.h"

namespace testing_support {

using Step = std::function<void(MaskHarness&)>;
using Steps = std::vector<Step>;

Step Type(int id, std::string text);
Step Select(int list, long code);
Step Click(int id);

void Run(MaskHarness& mask, const Steps& steps);

// steps followed by more.
template <class T>
std::vector<T> With(std::vector<T> steps, const std::vector<T>& more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

// Every property of every control of the form but those skipped, as dumps show them, each
// line after its control's number.
std::vector<std::string> Snapshot(MaskHarness& mask, int dialog, const std::set<int>& skipped);

// The controls of the form that are visible now.
std::set<int> VisibleControls(MaskHarness& mask, int dialog);

// A refused Send: one message box with the key under the mask's title, the focus on focus,
// no event, and nothing saved in the section of the profile.
void ExpectRefused(MaskHarness& mask, std::string_view title, std::string_view key, int focus,
                   const std::string& section);

// One field typed over a passing form in a situation, refused with its key and focus or,
// without a key, sent.
struct Typed {
    const Steps& situation;
    int field;
    std::string text;
    const char* key = nullptr;
    int focus = 0;  // 0: the typed field
};

// The row's name for a failure message, with the situation's position in its list.
std::string Describe(const Typed& row, std::span<const Steps* const> situations);

// After the row's Send: the one event, or the refusal of ExpectRefused.
void ExpectOutcome(MaskHarness& mask, const Typed& row, std::string_view title,
                   const std::string& section);

}  // namespace testing_support

// The difference between an expected transcript and the one a run printed, as a unified diff
// of lines (for --check).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// The lines of a text; a final line end does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// "--- expectedName", "+++ actualName" and hunks ("@@ -a,b +c,d @@", " same", "-gone",
// "+new") with up to three lines of context; empty when the lines are equal.
std::vector<std::string> unifiedDiff(const std::vector<std::string>& expected,
                                     const std::vector<std::string>& actual,
                                     std::string_view expectedName, std::string_view actualName);

}  // namespace host

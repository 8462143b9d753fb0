// Language strings: the agent's language, lookups by key and the fallbacks of each key family.
#pragma once

#include <optional>
#include <string>

namespace framework {

inline constexpr const char* kDefaultLanguage = "EN1";

// The language configured for the agent ("User"/"LANG" of "Quorvex.ini", default "EN1").
std::string ReadAgentLanguage();

// The string of key in the loaded language, or nullopt (at most 1023 bytes).
std::optional<std::string> FindString(const char* key);

// The string of key, or the key itself when the language has none (labels, tooltips,
// messages).
std::string StringOrKey(const char* key);

// The help key of a language: "HELP_" + language + "_URL" upper-cased, "EN1" taken as "EN".
std::string HelpKey(const std::string& language);

}  // namespace framework

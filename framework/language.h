// Language strings: the agent's language, lookups by key and the fallbacks of each key family.
#pragma once

#include <optional>
#include <string>

namespace framework {

inline constexpr const char* kDefaultLanguage = "EN1";

// The language configured for the agent ("User"/"LANG" of "Quorvex.ini", default "EN1").
std::string ReadAgentLanguage();

// A value of the agent's section "User" of "Quorvex.ini" (such as "COUNTRY"), or the default.
std::string ReadAgentSetting(const char* key, const char* defaultValue);

// The language strings that one mask holds loaded. Loading a language gives back the load held
// before (after taking the new one, so that the same language is not read again), and the
// holder gives back its load when it goes: every load is matched by one unload of the same
// language, and closing one mask never unloads the strings of another.
class LoadedLanguage {
  public:
    LoadedLanguage() = default;
    LoadedLanguage(const LoadedLanguage&) = delete;
    LoadedLanguage& operator=(const LoadedLanguage&) = delete;
    ~LoadedLanguage();

    void load(const std::string& language);

  private:
    std::optional<std::string> held_;
};

// The string of key in the loaded language, or nullopt (at most 1023 bytes).
std::optional<std::string> FindString(const char* key);

// The string of key, or the key itself when the language has none (labels, tooltips,
// messages).
std::string StringOrKey(const char* key);

// The help key of a language: "HELP_" + language + "_URL" upper-cased, "EN1" taken as "EN".
std::string HelpKey(const std::string& language);

}  // namespace framework

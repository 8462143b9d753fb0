#include "framework/language.h"

#include <array>
#include <utility>

#include "framework/profile_names.h"
#include "platform/text/ascii_case.h"
#include "platform/zenkor/arch.h"
#include "platform/zenkor/profile.h"

namespace framework {

std::string ReadAgentLanguage() {
    return ReadAgentSetting("LANG", kDefaultLanguage);
}

std::string ReadAgentSetting(const char* key, const char* defaultValue) {
    CZenkorProfile profile;
    profile.setIniFile(kQuorvexIni);
    profile.setSectionName("User");
    profile.setKeyName(key);
    std::array<char, 1024> buffer{};
    profile.getValue(buffer.data(), defaultValue, buffer.size());
    return buffer.data();
}

LoadedLanguage::~LoadedLanguage() {
    if (held_)
        LANG_unload(held_->c_str());
}

void LoadedLanguage::load(const std::string& language) {
    LANG_load(language.c_str());
    std::optional<std::string> previous = std::exchange(held_, language);
    if (previous)
        LANG_unload(previous->c_str());
}

std::optional<std::string> FindString(const char* key) {
    std::array<char, 1024> buffer{};
    if (!LANG_getString(key, buffer.data(), static_cast<int>(buffer.size()))) {
        return std::nullopt;
    }
    buffer.back() = '\0';
    return std::string(buffer.data());
}

std::string StringOrKey(const char* key) {
    return FindString(key).value_or(key);
}

std::string HelpKey(const std::string& language) {
    return text::asciiUpper("HELP_" + (language == "EN1" ? std::string("EN") : language) + "_URL");
}

}  // namespace framework

// Profile files from arbitrary bytes. The first three bytes give the lengths (0 to 31) of a
// section name, a key name and a value taken from the bytes after them; the rest is the file.
// Reading and writing it back unchanged must give the same bytes, and a value set under valid
// names must read back as stored, also after the file is written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/zenkor/ini_file.h"

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t lengths[3] = {static_cast<std::size_t>(data[0] & 31u),
                              static_cast<std::size_t>(data[1] & 31u),
                              static_cast<std::size_t>(data[2] & 31u)};
    input.remove_prefix(3);
    std::string_view parts[3];
    for (int i = 0; i < 3; ++i) {
        parts[i] = input.substr(0, lengths[i]);
        input.remove_prefix(parts[i].size());
    }
    const std::string_view section = parts[0], key = parts[1], value = parts[2];

    zenkor::IniFile ini{std::string(input)};
    check(ini.serialize() == input);
    auto before = ini.find(section, key);
    for (const std::string& name : ini.sectionNames()) {
        for (const auto& [entryKey, entryValue] : ini.entries(name)) {
            auto found = ini.find(name, entryKey);
            check(found && *found == entryValue);
        }
    }

    const bool valid =
        zenkor::IniFile::isValidSectionName(section) && zenkor::IniFile::isValidKeyName(key);
    check(ini.set(section, key, value) == valid);
    if (!valid) {
        check(ini.serialize() == input);
        auto after = ini.find(section, key);
        check(after.has_value() == before.has_value() && (!after || *after == *before));
        return 0;
    }
    const std::string_view stored = zenkor::IniFile::storedValue(value);
    auto now = ini.find(section, key);
    check(now && *now == stored);
    zenkor::IniFile reread(ini.serialize());
    auto again = reread.find(section, key);
    check(again && *again == stored);
    return 0;
}

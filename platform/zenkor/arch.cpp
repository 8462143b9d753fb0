// Language strings: the loaded languages, counted, and lookups in the most recent one.
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file/file.h"
#include "platform/text/ascii_case.h"
#include "platform/text/codepage.h"
#include "platform/text/plain_name.h"
#include "platform/zenkor/arch.h"
#include "platform/zenkor/language_table.h"
#include "resources/en1_table.h"

namespace {

constexpr std::string_view kBuiltInLanguage = "EN1";
constexpr std::size_t kMaxCodeBytes = 32;
// A table file is read up to this size (to its last whole line).
constexpr std::size_t kMaxTableBytes = 4u << 20;

// A loaded language and how many loads of it are not yet unloaded.
struct Loaded {
    std::string code;
    std::unique_ptr<const zenkor::LanguageTable> table;  // null for an unknown language
    std::size_t loads = 0;
};

struct Languages {
    std::mutex mutex;
    // One entry per language, the most recently loaded last: that one is in use.
    std::vector<Loaded> loaded;
    std::vector<std::string> directories;  // empty: the default
};

// The entry of a language, or loaded.end().
std::vector<Loaded>::iterator findLoaded(std::vector<Loaded>& loaded, std::string_view code) {
    return std::find_if(loaded.begin(), loaded.end(),
                        [code](const Loaded& entry) { return entry.code == code; });
}

Languages& languages() {
    static Languages instance;
    return instance;
}

// Codes name files, so only plain names are taken: no path can be smuggled in.
bool isValidCode(std::string_view code) {
    return text::isPlainName(code, kMaxCodeBytes, "_-");
}

std::string_view wholeLines(std::string_view text, bool cut) {
    if (!cut)
        return text;
    std::size_t last = text.find_last_of('\n');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The built-in table (for "EN1") with the tables of the language directories over it, in
// order; null when neither knows the language.
std::unique_ptr<const zenkor::LanguageTable> readLanguage(const std::string& code,
                                                          const std::vector<std::string>& dirs) {
    auto table = std::make_unique<zenkor::LanguageTable>();
    bool known = false;
    if (code == kBuiltInLanguage) {
        table->merge(resources::builtinEnglishTable());
        known = true;
    }
    std::vector<std::string> searched = dirs;
    if (searched.empty())
        searched.push_back(file::joinPath(file::homeDirectory(), "lang"));
    for (const std::string& dir : searched) {
        auto read = file::readWholeFile(file::joinPath(dir, code + ".lang"), kMaxTableBytes + 1);
        if (!read.opened || read.error != 0)
            continue;
        table->merge(wholeLines(read.content, read.content.size() > kMaxTableBytes));
        known = true;
    }
    if (!known)
        return nullptr;
    return table;
}

// Copies text into buffer: at most size - 1 bytes and a terminator.
void copyOut(std::string_view text, char* buffer, int size) {
    std::size_t count = text.size() < static_cast<std::size_t>(size) - 1
                            ? text.size()
                            : static_cast<std::size_t>(size) - 1;
    text.copy(buffer, count);
    buffer[count] = '\0';
}

}  // namespace

bool LANG_load(const char* language) try {
    std::string code = text::asciiUpper(language != nullptr ? language : "");
    Languages& state = languages();
    std::lock_guard lock(state.mutex);
    // A language loaded already is counted again and comes into use, not read again.
    auto entry = findLoaded(state.loaded, code);
    if (entry == state.loaded.end()) {
        auto table = isValidCode(code) ? readLanguage(code, state.directories) : nullptr;
        // Counted even when unknown: the mask's unload is matched with this load.
        state.loaded.push_back({code, std::move(table), 0});
        entry = state.loaded.end() - 1;
    }
    ++entry->loads;
    std::rotate(entry, entry + 1, state.loaded.end());
    return state.loaded.back().table != nullptr;
} catch (...) {
    return false;  // out of memory: the language stays unloaded
}

bool LANG_getString(const char* key, char* buffer, int size) {
    if (buffer == nullptr || size <= 0)
        return false;
    buffer[0] = '\0';
    if (key == nullptr)
        return false;
    try {
        std::string utf8;
        {
            Languages& state = languages();
            std::lock_guard lock(state.mutex);
            if (state.loaded.empty() || !state.loaded.back().table)
                return false;
            auto found = state.loaded.back().table->find(key);
            if (!found)
                return false;
            utf8 = *found;
        }
        copyOut(text::toAnsi(text::toUtf16(utf8, text::kUtf8)), buffer, size);
        return true;
    } catch (...) {
        return false;
    }
}

void LANG_unload(const char* language) {
    Languages& state = languages();
    std::lock_guard lock(state.mutex);
    auto entry = state.loaded.end();
    if (language != nullptr)
        entry = findLoaded(state.loaded, text::asciiUpper(language));
    else if (!state.loaded.empty())
        --entry;
    if (entry != state.loaded.end() && --entry->loads == 0)
        state.loaded.erase(entry);
}

namespace zenkor {

void setLanguageDirectories(const char* const* dirs, int count) {
    std::vector<std::string> list;
    for (int i = 0; dirs != nullptr && i < count; ++i) {
        if (dirs[i] != nullptr && dirs[i][0] != '\0')
            list.emplace_back(dirs[i]);
    }
    Languages& state = languages();
    std::lock_guard lock(state.mutex);
    state.directories = std::move(list);
}

}  // namespace zenkor

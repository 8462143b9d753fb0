#include "platform/zenkor/profile.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/text/ascii_case.h"
#include "platform/zenkor/ini_file.h"

namespace {

// Larger profiles are read as their first part and never rewritten (that would cut them).
constexpr std::size_t kMaxProfileBytes = 16u << 20;
// How long a save waits for another save of the same file to finish.
constexpr int kLockWaitMs = 10000;

std::string parentOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string orEmpty(const char* text) {
    return text != nullptr ? text : "";
}

}  // namespace

CZenkorProfile::CZenkorProfile() = default;

CZenkorProfile::~CZenkorProfile() {
    try {
        commit();
    } catch (...) {
        // A destructor reports nothing; the values set stay unsaved.
    }
}

void CZenkorProfile::setIniFile(const char* name) {
    std::string file = orEmpty(name);
    if (file == file_)
        return;
    // Values set for the previous file go there, never into the new one.
    commit();
    pending_.clear();
    read_.reset();
    file_ = std::move(file);
}

void CZenkorProfile::setSectionName(const char* section) {
    section_ = orEmpty(section);
}

void CZenkorProfile::setKeyName(const char* key) {
    key_ = orEmpty(key);
}

int CZenkorProfile::setValue(const char* text) {
    if (file_.empty() || text == nullptr || !zenkor::IniFile::isValidSectionName(section_) ||
        !zenkor::IniFile::isValidKeyName(key_)) {
        return 0;
    }
    pending_.push_back({{section_, key_}, std::string(zenkor::IniFile::storedValue(text))});
    return 1;
}

unsigned long CZenkorProfile::getValue(char* buffer, const char* defaultValue, unsigned long size) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::string_view value;
    if (!file_.empty() && !section_.empty() && !key_.empty()) {
        bool pending = false;
        for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) {
            if (text::equalsIgnoringAsciiCase(it->first.first, section_) &&
                text::equalsIgnoringAsciiCase(it->first.second, key_)) {
                value = it->second;
                pending = true;
                break;
            }
        }
        if (!pending) {
            if (!read_) {
                auto read = file::readWholeFile(file_, kMaxProfileBytes);
                read_ = std::make_unique<zenkor::IniFile>(std::move(read.content));
            }
            value = read_->find(section_, key_).value_or(std::string_view());
        }
        value = value.substr(0, value.find('\0'));
    }
    const bool found = !value.empty();
    std::string_view source = value;
    if (!found)
        source = defaultValue != nullptr ? defaultValue : "";
    std::size_t count = source.size() < size - 1 ? source.size() : size - 1;
    // The default may lie in the buffer itself.
    if (count > 0)
        std::memmove(buffer, source.data(), count);
    buffer[count] = '\0';
    return found ? count : 0;
}

bool CZenkorProfile::commit() {
    if (pending_.empty())
        return true;
    std::string path = file::resolve(file_);
    file::ensureDirectory(parentOf(path));
    auto lock = file::FileLock::acquire(path + ".lock", kLockWaitMs);
    if (!lock)
        return false;
    // Re-read under the lock, so that values saved meanwhile by others are kept.
    auto read = file::readWholeFile(path, kMaxProfileBytes + 1);
    if (read.opened ? read.error != 0 : read.error != ENOENT)
        return false;
    if (read.content.size() > kMaxProfileBytes)
        return false;
    zenkor::IniFile model(std::move(read.content));
    for (const auto& [name, value] : pending_)
        model.set(name.first, name.second, value);
    if (model.modified() && !file::replaceFile(path, model.serialize()))
        return false;
    pending_.clear();
    read_ = std::make_unique<zenkor::IniFile>(std::move(model));
    return true;
}

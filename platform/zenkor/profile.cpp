#include "platform/zenkor/profile.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/text/ascii_case.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/profile_cache.h"

namespace {

// Larger profiles are read as their first part, so none is written larger (nor rewritten
// when larger: that would cut it).
constexpr std::size_t kMaxProfileBytes = 16u << 20;
// How long a save waits for another save of the same file to finish. A save of the largest
// profile takes a small part of it; an agent waits on it, so a holder that keeps the lock
// longer makes the save fail rather than hang the mask.
constexpr int kLockWaitMs = 1000;

// The directory of a resolved path: "/" and "\\" are both separators there (Windows takes
// either, and resolve() leaves none of the second kind elsewhere).
std::string parentOf(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos || slash == 0 ? std::string(1, file::separator())
                                                    : path.substr(0, slash);
}

std::string orEmpty(const char* text) {
    return text != nullptr ? text : "";
}

std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

zenkor::SaveResult failed(std::string why) {
    return {std::move(why)};
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
    std::string stored;
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
            if (!read_)
                read_ = zenkor::readProfile(file_, kMaxProfileBytes);
            stored = read_->find(section_, key_).value_or(std::string());
            value = stored;
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

zenkor::SaveResult CZenkorProfile::commit() {
    if (pending_.empty())
        return {};
    const auto values = std::move(pending_);
    pending_.clear();
    read_.reset();  // the next lookup reads what was saved
    const std::string path = file::resolve(file_);
    std::error_code error;
    if (!file::ensureDirectory(parentOf(path), &error))
        return failed("cannot create its directory: " + error.message());
    const auto lock = file::FileLock::forFile(path, kLockWaitMs, &error);
    if (!lock && error == file::Fault::locked)
        return failed("another process held it locked for more than " +
                      std::to_string(kLockWaitMs) + " ms");
    if (!lock)
        return failed("cannot take its lock: " + error.message());
    // Re-read under the lock, so that values saved meanwhile by others are kept.
    auto read = file::readWholeFile(path, kMaxProfileBytes + 1);
    if (!read.opened && read.error == EINVAL)
        return failed("cannot read it: " + make_error_code(file::Fault::notRegular).message());
    if (read.opened ? read.error != 0 : read.error != ENOENT)
        return failed("cannot read it: " + systemMessage(read.error));
    const std::string limit = std::to_string(kMaxProfileBytes) + " bytes";
    if (read.content.size() > kMaxProfileBytes)
        return failed("it is larger than " + limit);
    zenkor::IniFile model(std::move(read.content));
    for (const auto& [name, value] : values)
        model.set(name.first, name.second, value);
    if (!model.modified())
        return {};
    const std::string text = model.serialize();
    if (text.size() > kMaxProfileBytes)
        return failed("it would grow past " + limit);
    error = file::replaceFile(path, text).error;
    if (error == file::Fault::readOnly)
        return failed("it is read-only");
    if (error)
        return failed("cannot write it: " + error.message());
    return {};
}

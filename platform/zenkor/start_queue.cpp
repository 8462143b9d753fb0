// The host's start-up queues: one file "<home>/<QUEUE>.queue" per queue, shared by processes
// under the queue file's lock. Each value is one line, the key, a tab and
// the value's bytes, so a key holds no tab or line break and a value no line break (or NUL).
#include <string>
#include <string_view>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/text/plain_name.h"
#include "platform/zenkor/arch.h"

namespace {

// A larger queue file is left alone: it is never read in part and rewritten.
constexpr std::size_t kMaxQueueBytes = 16u << 20;
constexpr std::size_t kMaxNameBytes = 64;
constexpr std::size_t kMaxKeyBytes = 1024;
// Waiting for another process to finish its push or pop (never for data).
constexpr int kLockWaitMs = 2000;

// Queue names name files, so only plain names are taken: no path can be smuggled in.
bool isValidQueueName(std::string_view name) {
    return text::isPlainName(name, kMaxNameBytes, "_-.") && name.front() != '.';
}

bool isValidKey(std::string_view key) {
    return !key.empty() && key.size() <= kMaxKeyBytes &&
           key.find_first_of("\t\r\n") == std::string_view::npos;
}

std::string queuePath(std::string_view name) {
    return file::joinPath(file::homeDirectory(), std::string(name) + ".queue");
}

// Takes the first value under key out of the queue file; false when there is none.
bool takeValue(const std::string& path, std::string_view key, std::string& value) {
    auto read = file::readWholeFile(path, kMaxQueueBytes + 1);
    if (!read.opened || read.error != 0 || read.content.size() > kMaxQueueBytes)
        return false;
    const std::string_view all(read.content);
    for (std::size_t pos = 0; pos < all.size();) {
        std::size_t end = all.find('\n', pos);
        std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
        std::string_view line = all.substr(pos, next - pos);
        std::size_t tab = line.find('\t');
        if (tab != std::string_view::npos && line.substr(0, tab) == key) {
            std::string_view found = line.substr(tab + 1);
            while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) {
                found.remove_suffix(1);
            }
            value.assign(found);
            std::string rest(all.substr(0, pos));
            rest.append(all.substr(next));
            // A value that cannot be taken out stays for the next reader.
            return static_cast<bool>(file::replaceFile(path, rest));
        }
        pos = next;
    }
    return false;
}

}  // namespace

int Q_popString(const char* key, const char* reserved, char* buffer, int size, const char* queue,
                int timeoutMs) {
    if (buffer == nullptr || size <= 0)
        return 0;
    buffer[0] = '\0';
    if (key == nullptr || queue == nullptr || !isValidQueueName(queue) || !isValidKey(key)) {
        return 0;
    }
    try {
        const std::string path = queuePath(queue);
        const auto stamp = file::stampOf(path);
        if (!stamp || stamp->size == 0)
            return 0;  // nothing queued
        auto lock = file::FileLock::forFile(path, kLockWaitMs);
        if (!lock)
            return 0;
        std::string value;
        if (!takeValue(path, key, value))
            return 0;
        std::size_t count = value.size() < static_cast<std::size_t>(size) - 1
                                ? value.size()
                                : static_cast<std::size_t>(size) - 1;
        value.copy(buffer, count);
        buffer[count] = '\0';
        return static_cast<int>(count);
    } catch (...) {
        buffer[0] = '\0';
        return 0;
    }
}

bool Q_pushString(const char* queue, const char* key, const char* value) {
    if (queue == nullptr || key == nullptr || value == nullptr || !isValidQueueName(queue) ||
        !isValidKey(key) || std::string_view(value).find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    try {
        const std::string path = queuePath(queue);
        if (!file::ensureDirectory(file::homeDirectory()))
            return false;
        auto lock = file::FileLock::forFile(path, kLockWaitMs);
        if (!lock)
            return false;
        // A last line left without its line break (a damaged file) is ended first, and a line
        // cut short by a full disk is taken back: no later pop finds it and takes it as whole.
        const std::string line = std::string(key) + "\t" + value + "\n";
        return static_cast<bool>(
            file::appendFile(path, line, {.onNewLine = true, .undoPartial = true}));
    } catch (...) {
        return false;
    }
}

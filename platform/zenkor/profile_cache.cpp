#include "platform/zenkor/profile_cache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/file/file.h"

namespace zenkor {
namespace {

// The files kept: the profile and the settings file, with room to spare.
constexpr std::size_t kMostEntries = 4;

struct Entry {
    std::string path;
    std::size_t maxBytes;
    file::Stamp stamp;
    std::shared_ptr<const ProfileSnapshot> snapshot;
    std::uint64_t lastUse;
};

struct Cache {
    std::mutex mutex;
    std::vector<Entry> entries;
    std::uint64_t uses = 0;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

}  // namespace

std::optional<std::string> ProfileSnapshot::find(std::string_view section,
                                                 std::string_view key) const {
    std::lock_guard lock(mutex_);
    auto value = file_.find(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::shared_ptr<const ProfileSnapshot> readProfile(std::string_view path, std::size_t maxBytes) {
    static const auto empty = std::make_shared<const ProfileSnapshot>(std::string());
    const std::string resolved = file::resolve(path);
    const auto stamp = file::stampOf(resolved);
    if (!stamp)
        return empty;
    Cache& c = cache();
    auto same = [&](const Entry& e) { return e.path == resolved && e.maxBytes == maxBytes; };
    {
        std::lock_guard lock(c.mutex);
        auto found = std::find_if(c.entries.begin(), c.entries.end(), same);
        if (found != c.entries.end() && found->stamp == *stamp) {
            found->lastUse = ++c.uses;
            return found->snapshot;
        }
    }
    file::ReadResult read = file::readWholeFile(resolved, maxBytes);
    auto snapshot = std::make_shared<const ProfileSnapshot>(
        read.opened && read.error == 0 ? std::move(read.content) : std::string());
    std::lock_guard lock(c.mutex);
    std::erase_if(c.entries, same);
    if (read.settled) {
        if (c.entries.size() >= kMostEntries) {
            c.entries.erase(std::min_element(
                c.entries.begin(), c.entries.end(),
                [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
        }
        c.entries.push_back({resolved, maxBytes, read.stamp, snapshot, ++c.uses});
    }
    return snapshot;
}

}  // namespace zenkor

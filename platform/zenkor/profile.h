// Keyed values in profile (INI) files, read as the Windows profile API reads them.
//
// One object serves one save or restore pass. Values set during the pass are kept and reach
// the disk when the object is destroyed (or commit() is called): the file is re-read and
// replaced atomically under its lock, so that a crash never leaves it half-written and two
// passes at once (even in two processes) lose neither's keys. A file is never written larger
// than a profile may be read (16 MB), and a read-only file is never written. Lookups read a
// file once and reuse what they read while the file stays unchanged.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zenkor {
class ProfileSnapshot;

// The outcome of writing a profile's values: saved, or why not.
struct SaveResult {
    std::string failure;  // why the file could not be written ("" when saved)
    explicit operator bool() const { return failure.empty(); }
};
}  // namespace zenkor

class CZenkorProfile {
  public:
    CZenkorProfile();
    CZenkorProfile(const CZenkorProfile&) = delete;
    CZenkorProfile& operator=(const CZenkorProfile&) = delete;
    ~CZenkorProfile();

    // A name without a directory lives in the home directory.
    void setIniFile(const char* name);
    void setSectionName(const char* section);
    void setKeyName(const char* key);
    // Stores text under the current key; 1 when accepted, 0 without file, section or key.
    int setValue(const char* text);
    // Copies the current key's value (or the default when the key is absent or empty) into
    // buffer, at most size - 1 bytes and a terminator. Answers the number of characters
    // copied from the file: 0 means no value was found.
    unsigned long getValue(char* buffer, const char* defaultValue, unsigned long size);

    // Writes the values set so far and answers whether that worked. Values that could not be
    // written are dropped, not tried again by a later commit or the destructor: the answer
    // tells why, and the destructor, which cannot answer, writes only what is left.
    zenkor::SaveResult commit();
    // Drops the values set and not yet written.
    void discard() { pending_.clear(); }

  private:
    std::string file_;
    std::string section_;
    std::string key_;
    // Values set during this pass, in order: (section, key, value).
    std::vector<std::pair<std::pair<std::string, std::string>, std::string>> pending_;
    // The file as read at the first lookup of the pass.
    std::shared_ptr<const zenkor::ProfileSnapshot> read_;
};

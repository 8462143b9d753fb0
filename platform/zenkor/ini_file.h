// A profile (INI) file held in memory: read as the Windows profile API reads it, changed key by
// key, and written back with every line it does not change left as it was.
//
// Reading: lines end at CR, LF or CR LF. A line whose first non-blank character is "[" opens a
// section named by the text up to the first "]" (blanks around the name dropped). A line with
// "=" is a key: the name before the first "=", the value after it, both with the blanks around
// them dropped, and one pair of double or single quotes around the value removed. Lines starting
// with ";" and lines with no "=" are skipped, and so are keys before the first section. Section
// and key names compare without regard to case; the first section of a name and the first key
// of a name in it are the ones read.
//
// Writing: a changed key keeps its line and place; a new key goes after the last key of its
// section, a new section at the end of the file. A value is written so that it reads back byte
// for byte (see writtenValue).
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zenkor {

class IniFile {
  public:
    IniFile() : IniFile(std::string()) {}
    explicit IniFile(std::string text);

    // The value of key in section, or nullopt. The view lasts until the next set().
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    // Stores value under key (see writtenValue for what reaches the file). False, and nothing
    // changed, for a name that could not be read back (see the isValid functions).
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as it is now.
    std::string serialize() const;
    // Whether a set() changed what any key reads as (a value set again unchanged does not).
    bool modified() const { return modified_; }

    // The names of the sections, as written, in file order (each name once).
    std::vector<std::string> sectionNames() const;
    // The keys of a section as they read, in file order (each name once).
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;

    // The value that the text after "=" reads as.
    static std::string_view readValue(std::string_view raw);
    // The text written after "=" for value. A line cannot hold a line break, so the value is cut
    // at its first CR or LF; what is left reads back unchanged: it is put inside double quotes
    // when reading it bare would change it (blanks at either end, a quote at either end) or when
    // it holds ";" or "=", which other readers of the file take for a comment or a separator.
    static std::string writtenValue(std::string_view value);
    // What a value reads back as after being written: value cut at its first line break.
    static std::string_view storedValue(std::string_view value);

    // Non-empty, no blanks at either end, no line break or NUL, and for a section no "]", for a
    // key no "=" and no "[" or ";" at the start.
    static bool isValidSectionName(std::string_view name);
    static bool isValidKeyName(std::string_view name);

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // Names compared and hashed without regard to case.
    struct NameHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string_view, std::size_t, NameHash, NameEqual>;

    // A key line of the file: [begin, end) in the text, its line break up to next.
    struct KeyLine {
        std::size_t begin, end, next;
        std::string_view name;
        bool changed = false;
        std::string written{};  // the text after "=" once changed
    };
    struct AddedKey {
        std::string name;
        std::string written;
    };
    // The keys of a section, gathered at the first lookup in it (most sections are never read).
    struct Keys {
        std::vector<KeyLine> lines;  // in file order
        std::deque<AddedKey> added;  // new keys, written after the last of lines
        NameIndex index;             // name -> position in lines, then in added; first wins
    };
    // A section looked up or added. Sections are found by a scan of the text for their header
    // when first looked up, so that a pass over a file of many sections costs one scan of it
    // and keeps nothing of the sections it does not touch.
    struct Section {
        std::size_t headerBegin;  // its header line in the text (kNone: a new section) ...
        std::size_t headerEnd;
        std::size_t bodyBegin;  // its lines in the text: [bodyBegin, bodyEnd)
        std::size_t bodyEnd;
        std::string newName;  // the name of a new section
        mutable std::unique_ptr<Keys> keys;
    };

    std::size_t findSection(std::string_view name) const;
    Keys& keysOf(const Section& section) const;
    std::string_view valueOf(const Keys& keys, std::size_t position) const;
    void appendAdded(std::string& out, const Keys& keys) const;

    // Held on the heap so that views into it survive moving the object.
    std::unique_ptr<const std::string> text_;
    std::string eol_;
    // The sections looked up in the text (in the order of the lookups) and the new ones.
    mutable std::deque<Section> sections_;
    // Name -> position in sections_, kNone for a name that no header of the text has.
    mutable NameIndex sectionIndex_;
    mutable std::deque<std::string> absentNames_;  // the names that index as kNone
    bool modified_ = false;
};

}  // namespace zenkor

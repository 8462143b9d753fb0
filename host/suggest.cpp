#include "host/suggest.h"

#include <algorithm>
#include <cctype>

namespace host {
namespace {

constexpr std::size_t kMostSuggestions = 3;
constexpr std::size_t kMostListed = 8;

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return prefix.size() <= text.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
}

// Edits (insertions, deletions, substitutions, swaps of neighbours) from a to b, case ignored.
std::size_t distance(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<std::size_t> before(m + 1), previous(m + 1), current(m + 1);
    for (std::size_t j = 0; j <= m; ++j)
        previous[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= m; ++j) {
            const bool same = lower(a[i - 1]) == lower(b[j - 1]);
            current[j] =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[m];
}

}  // namespace

std::vector<std::string_view> nearestNames(std::string_view word,
                                           std::span<const std::string_view> candidates) {
    struct Scored {
        std::size_t score;
        std::string_view name;
    };
    std::vector<Scored> scored;
    const std::size_t allowed = std::max<std::size_t>(1, word.size() / 3);
    for (std::string_view name : candidates) {
        std::size_t d = distance(word, name);
        const bool prefix = word.size() >= 2 && (startsWithIgnoringCase(name, word) ||
                                                 startsWithIgnoringCase(word, name));
        if (d <= allowed || prefix)
            scored.push_back({prefix ? std::min(d, allowed) : d, name});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score < b.score; });
    std::vector<std::string_view> names;
    for (const Scored& s : scored) {
        if (names.size() == kMostSuggestions)
            break;
        if (std::find(names.begin(), names.end(), s.name) == names.end())
            names.push_back(s.name);
    }
    return names;
}

std::string suggestionFor(std::string_view word, std::span<const std::string_view> candidates,
                          std::string_view what) {
    std::string text;
    const std::vector<std::string_view> near = nearestNames(word, candidates);
    for (std::size_t i = 0; i < near.size(); ++i) {
        text += i == 0 ? "; did you mean `" : (i + 1 == near.size() ? "` or `" : "`, `");
        text += near[i];
    }
    if (!near.empty())
        text += "`?";
    if (!candidates.empty() && candidates.size() <= kMostListed) {
        text += near.empty() ? ". The " : " The ";
        text += what;
        text += " are ";
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (i != 0)
                text += ", ";
            text += candidates[i];
        }
        text += '.';
    }
    return text;
}

}  // namespace host

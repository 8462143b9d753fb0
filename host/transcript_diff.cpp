#include "host/transcript_diff.h"

#include <algorithm>

namespace host {
namespace {

constexpr std::size_t kContext = 3;
// Past this many cells the longest common subsequence is not sought: everything after the
// common head and tail shows as replaced.
constexpr std::size_t kMostCells = 1u << 20;

struct Edit {
    char kind;             // ' ', '-', '+'
    std::size_t expected;  // line numbers (0-based) before this edit
    std::size_t actual;
    const std::string* text;
};

std::vector<Edit> edits(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t n = a.size() - head - tail;
    const std::size_t m = b.size() - head - tail;
    // common[i][j]: the longest common subsequence of a[head+i..] and b[head+j..].
    std::vector<std::vector<std::size_t>> common;
    if ((n + 1) * (m + 1) <= kMostCells) {
        common.assign(n + 1, std::vector<std::size_t>(m + 1, 0));
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                common[i][j] = a[head + i] == b[head + j]
                                   ? common[i + 1][j + 1] + 1
                                   : std::max(common[i + 1][j], common[i][j + 1]);
            }
        }
    }
    std::vector<Edit> out;
    for (std::size_t k = 0; k < head; ++k)
        out.push_back({' ', k, k, &a[k]});
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n || j < m) {
        const bool lcs = !common.empty();
        if (i < n && j < m && a[head + i] == b[head + j] && lcs) {
            out.push_back({' ', head + i, head + j, &a[head + i]});
            ++i;
            ++j;
        } else if (i < n && (j == m || !lcs || common[i + 1][j] >= common[i][j + 1])) {
            out.push_back({'-', head + i, head + j, &a[head + i]});
            ++i;
        } else {
            out.push_back({'+', head + i, head + j, &b[head + j]});
            ++j;
        }
    }
    for (std::size_t k = 0; k < tail; ++k)
        out.push_back({' ', head + n + k, head + m + k, &a[head + n + k]});
    return out;
}

std::string range(std::size_t start, std::size_t count) {
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<std::string> unifiedDiff(const std::vector<std::string>& expected,
                                     const std::vector<std::string>& actual,
                                     std::string_view expectedName, std::string_view actualName) {
    if (expected == actual)
        return {};
    const std::vector<Edit> all = edits(expected, actual);
    std::vector<std::string> lines = {"--- " + std::string(expectedName),
                                      "+++ " + std::string(actualName)};
    std::size_t k = 0;
    while (k < all.size()) {
        if (all[k].kind == ' ') {
            ++k;
            continue;
        }
        // A hunk: the changes from k on, joined while fewer than 2 * kContext lines part them.
        std::size_t first = k >= kContext ? k - kContext : 0;
        std::size_t last = k;
        for (std::size_t p = k; p < all.size(); ++p) {
            if (all[p].kind != ' ')
                last = p;
            else if (p - last > 2 * kContext)
                break;
        }
        const std::size_t end = std::min(all.size(), last + 1 + kContext);
        std::size_t removed = 0;
        std::size_t added = 0;
        for (std::size_t p = first; p < end; ++p) {
            removed += all[p].kind != '+';
            added += all[p].kind != '-';
        }
        lines.push_back("@@ -" + range(all[first].expected, removed) + " +" +
                        range(all[first].actual, added) + " @@");
        for (std::size_t p = first; p < end; ++p)
            lines.push_back(all[p].kind + *all[p].text);
        k = end;
    }
    return lines;
}

}  // namespace host

#include "tests/windows/registry_script.h"

#include <cstddef>
#include <cwctype>

namespace {

class Reader {
  public:
    explicit Reader(std::wstring text) : text_(std::move(text)) {}

    // HKCR { keys }
    bool root(std::vector<ScriptKey>& keys) {
        return next() == L"HKCR" && next() == L"{" && block(L"", keys) && next().empty();
    }

  private:
    // Keys up to the closing brace (taken).
    bool block(const std::wstring& parent, std::vector<ScriptKey>& keys) {
        for (;;) {
            std::wstring name = next();
            if (name == L"}")
                return true;
            if (name.empty() || name == L"{" || name == L"=")
                return false;
            bool owned = true;
            if (!quoted_ && (name == L"NoRemove" || name == L"ForceRemove")) {
                owned = name == L"ForceRemove";
                name = next();
            }
            ScriptKey key{parent.empty() ? name : parent + L"\\" + name, L"", owned};
            std::size_t mark = at_;
            std::wstring token = next();
            if (token == L"=") {
                if (next() != L"s")
                    return false;
                key.value = next();
                if (!quoted_)
                    return false;
                mark = at_;
                token = next();
            }
            keys.push_back(key);
            if (token == L"{") {
                if (!block(key.path, keys))
                    return false;
            } else {
                at_ = mark;
            }
        }
    }

    // The next token: a brace, '=', a quoted text ('' for a quote) or a bare word.
    std::wstring next() {
        quoted_ = false;
        while (at_ < text_.size() && iswspace(text_[at_]))
            ++at_;
        if (at_ >= text_.size())
            return L"";
        const wchar_t c = text_[at_];
        if (c == L'{' && (at_ + 1 >= text_.size() || iswspace(text_[at_ + 1]))) {
            ++at_;
            return L"{";
        }
        if (c == L'}' || c == L'=') {
            ++at_;
            return std::wstring(1, c);
        }
        std::wstring token;
        if (c == L'\'') {
            quoted_ = true;
            for (++at_; at_ < text_.size(); ++at_) {
                if (text_[at_] == L'\'') {
                    if (at_ + 1 < text_.size() && text_[at_ + 1] == L'\'') {
                        token += L'\'';
                        ++at_;
                        continue;
                    }
                    ++at_;
                    return token;
                }
                token += text_[at_];
            }
            return L"";  // unterminated
        }
        while (at_ < text_.size() && !iswspace(text_[at_]) && text_[at_] != L'=')
            token += text_[at_++];
        return token;
    }

    std::wstring text_;
    std::size_t at_ = 0;
    bool quoted_ = false;
};

std::wstring doubledQuotes(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        out += c;
        if (c == L'\'')
            out += c;
    }
    return out;
}

}  // namespace

std::optional<std::vector<ScriptKey>> readRegistryScript(const std::string& script,
                                                         const std::wstring& module) {
    std::wstring text(script.begin(), script.end());
    const std::wstring placeholder = L"%MODULE%";
    const std::wstring path = doubledQuotes(module);
    for (std::size_t at = text.find(placeholder); at != std::wstring::npos;
         at = text.find(placeholder, at + path.size())) {
        text.replace(at, placeholder.size(), path);
    }
    std::vector<ScriptKey> keys;
    if (!Reader(text).root(keys))
        return std::nullopt;
    return keys;
}

// Owning automation string: frees its BSTR exactly once.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/com/com.h"

namespace com {

class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text);
    // Takes ownership of a string allocated by SysAllocString*.
    static Bstr attach(BSTR raw) {
        Bstr b;
        b.raw_ = raw;
        return b;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : raw_(std::exchange(other.raw_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            reset();
            raw_ = std::exchange(other.raw_, nullptr);
        }
        return *this;
    }
    ~Bstr() { reset(); }

    BSTR get() const { return raw_; }
    BSTR* out() {
        reset();
        return &raw_;
    }
    BSTR release() { return std::exchange(raw_, nullptr); }
    void reset() {
        if (raw_ != nullptr) {
            SysFreeString(raw_);
            raw_ = nullptr;
        }
    }
    std::u16string_view view() const { return view(raw_); }

    // The characters of any BSTR; a null BSTR reads as the empty string.
    static std::u16string_view view(BSTR raw);

  private:
    BSTR raw_ = nullptr;
};

}  // namespace com

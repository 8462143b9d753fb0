// Owning interface pointer: AddRef on copy, Release on destruction.
#pragma once

#include <utility>

#include "platform/com/com.h"

namespace com {

template <class T>
class Ptr {
  public:
    Ptr() = default;
    Ptr(T* p) : p_(p) {  // NOLINT: adopts with a new reference, like an assignment
        if (p_ != nullptr)
            p_->AddRef();
    }
    static Ptr attach(T* p) {
        Ptr r;
        r.p_ = p;
        return r;
    }
    Ptr(const Ptr& o) : Ptr(o.p_) {}
    Ptr(Ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Ptr& operator=(Ptr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~Ptr() { reset(); }

    void reset() {
        if (p_ != nullptr)
            std::exchange(p_, nullptr)->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    T** out() {
        reset();
        return &p_;
    }
    T* detach() { return std::exchange(p_, nullptr); }

    template <class U>
    Ptr<U> as(REFIID iid) const {
        Ptr<U> r;
        if (p_ != nullptr)
            p_->QueryInterface(iid, reinterpret_cast<void**>(r.out()));
        return r;
    }

  private:
    T* p_ = nullptr;
};

}  // namespace com

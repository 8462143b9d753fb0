// The one implementation of IUnknown for every object of ours. An object names the interfaces
// it implements, each with the IIDs that reach it:
//
//     class Factory final : public com::Object<com::Implements<IClassFactory, IID_IClassFactory>>
//
// and QueryInterface, AddRef and Release come from here:
// - QueryInterface answers E_POINTER for a null out-pointer; otherwise it clears *ppv, and for
//   an IID the object answers stores the interface pointer there, adds a reference and answers
//   S_OK, else E_NOINTERFACE. IID_IUnknown always reaches the first interface, so that the
//   pointer that identifies the object is the same whichever interface it is asked from.
// - Object keeps its own reference count: it starts at 1 (the creator's reference) and the
//   object deletes itself when the count drops to 0. Part is an object living inside another
//   one (a connection point inside its mask): its AddRef and Release go to that owner.
#pragma once

#include <atomic>
#include <optional>

#include "platform/com/com.h"

namespace com {

// One interface of an object and the IIDs that reach it besides IID_IUnknown. Base is the
// interface itself or a class implementing it that derives from it alone (MaskDispatch), so
// that a pointer to Base is a pointer to the interface.
template <class B, const IID&... iids>
struct Implements {
    using Base = B;
    static bool answers(REFIID riid) { return ((riid == iids) || ...); }
};

// QueryInterface over the interfaces of Entries (Implements<...>), in their order. An object
// whose interface IID is only known at run time (a mask's own interface, a sink's event
// interface) gives it as the alias of its first interface.
template <class First, class... Rest>
class Interfaces : public First::Base, public Rest::Base... {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) final {
        if (ppvObject == nullptr)
            return E_POINTER;
        *ppvObject = nullptr;
        void* found = nullptr;
        if (riid == IID_IUnknown || First::answers(riid) || (alias_ && riid == *alias_)) {
            found = static_cast<typename First::Base*>(this);
        } else if (!((Rest::answers(riid) && (found = static_cast<typename Rest::Base*>(this))) ||
                     ...) &&
                   (found = moreInterfaces(riid)) == nullptr) {
            return E_NOINTERFACE;
        }
        identity()->AddRef();
        *ppvObject = found;
        return S_OK;
    }

  protected:
    Interfaces() = default;
    explicit Interfaces(const IID& alias) : alias_(alias) {}
    ~Interfaces() = default;

    // The pointer that identifies the object (its IUnknown).
    IUnknown* identity() { return static_cast<typename First::Base*>(this); }
    // Interfaces the object answers besides those it names, found at run time (a mask's
    // control interfaces, where the system has containers): the pointer, or null. Whatever it
    // answers must give its AddRef, Release and QueryInterface to this object.
    virtual void* moreInterfaces(REFIID riid) {
        (void)riid;
        return nullptr;
    }

  private:
    std::optional<IID> alias_;
};

// An object with its own reference count.
template <class... Entries>
class Object : public Interfaces<Entries...> {
  public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() final {
        const ULONG left = --references_;
        if (left == 0) {
            // References taken and given back while the object is destroyed do not destroy
            // it again.
            references_ = 1;
            delete this;
        }
        return left;
    }

  protected:
    Object() = default;
    explicit Object(const IID& alias) : Interfaces<Entries...>(alias) {}
    virtual ~Object() = default;

    ULONG references() const { return references_; }

  private:
    std::atomic<ULONG> references_{1};
};

// An object inside another one, whose lifetime it shares: references count on the owner.
template <class... Entries>
class Part : public Interfaces<Entries...> {
  public:
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() final { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() final { return owner_.Release(); }

  protected:
    explicit Part(IUnknown& owner) : owner_(owner) {}
    ~Part() = default;

  private:
    IUnknown& owner_;
};

}  // namespace com

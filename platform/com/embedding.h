// A windowed object embedded in a container's window: the control interfaces that a container
// drives (the object, its in-place activation, its keys, its drawing and its persistence),
// answered for the object where the system has containers. Elsewhere there are none: the host
// activates a mask through IZenkorMaskView instead, and no embedding is made.
#pragma once

#include <memory>

#include "platform/com/com.h"
#include "platform/ui/types.h"

namespace com {

// What the embedded object offers its control interfaces.
class Embeddable {
  public:
    // The object's identity: the control interfaces give it their QueryInterface, AddRef and
    // Release.
    virtual IUnknown& outer() = 0;
    virtual const CLSID& classId() const = 0;
    // The template of the object's window, whose size is the control's natural size.
    virtual ui::DialogId windowTemplate() const = 0;
    // What the object shows where it has no window to paint.
    virtual ui::Colorref background() const = 0;
    // Creates the object's window (its activation runs meanwhile) and shows it; nothing when it
    // exists. The window is made a child of the host window the toolkit was given.
    virtual void openWindow() = 0;
    // Destroys the window (later, when it is busy with a message).
    virtual void closeWindow() = 0;
    // The object's outermost window; 0 while there is none (or on the headless backend).
    virtual ui::NativeWindow window() const = 0;
    // A key the container passes to the active control before the focused control sees it;
    // true when the form consumed it.
    virtual bool translateKey(ui::Key key) = 0;

  protected:
    ~Embeddable() = default;
};

// The control interfaces of one object, owned by it.
class Embedding {
  public:
    virtual ~Embedding() = default;
    // The interface `riid` of the control side (no reference added), or null.
    virtual void* find(REFIID riid) = 0;
};

// The control interfaces for `object`, or null where the system has no containers.
std::unique_ptr<Embedding> embed(Embeddable& object);

}  // namespace com

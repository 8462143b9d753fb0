// No containers on this system: the host activates a mask through its own view interface.
#include "platform/com/embedding.h"

namespace com {

std::unique_ptr<Embedding> embed(Embeddable&) {
    return nullptr;
}

}  // namespace com

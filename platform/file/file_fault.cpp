// The file layer's own faults, named alike on every system.
#include "platform/file/file.h"

namespace file {

const std::error_category& faultCategory() {
    class Category final : public std::error_category {
      public:
        const char* name() const noexcept override { return "file"; }
        std::string message(int value) const override {
            switch (static_cast<Fault>(value)) {
                case Fault::readOnly:
                    return "read-only";
                case Fault::locked:
                    return "locked by another process";
                case Fault::notRegular:
                    return "not a regular file";
            }
            return "unknown fault";
        }
    };
    static const Category category;
    return category;
}

}  // namespace file

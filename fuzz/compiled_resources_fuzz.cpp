// The reader of compiled resources on arbitrary bytes: every entry, and every entry's data read
// as a dialog template, a string block and a bitmap.
#include <cstddef>
#include <cstdint>
#include <span>

#include "tools/compiled_resources.h"

namespace {

template <class Read>
void attempt(Read read) {
    try {
        read();
    } catch (const rc::ResourceError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    attempt([&] {
        for (const rc::Resource& r : rc::readResFile(std::span(data, size))) {
            attempt([&] {
                for (const rc::DialogItem& item : rc::readDialogEx(r.data).items)
                    rc::controlKind(item);
            });
            attempt([&] { rc::readStringBlock(r.data); });
            attempt([&] { rc::readBitmap(r.data); });
        }
    });
    return 0;
}

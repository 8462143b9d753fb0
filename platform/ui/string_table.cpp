#include "platform/ui/string_table.h"

#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"

namespace ui {

std::string loadString(int id) {
    unsigned codePage = text::systemCodePage();
    for (const StringResource& s : stringTable(codePage)) {
        if (s.id == id)
            return text::fromUtf16(s.text, codePage);
    }
    return {};
}

}  // namespace ui

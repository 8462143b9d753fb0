#include "host/mask_classes.h"

#include <algorithm>
#include <array>

#include "resources/resource.h"
#include "server/class_table.h"

namespace host {
namespace {

struct MainForm {
    std::string_view coclass;
    int form;
};
// The forms of the classes whose templates are not in the resource script yet have no symbol.
constexpr std::array<MainForm, 6> kMainForms = {{
    {"Skyfolio", IDD_SKYFOLIO},
    {"TicketingIssuance", IDD_TICKETINGISSUANCE},
    {"TicketingReIssuance", IDD_TICKETINGREISSUANCE},
    {"IssLogTkt", IDD_ISSLOGTKT},
    {"IssManualVoidTkt", IDD_ISSMANUALVOIDTKT},
    {"IssBSPDamagedTkt", IDD_ISSBSPDAMAGEDTKT},
}};

const std::vector<MaskClass>& classes() {
    static const std::vector<MaskClass> all = [] {
        std::vector<MaskClass> list;
        for (const server::ClassEntry& entry : server::classTable()) {
            const auto form =
                std::find_if(kMainForms.begin(), kMainForms.end(),
                             [&](const MainForm& f) { return f.coclass == entry.name; });
            if (form != kMainForms.end())
                list.push_back({entry.name, form->form, entry.create != nullptr});
        }
        return list;
    }();
    return all;
}

}  // namespace

std::vector<MaskClass> maskClasses() {
    return classes();
}

const MaskClass* findMaskClass(std::string_view name) {
    const auto& all = classes();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const MaskClass& c) { return c.name == name; });
    return found == all.end() ? nullptr : &*found;
}

std::vector<std::string_view> maskClassNames(bool builtOnly) {
    std::vector<std::string_view> names;
    for (const MaskClass& c : classes()) {
        if (c.built || !builtOnly)
            names.push_back(c.name);
    }
    return names;
}

}  // namespace host

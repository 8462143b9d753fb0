// The mask classes as the host knows them: the component server's classes, each with the form
// that a control name without "DIALOG:" means, and whether the server can make it yet.
#pragma once

#include <string_view>
#include <vector>

namespace host {

struct MaskClass {
    std::string_view name;  // the coclass name
    int mainForm;           // the dialog template of its form
    bool built;             // the component server has a creator for it
};

// In the order of the server's class table.
std::vector<MaskClass> maskClasses();
// None for a name that is not a mask class.
const MaskClass* findMaskClass(std::string_view name);
// The names, all of them or the built ones.
std::vector<std::string_view> maskClassNames(bool builtOnly);

}  // namespace host

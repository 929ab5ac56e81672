// Finding a design's controls and menu items by the names the program gives them.
#include "windows/control.h"

#include <cstdlib>

namespace kn {

namespace {
const MenuItem* Find(const MenuItem& menu, std::string_view name) {
    if (menu.name == name) return &menu;
    for (const MenuItem& child : menu.children) {
        if (const MenuItem* found = Find(child, name)) return found;
    }
    return nullptr;
}
}  // namespace

ControlIndex IndexOf(const FormDesign& design, std::string_view name) {
    for (ControlIndex i = 0; i < design.controls.size(); ++i) {
        if (design.controls[i].name == name) return i;
    }
    std::abort();
}

const MenuItem& ItemOf(const MenuItem& menu, std::string_view name) {
    const MenuItem* found = Find(menu, name);
    if (!found) std::abort();
    return *found;
}

}  // namespace kn

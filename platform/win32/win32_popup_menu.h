// Pop-up menus built from a menu tree: items with children become submenus, and every item
// gets a command identifier from its place in a depth-first walk.
#pragma once

#include <vector>

#include "platform/gui_runtime.h"
#include "platform/win32/win32_handles.h"

namespace kn::win32 {

// The menu of `root`'s items; `items[id - kFirstMenuId]` is then item `id` itself.
OwnedMenu BuildPopupMenu(const MenuItem& root, std::vector<const MenuItem*>& items);

}  // namespace kn::win32

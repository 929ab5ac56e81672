// The menu tree turned into Win32 menus; the root itself only holds the items.
#include "platform/win32/win32_popup_menu.h"

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

using Items = std::vector<const MenuItem*>;

void AppendItems(HMENU menu, const std::vector<MenuItem>& children, Items& items);

void AppendItem(HMENU menu, const MenuItem& item, Items& items) {
    UINT_PTR id = kFirstMenuId + items.size();
    items.push_back(&item);
    std::wstring caption = Widen(item.caption);
    if (item.children.empty()) {
        AppendMenuW(menu, MF_STRING, id, caption.c_str());
        return;
    }
    HMENU sub = CreatePopupMenu();
    AppendItems(sub, item.children, items);
    AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
}

void AppendItems(HMENU menu, const std::vector<MenuItem>& children, Items& items) {
    for (const auto& item : children) AppendItem(menu, item, items);
}

}  // namespace

OwnedMenu BuildPopupMenu(const MenuItem& root, Items& items) {
    items.clear();
    OwnedMenu menu(CreatePopupMenu());
    AppendItems(menu.get(), root.children, items);
    return menu;
}

}  // namespace kn::win32

// The menu tree turned into Win32 menus; the root itself only holds the items.
#include "platform/win32/win32_popup_menu.h"

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace kn::win32 {

namespace {

void AppendItems(HMENU menu, const std::vector<MenuItem>& items, std::vector<std::string>& names);

void AppendItem(HMENU menu, const MenuItem& item, std::vector<std::string>& names) {
    UINT_PTR id = kFirstMenuId + names.size();
    names.push_back(item.name);
    std::wstring caption = Widen(item.caption);
    if (item.children.empty()) {
        AppendMenuW(menu, MF_STRING, id, caption.c_str());
        return;
    }
    HMENU sub = CreatePopupMenu();
    AppendItems(sub, item.children, names);
    AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
}

void AppendItems(HMENU menu, const std::vector<MenuItem>& items, std::vector<std::string>& names) {
    for (const auto& item : items) AppendItem(menu, item, names);
}

}  // namespace

OwnedMenu BuildPopupMenu(const MenuItem& root, std::vector<std::string>& names) {
    names.clear();
    OwnedMenu menu(CreatePopupMenu());
    AppendItems(menu.get(), root.children, names);
    return menu;
}

}  // namespace kn::win32

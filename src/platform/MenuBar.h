#pragma once

#include "platform/MenuItem.h"

#include <memory>
#include <string>

namespace platform {

// The application's menu bar as data: its children are the menus, theirs the
// items. Windows show it above their content and run its shortcuts.
class MenuBar : public MenuItem {
public:
    using Ref = std::shared_ptr<MenuBar>;
    static Ref Create() { return Ref(new MenuBar()); }

    // The item, in any menu, whose shortcut is Cmd plus key, key given
    // as a window hands it on ("w", "W" with Shift, "?", ","); a letter's
    // shortcut is typed without Shift. Nil when none.
    MenuItem::Ref FindShortcut(const std::string& key) const;

    // One EnableMenuItems round: every item enabled as its AutoEnable says,
    // then the front window's and the application's EnableMenuItems.
    void UpdateEnabled();

protected:
    MenuBar() = default;
};

// The key of a "Cmd+" shortcut as FindShortcut matches it ("w" for "Cmd+W");
// empty when the text is not such a shortcut.
std::string ShortcutKey(const std::string& shortcut);

}  // namespace platform

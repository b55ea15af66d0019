#pragma once

// Private to the platform layer: menus as data turned into Qt menus.

#include "platform/MenuItem.h"

#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace platform {

using MenuActions = std::vector<std::pair<QAction*, MenuItem::Ref>>;

// Appends parent's items to menu: "-" a separator, an item with children a
// submenu, each with its state, its role and its shortcut shown beside its
// text. Every action made, submenus' included, is listed with its item.
void AddMenuItems(QMenu& menu, const MenuItem::Ref& parent, MenuActions& actions);

}  // namespace platform

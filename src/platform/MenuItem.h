#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// What the platform itself does with a menu item chosen that no handler took:
// Quit ends the application; Preferences and About are offered where the
// desktop puts such commands.
enum class MenuRole { Plain, Quit, Preferences, About };

// A menu command handler; answers true when it took the command.
using MenuHandler = std::function<bool()>;

// One entry of a menu, as plain data: the window layer shows it (menu bar,
// contextual and pop-up menus) and hands the chosen entry back.
class MenuItem : public Object {
public:
    using Ref = std::shared_ptr<MenuItem>;
    static Ref Create(std::string text = {}, Variant tag = {});

    std::string Text;
    std::string Name;
    Variant Tag;
    bool Enabled = true;
    bool Checked = false;
    // "Cmd+" and a key ("Cmd+W", "Cmd+,"); Cmd is Ctrl here. Empty for none.
    std::string KeyboardShortcut;
    // Enabled before every EnableMenuItems round; otherwise disabled until a
    // handler of that round enables it.
    bool AutoEnable = true;
    MenuRole Role = MenuRole::Plain;

    int32_t Count() const { return static_cast<int32_t>(mChildren.size()); }
    Ref Child(int32_t index) const;  // nil outside 0 .. Count - 1
    Ref Child(const std::string& name) const;  // the first direct child of that Name; nil when none
    void Append(Ref item);           // a nil item raises NilObjectException

    // Shows the items as a pop-up menu with its top-left corner at the screen
    // point (x, y), tracks it modally and answers the chosen item, or nil.
    Ref PopUp(int32_t x, int32_t y);

protected:
    MenuItem() = default;

private:
    std::vector<Ref> mChildren;
};

}  // namespace platform

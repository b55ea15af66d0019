#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

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

    int32_t Count() const { return static_cast<int32_t>(mChildren.size()); }
    Ref Child(int32_t index) const;  // nil outside 0 .. Count - 1
    void Append(Ref item);           // a nil item raises NilObjectException

    // Shows the items as a pop-up menu with its top-left corner at the screen
    // point (x, y), tracks it modally and answers the chosen item, or nil.
    Ref PopUp(int32_t x, int32_t y);

private:
    MenuItem() = default;

    std::vector<Ref> mChildren;
};

}  // namespace platform

#include "platform/MenuItem.h"
#include "platform/Services.h"

namespace platform {

MenuItem::Ref MenuItem::PopUp(int32_t x, int32_t y)
{
    return PopUpMenu(std::dynamic_pointer_cast<MenuItem>(shared_from_this()), x, y);
}

}  // namespace platform

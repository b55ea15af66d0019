#pragma once

#include "platform/Object.h"

#include <memory>

namespace platform {

// What the desktop hands over in a drag. The toolkit takes no data from it.
class DragItem : public Object {
public:
    using Ref = std::shared_ptr<DragItem>;
    static Ref Create() { return Ref(new DragItem()); }

private:
    DragItem() = default;
};

}  // namespace platform

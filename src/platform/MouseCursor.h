#pragma once

#include "platform/Object.h"

#include <memory>

namespace platform {

// A mouse pointer shape; the window layer turns it into the desktop's cursor.
class MouseCursor : public Object {
public:
    using Ref = std::shared_ptr<MouseCursor>;
    enum class Shape { Arrow, IBeam, PointingHand, Cross, Wait };

    static Ref Create(Shape shape) { return Ref(new MouseCursor(shape)); }
    Shape shape() const { return mShape; }

private:
    explicit MouseCursor(Shape shape) : mShape(shape) {}

    Shape mShape;
};

// Hides the mouse pointer until the mouse next moves (while the user types).
void ObscureCursor();

}  // namespace platform

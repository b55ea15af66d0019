#pragma once

#include "platform/Object2D.h"

#include <memory>

namespace platform {

// A slice of the ellipse Width by Height around the shape's centre. Angles are
// in radians, 0 pointing right, growing clockwise on the screen; the filled
// form is a pie slice, the border runs along the arc only.
class ArcShape : public Object2D {
public:
    using Ref = std::shared_ptr<ArcShape>;
    static Ref Create() { return Ref(new ArcShape()); }

    double Width = 0;
    double Height = 0;
    double StartAngle = 0;
    double ArcAngle = 0;

private:
    ArcShape() = default;
};

}  // namespace platform

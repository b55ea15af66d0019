#pragma once

#include "platform/Color.h"
#include "platform/Object.h"

namespace platform {

// A vector shape drawn with Graphics::DrawObject, placed by its centre.
// Fill and Border are opacities in percent (0 draws nothing, 100 opaque).
class Object2D : public Object {
public:
    double Fill = 100;
    Color FillColor;
    double Border = 0;
    Color BorderColor;
    double BorderWidth = 1;

protected:
    Object2D() = default;
};

}  // namespace platform

#pragma once

#include "platform/Variant.h"
#include "toolkit/geometry/VR2Rect.h"

// A rectangle with a tag naming a hot spot ("thumb", "label"). Every
// rectangle operation ignores the tag; copy() gives an untagged VR2Rect.
class VR2TagRect : public VR2Rect {
public:
    using Ref = std::shared_ptr<VR2TagRect>;

    static Ref Create() { return Ref(new VR2TagRect()); }
    static Ref Create(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        return Ref(new VR2TagRect(left, top, width, height));
    }
    static Ref Create(int32_t width, int32_t height) { return Ref(new VR2TagRect(0, 0, width, height)); }
    static Ref Create(std::string_view text) { return Ref(new VR2TagRect(text)); }

    platform::Variant Tag;

private:
    using VR2Rect::VR2Rect;
    VR2TagRect() = default;
};

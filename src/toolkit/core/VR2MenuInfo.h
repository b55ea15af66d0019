#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <memory>
#include <string>

// One menu entry copied into a plain record (it travels in message params).
class VR2MenuInfo : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2MenuInfo>;
    static Ref Create() { return Ref(new VR2MenuInfo()); }

    bool Enabled = false;
    std::string Text;
    platform::Variant Tag;

private:
    VR2MenuInfo() = default;
};

#pragma once

#include "platform/Dictionary.h"
#include "platform/Object.h"
#include "platform/Variant.h"
#include "toolkit/core/VR2Codes.h"

#include <cstdint>
#include <memory>
#include <string>

// One request. Every receiver of one delivery reads and writes the same
// result, params and reply; the sender reads them when the delivery returns.
class VR2Message : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Message>;

    // A message with a new empty params Dictionary.
    static Ref Create();
    static Ref Create(std::string category, int32_t selector);

    std::string category;
    int32_t selector = 0;
    int32_t result = codes::kResultNone;  // one of the codes::kResult values
    platform::Dictionary::Ref params;
    platform::Variant reply;

    // One line: "slte_timer: 'actn'=1633907822 ( )". A key or value without a
    // text form reads "__Unknown"; nil params raise NilObjectException.
    std::string description() const;

private:
    VR2Message() = default;
};

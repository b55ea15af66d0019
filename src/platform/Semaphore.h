#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <semaphore>

namespace platform {

// A counting semaphore: Signal takes one unit (waiting while none is left),
// Release gives one back.
class Semaphore : public Object {
public:
    using Ref = std::shared_ptr<Semaphore>;
    static Ref Create(int32_t count = 1) { return Ref(new Semaphore(count)); }

    void Signal() { mUnits.acquire(); }
    void Release() { mUnits.release(); }

private:
    explicit Semaphore(int32_t count) : mUnits(count < 0 ? 0 : count) {}

    std::counting_semaphore<> mUnits;
};

}  // namespace platform

#include "toolkit/core/VR2Timer.h"

#include "toolkit/core/Vireo2Engine.h"

namespace {

// Tells a reference that was never set (or was cleared) from one whose object has gone.
bool NeverSet(const std::weak_ptr<VR2Object>& reference)
{
    const std::weak_ptr<VR2Object> empty;
    return !reference.owner_before(empty) && !empty.owner_before(reference);
}

}  // namespace

void VR2Timer::Action()
{
    auto target = Target.lock();
    if (!target && !NeverSet(Target))
        return;
    Vireo2Engine::VR2SendMessage(Caller.lock(), target, Message);
}

#pragma once

#include "platform/Timer.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/VR2Object.h"

#include <memory>

// A platform timer whose every firing sends the same Message to Target (along
// the responder chain when Target is nil) with Caller as sender. The message is
// not reset between firings. Target and Caller are weak: the timer is usually
// owned by its target, and a target that has gone receives nothing.
class VR2Timer : public platform::Timer {
public:
    using Ref = std::shared_ptr<VR2Timer>;
    static Ref Create() { return Ref(new VR2Timer()); }

    VR2Message::Ref Message;
    std::weak_ptr<VR2Object> Target;
    std::weak_ptr<VR2Object> Caller;

protected:
    VR2Timer() = default;

    void Action() override;
};

#include "toolkit/core/Vireo2Engine.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2NotificationCenter.h"

#include <algorithm>

namespace Vireo2Engine {

namespace {

// Members stay until the event loop has returned.
std::vector<VR2Object::Ref>& ResponderChain()
{
    static std::vector<VR2Object::Ref> chain;
    return chain;
}

std::shared_ptr<VR2NotificationCenter>& NotificationCenter()
{
    static std::shared_ptr<VR2NotificationCenter> center;
    return center;
}

void WalkResponderChain(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    // A fresh copy on every pass: members added or moved by a receiver are
    // seen at the next pass, and the visited set keeps each to one offer.
    std::vector<const platform::Object*> visited;
    while (true) {
        const auto chain = VR2ResponderChainCopy();
        VR2Object::Ref receiver;
        for (auto member = chain.rbegin(); member != chain.rend(); ++member) {
            const platform::Object* identity = member->get();
            if (std::find(visited.begin(), visited.end(), identity) == visited.end()) {
                receiver = *member;
                visited.push_back(identity);
                break;
            }
        }
        if (!receiver)
            return;
        receiver->Action(sender, message);
        if (message->result == codes::kResultHandled)
            return;
    }
}

}  // namespace

void VR2SendMessage(const VR2Object::Ref& sender, const VR2Object::Ref& target, const VR2Message::Ref& message)
{
    platform::Require(message);
    if (target)
        target->Action(sender, message);
    else
        WalkResponderChain(sender, message);
}

void VR2ForwardMessage(const VR2Object::Ref& forwarder, const VR2Object::Ref& sender, const VR2Object::Ref& target,
                       const VR2Message::Ref& message)
{
    platform::Require(message);
    if (!target) {
        message->result = codes::kResultNoTarget;
        return;
    }
    if (forwarder && VR2SameObject(forwarder.get(), sender.get())) {
        message->result = codes::kResultStop;
        return;
    }
    target->Action(sender, message);
}

void VR2Responder_AcquireFocus(const VR2Object::Ref& object)
{
    platform::Require(object);
    auto& chain = ResponderChain();
    const auto found = std::find_if(chain.begin(), chain.end(),
                                    [&](const VR2Object::Ref& member) { return VR2SameObject(member.get(), object.get()); });
    if (found != chain.end())
        chain.erase(found);
    chain.push_back(object);
}

std::vector<VR2Object::Ref> VR2ResponderChainCopy() { return ResponderChain(); }

std::shared_ptr<VR2NotificationCenter> VR2DefaultNotificationCenter()
{
    auto& center = NotificationCenter();
    if (!center)
        center = VR2NotificationCenter::Create();
    return center;
}

void ReleaseAtEndOfRun()
{
    // Swapped out, so that the members go with the chain already empty.
    std::vector<VR2Object::Ref>().swap(ResponderChain());
    VR2CurrentDragObject.reset();
    NotificationCenter().reset();
}

void ResetForTesting()
{
    ReleaseAtEndOfRun();
    VR2DebugBoundingBox = false;
}

}  // namespace Vireo2Engine

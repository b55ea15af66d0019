#pragma once

#include "toolkit/core/VR2Message.h"
#include "toolkit/core/VR2Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2DragObject;
class VR2NotificationCenter;
class VR2Surface;
class VR2View;

// The toolkit engine: message delivery, the responder chain, the process-wide
// notification center, target codes, and the services over lists of views.
namespace Vireo2Engine {

// Outlines every painted view in red. Off unless a developer turns it on.
inline bool VR2DebugBoundingBox = false;

// The drag under way, when a view host tracks one; nothing sets it yet.
inline std::shared_ptr<VR2DragObject> VR2CurrentDragObject;

// Delivers the message to target, or along the responder chain (newest member
// first, each at most once, until one sets result 1) when target is nil.
// Exceptions from receivers reach the caller. A nil message raises NilObjectException.
void VR2SendMessage(const VR2Object::Ref& sender, const VR2Object::Ref& target, const VR2Message::Ref& message);

// Passes a message on to target, keeping its sender. A nil target sets result
// 4; a forwarder that is the sender sets result 3; neither delivers.
void VR2ForwardMessage(const VR2Object::Ref& forwarder, const VR2Object::Ref& sender, const VR2Object::Ref& target,
                       const VR2Message::Ref& message);

// Makes object the newest member of the responder chain (moving it when it is
// a member already). A nil object raises NilObjectException.
void VR2Responder_AcquireFocus(const VR2Object::Ref& object);

// The chain's members, oldest first, in a new array.
std::vector<VR2Object::Ref> VR2ResponderChainCopy();

// The one notification center of the process, made on first use.
std::shared_ptr<VR2NotificationCenter> VR2DefaultNotificationCenter();

// Test seam: empties the responder chain and forgets the notification center.
void ResetForTesting();

}  // namespace Vireo2Engine

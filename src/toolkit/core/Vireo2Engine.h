#pragma once

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/VR2Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Picture;
}
class VR2DragObject;
class VR2Graphics;
class VR2NotificationCenter;
class VR2Point;
class VR2Rect;
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
// first, each at most once, until one sets codes::kResultHandled) when target is nil.
// Exceptions from receivers reach the caller. A nil message raises NilObjectException.
void VR2SendMessage(const VR2Object::Ref& sender, const VR2Object::Ref& target, const VR2Message::Ref& message);

// Passes a message on to target, keeping its sender. A nil target sets
// codes::kResultNoTarget; a forwarder that is the sender sets
// codes::kResultStop; neither delivers.
void VR2ForwardMessage(const VR2Object::Ref& forwarder, const VR2Object::Ref& sender, const VR2Object::Ref& target,
                       const VR2Message::Ref& message);

// Makes object the newest member of the responder chain (moving it when it is
// a member already). A nil object raises NilObjectException.
void VR2Responder_AcquireFocus(const VR2Object::Ref& object);

// The chain's members, oldest first, in a new array.
std::vector<VR2Object::Ref> VR2ResponderChainCopy();

// The one notification center of the process, made on first use.
std::shared_ptr<VR2NotificationCenter> VR2DefaultNotificationCenter();

// Target codes: the object that code (with name, for the codes that need one)
// designates relative to source, or nil. 'self', 'parn', 'top ', 'app ',
// 'fapp', 'fprt', 'ftop', 'fslf', 'frst', 'inap', 'inpt', 'intp', 'insf',
// 'papp', 'pprt', 'ptop', 'pslf'; name lookups search deep and find hidden views.
VR2Object::Ref VR2FindTargetObject(int32_t code, const std::string& name, const VR2Object::Ref& source);

// Searches the application's windows that are surfaces, from index 0, the
// window count read again before each; the first answer wins.
std::shared_ptr<VR2View> VR2ApplicationFindViewByName(const std::string& name, bool deep, bool visibleOnly);
// The first surface window's focus view, or that window itself when none has it.
VR2Object::Ref VR2ApplicationFindFocusObject();
// The Booleans have no effect: a path is searched deep and includes hidden views.
std::shared_ptr<VR2View> VR2ApplicationFindViewByPath(const std::string& path, bool deep, bool visibleOnly);

// Finds "container.child" one name at a time, each searched deep inside the
// view found before it. A nil surface raises NilObjectException.
std::shared_ptr<VR2View> VR2FindViewByPath(const std::shared_ptr<VR2Surface>& surface, const std::string& path);

// Services over a holder's list of views (first at the bottom, last on top).
using ViewList = std::vector<std::shared_ptr<VR2View>>;

// Moves and sizes the pinned views after the holder changed from oldBounds to
// newBounds, then calls DoResizing (live, only for views that changed) or
// DoResized (every pinned view). True when any view is pinned.
bool VR2ArrangeLockedViews(const std::shared_ptr<VR2Rect>& oldBounds, const std::shared_ptr<VR2Rect>& newBounds,
                           bool live, const ViewList& views);

// The topmost view under point (holder coordinates, edges included). With
// recurse, a surface hit answers for itself: nil when none of its children is
// under the point. passOn is handed to nested surfaces unread.
std::shared_ptr<VR2View> VR2FindViewAtPoint(const ViewList& views, const std::shared_ptr<VR2Point>& point,
                                            bool visibleOnly, bool recurse, int32_t passOn);

// The view after (forward) or before view; at the ends, with wrap and at least
// two views, the first or the last. A view not in the list counts as index -1.
std::shared_ptr<VR2View> VR2FindViewSibling(const ViewList& views, const std::shared_ptr<VR2View>& view,
                                            bool forward, bool wrap);

// Depth first, first to last, each view before the views inside it. With
// visibleOnly a hidden view hides what it holds. passOn is handed on unread.
std::shared_ptr<VR2View> VR2FindViewByName(const ViewList& views, const std::string& name, bool passOn,
                                           bool visibleOnly);

// Sets rect's width and height to the text's size, measured with g or, when g
// is nil, in the system font.
void VR2AutoSizeRectForString(const std::string& text, const std::shared_ptr<VR2Rect>& rect,
                              const std::shared_ptr<VR2Graphics>& g);

// Paints the visible views that meet dirty (holder coordinates), bottom first.
// A view that must be clipped (AutoClip, or partly dirty and not a holder) or
// blended (Opacity below 1) goes through an off-screen picture of its visible
// part. background is not read.
void VR2CompositeRect(const std::shared_ptr<VR2Graphics>& g, const ViewList& views,
                      const std::shared_ptr<VR2Rect>& dirty, const std::shared_ptr<platform::Picture>& background);

// Once the event loop has returned: lets go of the responder chain's members,
// the notification center and the drag, so that the windows and timers they
// keep go while the platform still runs, not in a static destructor after it.
void ReleaseAtEndOfRun();

// Test seam: the release above, and the debug switch off.
void ResetForTesting();

}  // namespace Vireo2Engine

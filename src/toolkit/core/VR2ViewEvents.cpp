#include "toolkit/core/VR2View.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/VireoStandardProperties.h"

using platform::Variant;
using VireoStandardProperties::FindProperty;
using VireoStandardProperties::IsKey;
using VireoStandardProperties::kHeightKey;
using VireoStandardProperties::kLeftKey;
using VireoStandardProperties::kTopKey;
using VireoStandardProperties::kVisibleKey;
using VireoStandardProperties::kWidthKey;

namespace {

constexpr const char* kViewCategory = "vr2view";

// The properties every view answers itself, before its subclass sees the rest.
VireoStandardProperties::PropertyTable BuiltInProperties(VR2View& view)
{
    return {{kHeightKey, [&view] { return Variant(view.height()); },
             [&view](const Variant& value) { view.height(value.Int32Value()); }},
            {kLeftKey, [&view] { return Variant(view.left()); },
             [&view](const Variant& value) { view.left(value.Int32Value()); }},
            {kTopKey, [&view] { return Variant(view.top()); },
             [&view](const Variant& value) { view.top(value.Int32Value()); }},
            {kWidthKey, [&view] { return Variant(view.width()); },
             [&view](const Variant& value) { view.width(value.Int32Value()); }},
            {kVisibleKey, [&view] { return Variant(view.Visible); },
             [&view](const Variant& value) { view.Visible = value.BooleanValue(); }}};
}

}  // namespace

// Hooks without a gate.

void VR2View::DoActivate()
{
    if (mReleased)
        return;
    mActive = true;
    Activate();
}

bool VR2View::DoCancelClose(bool appQuitting) { return !mReleased && CancelClose(appQuitting); }

void VR2View::DoClose()
{
    if (!mReleased)
        Close();
}

void VR2View::DoDeactivate()
{
    if (mReleased)
        return;
    mActive = false;
    Deactivate();
}

void VR2View::DoMaximize()
{
    if (!mReleased)
        Maximize();
}

void VR2View::DoMinimize()
{
    if (!mReleased)
        Minimize();
}

void VR2View::DoMoved()
{
    if (!mReleased)
        Moved();
}

void VR2View::DoOpen()
{
    if (!mReleased)
        Open();
}

void VR2View::DoResized(const VR2Rect::Ref& oldBounds)
{
    if (!mReleased)
        Resized(oldBounds);
}

void VR2View::DoResizing(const VR2Rect::Ref& oldBounds)
{
    if (!mReleased)
        Resizing(oldBounds);
}

void VR2View::DoRestore()
{
    if (!mReleased)
        Restore();
}

void VR2View::DoLostFocus()
{
    if (mReleased)
        return;
    if (EventHandlerTable)
        EventHandlerTable->triggerHandler(codes::kEventLostFocus, Self(), nullptr);
    LostFocus();
}

// Hooks that only an enabled view answers.

bool VR2View::DoConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    return !mReleased && Enabled && ConstructContextualMenu(base, x, y);
}

bool VR2View::DoContextualMenuAction(const platform::MenuItem::Ref& hitItem)
{
    return !mReleased && Enabled && ContextualMenuAction(hitItem);
}

bool VR2View::DoDragEnter(const VR2DragObject::Ref& drag, int32_t action)
{
    if (mReleased || !Enabled || !DragEnter(drag, action))
        return false;
    mDragOver = true;
    refresh();
    return true;
}

void VR2View::DoDragExit(const VR2DragObject::Ref& drag, int32_t action)
{
    if (mReleased || !Enabled || !mDragOver)
        return;
    mDragOver = false;
    refresh();
    DragExit(drag, action);
}

bool VR2View::DoDragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action)
{
    return !mReleased && Enabled && mDragOver && DragOver(x, y, drag, action);
}

void VR2View::DoDropObject(const VR2DragObject::Ref& drag, int32_t action)
{
    if (mReleased || !Enabled || !mDragOver)
        return;
    mDragOver = false;
    refresh();
    DropObject(drag, action);
}

void VR2View::DoEnableMenuItems()
{
    if (!mReleased && Enabled)
        EnableMenuItems();
}

bool VR2View::DoKeyDown(const std::string& key) { return !mReleased && Enabled && KeyDown(key); }

bool VR2View::DoMouseDown(int32_t x, int32_t y)
{
    if (mReleased || !Enabled)
        return false;
    mMouseUpCalled = false;
    CancelDragging = false;
    return MouseDown(x, y);
}

void VR2View::DoMouseDrag(int32_t x, int32_t y, bool& cancel)
{
    if (mReleased || !Enabled)
        return;
    if (CancelDragging) {
        cancel = true;
        return;
    }
    MouseDrag(x, y);
    // A handler that cancels the drag gets its mouse-up now; the real one is swallowed.
    if (CancelDragging && !mMouseUpCalled) {
        DoMouseUp(x, y);
        mMouseUpCalled = true;
    }
}

void VR2View::DoMouseEnter()
{
    if (!mReleased && Enabled)
        MouseEnter();
}

void VR2View::DoMouseExit()
{
    if (!mReleased && Enabled)
        MouseExit();
}

void VR2View::DoMouseMove(int32_t x, int32_t y)
{
    if (!mReleased && Enabled)
        MouseMove(x, y);
}

void VR2View::DoMouseUp(int32_t x, int32_t y)
{
    if (mReleased || !Enabled)
        return;
    if (mMouseUpCalled) {
        mMouseUpCalled = false;
        return;
    }
    MouseUp(x, y);
}

bool VR2View::DoMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    return !mReleased && Enabled && MouseWheel(x, y, deltaX, deltaY);
}

void VR2View::DoGotFocus()
{
    if (mReleased || !Enabled)
        return;
    if (EventHandlerTable)
        EventHandlerTable->triggerHandler(codes::kEventGotFocus, Self(), nullptr);
    GotFocus();
}

// Messages

void VR2View::VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    if (mReleased)
        return;
    platform::Require(message);
    if (message->category == VireoStandardProperties::kCategory) {
        const auto selector = message->selector;
        if (selector == codes::kGetProperty || selector == codes::kHasProperty || selector == codes::kSetProperty) {
            const auto& params = platform::Require(message->params);
            if (selector == codes::kGetProperty) {
                auto values = platform::Dictionary::Create();
                DoPropertyGet(params.Keys(), values);
                message->reply = values;
            } else if (selector == codes::kHasProperty) {
                message->reply = DoPropertyCheck(params.Keys());
            } else {
                DoPropertySet(message->params);
            }
            message->result = codes::kResultHandled;
            return;
        }
    } else if (message->category == kViewCategory) {
        const bool enable = message->selector == codes::kEnable && !Enabled;
        const bool disable = message->selector == codes::kDisable && Enabled;
        if (enable || disable) {
            Enabled = enable;
            refresh();
            message->result = codes::kResultHandled;
            return;
        }
    }

    HandleMessage(sender, message);
    if (codes::EndsRoad(message->result))
        return;
    if (const auto surface = mSurface.lock())
        Vireo2Engine::VR2ForwardMessage(Self(), sender, std::dynamic_pointer_cast<VR2Object>(surface), message);
}

// Properties

bool VR2View::DoPropertyCheck(const std::vector<platform::Variant>& keys)
{
    if (mReleased || keys.empty())
        return false;
    const auto builtIn = BuiltInProperties(*this);
    std::vector<platform::Variant> remaining;
    for (const auto& key : keys)
        if (!FindProperty(builtIn, key))
            remaining.push_back(key);
    return remaining.empty() || PropertyCheck(remaining);
}

bool VR2View::DoPropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values)
{
    if (mReleased || keys.empty())
        return false;
    platform::Require(values);
    const auto builtIn = BuiltInProperties(*this);
    std::vector<platform::Variant> remaining;
    for (const auto& key : keys) {
        if (const auto* property = FindProperty(builtIn, key))
            values->SetValue(key, property->get());
        else
            remaining.push_back(key);
    }
    return remaining.empty() || PropertyGet(remaining, values);
}

bool VR2View::DoPropertySet(const platform::Dictionary::Ref& values)
{
    if (mReleased)
        return false;
    platform::Require(values);
    if (values->Count() == 0)
        return false;
    const auto builtIn = BuiltInProperties(*this);
    auto rest = platform::Dictionary::Create();
    bool visibilityChanged = false;
    for (const auto& key : values->Keys()) {
        const auto value = values->Value(key);
        if (const auto* property = FindProperty(builtIn, key)) {
            property->set(value);
            visibilityChanged = visibilityChanged || IsKey(key, kVisibleKey);
        } else {
            rest->SetValue(key, value);
        }
    }
    const bool result = rest->Count() == 0 || PropertySet(rest);
    if (visibilityChanged)
        refresh();
    return result;
}

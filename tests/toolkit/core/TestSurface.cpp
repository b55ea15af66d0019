#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

VR2View::Ref TestSurface::AddView(int32_t left, int32_t top, int32_t width, int32_t height, std::string name)
{
    auto view = VR2View::Create<VR2View>();
    view->move(left, top, false);
    view->resize(width, height, false);
    view->Name = std::move(name);
    view->attach(std::dynamic_pointer_cast<VR2Surface>(Self()), false, false);
    return view;
}

TestSurface::Ref TestSurface::AddSurface(int32_t left, int32_t top, int32_t width, int32_t height, std::string name)
{
    auto surface = Create(width, height);
    surface->move(left, top, false);
    surface->Name = std::move(name);
    surface->attach(std::dynamic_pointer_cast<VR2Surface>(Self()), false, false);
    return surface;
}

void TestSurface::HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    log->push_back({Name, message->category, message->selector, sender.get(), message});
    if (reaction)
        reaction(sender, message);
}

bool TestSurface::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    if (fillColor) {
        g->SetForeColor(*fillColor);
        g->FillRect(0, 0, width(), height());
    }
    Vireo2Engine::VR2CompositeRect(g, views, rect, nullptr);
    return true;
}

void TestSurface::VR2Surface_AttachView(const ViewRef& view)
{
    views.push_back(view);
    view->Active(active);
    view->DoOpen();
}

void TestSurface::VR2Surface_DetachView(const ViewRef& view)
{
    std::erase_if(views, [&](const ViewRef& member) { return VR2SameObject(member.get(), view.get()); });
}

TestSurface::ViewRef TestSurface::VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly)
{
    return Vireo2Engine::VR2FindViewByName(views, name, deep, visibleOnly);
}

TestSurface::ViewRef TestSurface::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse,
                                                             int32_t passOn)
{
    return Vireo2Engine::VR2FindViewAtPoint(views, point, visibleOnly, recurse, passOn);
}

void TestSurface::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture)
{
    const auto up = parent(false);
    if (!up) {
        updates.push_back(rect->copy());
        return;
    }
    const auto visible = frame();
    if (!rect->intersects(visible))
        return;
    auto clipped = rect->intersection(visible);
    clipped->offset(left(), top());
    if (!clipped->empty())
        up->UpdateRect(clipped, picture);
}

TestSurface::ViewRef TestSurface::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return Vireo2Engine::VR2FindViewSibling(views, view, forward, wrap);
}

VR2Surface::Ref TestSurface::VR2Surface_RootSurface()
{
    const auto up = parent(false);
    return up ? up->RootSurface() : std::dynamic_pointer_cast<VR2Surface>(Self());
}

void TestSurface::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    if (const auto up = parent(false)) {
        up->ChangeFocus(view, code);
        return;
    }
    if (code == codes::kFocusGive && !VR2SameObject(focus.get(), view.get())) {
        const auto old = focus;
        focus = view;
        if (old)
            old->DoLostFocus();
        view->DoGotFocus();
    } else if (code == codes::kFocusTake && VR2SameObject(focus.get(), view.get())) {
        focus = nullptr;
        view->DoLostFocus();
    }
}

bool TestSurface::VR2Surface_isFocusView(const ViewRef& view)
{
    if (const auto up = parent(false))
        return up->isFocusView(view);
    return focus && VR2SameObject(focus.get(), view.get());
}

VR2Rect::Ref TestSurface::VR2Surface_Bounds(int32_t space)
{
    if (space < codes::kSpaceLocal || space > codes::kSpaceScreen)
        throw platform::TypeMismatchException();
    const auto up = parent(false);
    if (space == codes::kSpaceScreen)
        return up ? bounds(codes::kSpaceScreen) : VR2Rect::Create(screenLeft, screenTop, width(), height());
    return up ? bounds(space) : VR2Rect::Create(0, 0, width(), height());
}

void TestSurface::VR2Surface_SubviewDidChangeBounds(const ViewRef& view, const VR2Rect::Ref& oldBounds, bool resized,
                                                    bool moved)
{
    subviewChanges.push_back(view->Name + " " + oldBounds->description() + (resized ? " resized" : "") +
                             (moved ? " moved" : ""));
}

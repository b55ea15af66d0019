#include "HostTestViews.h"

#include "toolkit/core/Vireo2Engine.h"

#include <algorithm>

std::string PointText(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }

std::string KeyLabel(const std::string& key)
{
    const auto code = static_cast<unsigned char>(key[0]);
    return code < 0x20 || code == 0x7F ? "#" + std::to_string(code) : key;
}

ProbeView::Ref ProbeView::Create(const std::shared_ptr<EventLog>& log, std::string name, int32_t left, int32_t top,
                                 int32_t width, int32_t height, platform::Color color)
{
    auto view = VR2View::Create<ProbeView>();
    view->log = log;
    view->Name = std::move(name);
    view->color = color;
    view->move(left, top, false);
    view->resize(width, height, false);
    return view;
}

bool ProbeView::ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    Add("ConstructContextualMenu " + PointText(x, y));
    base->Append(platform::MenuItem::Create("Cut"));
    base->Append(platform::MenuItem::Create("Copy"));
    return true;
}

bool ProbeView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    ++paints;
    g->SetForeColor(color);
    g->FillRect(0, 0, width(), height());
    if (onPaint)
        onPaint();
    return true;
}

TestHolder::Ref TestHolder::Create(std::string name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto holder = VR2View::Create<TestHolder>();
    holder->Name = std::move(name);
    holder->move(left, top, false);
    holder->resize(width, height, false);
    return holder;
}

bool TestHolder::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    Vireo2Engine::VR2CompositeRect(g, views, rect, nullptr);
    return true;
}

void TestHolder::VR2Surface_AttachView(const ViewRef& view)
{
    views.push_back(view);
    view->DoOpen();
}

void TestHolder::VR2Surface_DetachView(const ViewRef& view)
{
    views.erase(std::remove(views.begin(), views.end(), view), views.end());
}

TestHolder::ViewRef TestHolder::VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly)
{
    return Vireo2Engine::VR2FindViewByName(views, name, deep, visibleOnly);
}

TestHolder::ViewRef TestHolder::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse,
                                                           int32_t passOn)
{
    return Vireo2Engine::VR2FindViewAtPoint(views, point, visibleOnly, recurse, passOn);
}

void TestHolder::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture)
{
    const auto surface = parent(false);
    const auto moved = rect->intersection(frame());
    moved->offset(left(), top());
    if (surface && !moved->empty())
        surface->UpdateRect(moved, picture);
}

TestHolder::ViewRef TestHolder::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return Vireo2Engine::VR2FindViewSibling(views, view, forward, wrap);
}

VR2Surface::Ref TestHolder::VR2Surface_RootSurface()
{
    const auto surface = parent(false);
    return surface ? surface->RootSurface() : nullptr;
}

void TestHolder::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    if (const auto surface = parent(false))
        surface->ChangeFocus(view, code);
}

bool TestHolder::VR2Surface_isFocusView(const ViewRef& view)
{
    const auto surface = parent(false);
    return surface && surface->isFocusView(view);
}

TestHostWindow::Ref TestHostWindow::Create(const std::shared_ptr<EventLog>& log, int32_t width, int32_t height)
{
    Ref window(new TestHostWindow());
    window->log = log;
    window->Width(width);
    window->Height(height);
    return Opened(window);
}

bool TestHostWindow::ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    Add("ConstructContextualMenu " + PointText(x, y));
    base->Append(platform::MenuItem::Create("Window item"));
    return true;
}

void TestHostWindow::HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message)
{
    Add("HandleMessage " + (message ? message->category : std::string("nil")));
    if (handleMessages && message)
        message->result = 1;
}

bool TestHostWindow::PaintRect(const VR2Graphics::Ref& g, const VR2Rect::Ref& rect)
{
    ++paintRects;
    paintRectArguments.push_back(rect->description());
    if (onPaintRect)
        onPaintRect(g, rect);
    return false;
}

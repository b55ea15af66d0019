#include "platform/private/WindowWidget.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

// The window manager hints that Motif started and X window managers still read:
// flags, functions, decorations, input mode, status.
constexpr uint32_t kHintsFunctions = 1;
constexpr uint32_t kHintsDecorations = 2;
constexpr uint32_t kFunctionAll = 1;
constexpr uint32_t kFunctionResize = 2;
constexpr uint32_t kFunctionMaximize = 16;
constexpr uint32_t kFunctionsEach = 0x3E;  // resize, move, minimise, maximise, close
constexpr uint32_t kDecorationAll = 1;
constexpr uint32_t kDecorationResizeHandles = 4;
constexpr uint32_t kDecorationMaximize = 64;
constexpr uint32_t kDecorationsEach = 0x7E;  // border, handles, title, menu, minimise, maximise
constexpr uint32_t kHintsLength = 5;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t HintsAtom(xcb_connection_t* connection)
{
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A set "all" bit means every one but those listed: each is named instead.
uint32_t Each(uint32_t bits, uint32_t all, uint32_t each) { return bits & all ? each & ~bits : bits; }

}  // namespace

void WindowWidget::OfferResize(bool offered)
{
    mResizeOffered = offered;
    if (testAttribute(Qt::WA_WState_Created))
        WriteResizeHints();
}

void WindowWidget::showEvent(QShowEvent* event)
{
    // The window exists by now, and is mapped just after: the window manager
    // reads the hints as it takes the window on.
    WriteResizeHints();
    QWidget::showEvent(event);
}

void WindowWidget::WriteResizeHints()
{
    // Qt's own hints offer resizing and maximising to every window; they stand
    // for a window that may be resized, unless a fixed size took them away.
    if (mResizeOffered && !mResizeHintsChanged)
        return;
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !windowHandle())
        return;
    const auto window = static_cast<xcb_window_t>(windowHandle()->winId());
    const xcb_atom_t atom = HintsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return;

    uint32_t hints[kHintsLength] = {};
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> kept(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, atom, 0, kHintsLength), nullptr));
    if (kept && kept->format == 32 && xcb_get_property_value_length(kept.get()) == sizeof hints)
        std::memcpy(hints, xcb_get_property_value(kept.get()), sizeof hints);
    uint32_t& functions = hints[1];
    uint32_t& decorations = hints[2];
    // No functions or decorations named: the window manager offers them all.
    functions = hints[0] & kHintsFunctions ? Each(functions, kFunctionAll, kFunctionsEach) : kFunctionsEach;
    decorations = hints[0] & kHintsDecorations ? Each(decorations, kDecorationAll, kDecorationsEach) : kDecorationsEach;
    hints[0] |= kHintsFunctions | kHintsDecorations;
    if (mResizeOffered) {
        functions |= kFunctionResize | kFunctionMaximize;
        decorations |= kDecorationResizeHandles | kDecorationMaximize;
    } else {
        functions &= ~(kFunctionResize | kFunctionMaximize);
        decorations &= ~(kDecorationResizeHandles | kDecorationMaximize);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom, atom, 32, kHintsLength, hints);
    xcb_flush(connection);
    mResizeHintsChanged = !mResizeOffered;
}

}  // namespace platform

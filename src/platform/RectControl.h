#pragma once

#include "platform/Graphics.h"
#include "platform/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class Window;

// A platform control placed on a plain window: a rectangle of the content
// that draws itself over what the window's Paint drew.
class RectControl : public virtual Object {
public:
    using Ref = std::shared_ptr<RectControl>;

    std::string Name;
    // Raised once, when the control is added to its window.
    std::function<void()> Open;

    int32_t Left() const { return mLeft; }
    int32_t Top() const { return mTop; }
    int32_t Width() const { return mWidth; }
    int32_t Height() const { return mHeight; }
    // Content coordinates of the window.
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

    // Nil until the control is added to a window (and after the window went).
    std::shared_ptr<platform::Window> Window() const { return mWindow.lock(); }
    // Repaints the window's content, with this control.
    void Refresh();

protected:
    RectControl() = default;

    // Draws the control into the window's content port at its bounds.
    virtual void Paint(platform::Graphics& g) = 0;

private:
    friend class platform::Window;

    std::weak_ptr<platform::Window> mWindow;
    int32_t mLeft = 0;
    int32_t mTop = 0;
    int32_t mWidth = 0;
    int32_t mHeight = 0;
};

}  // namespace platform

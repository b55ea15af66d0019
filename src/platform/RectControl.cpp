#include "platform/RectControl.h"

#include "platform/Window.h"

namespace platform {

void RectControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    mLeft = left;
    mTop = top;
    mWidth = width;
    mHeight = height;
    Refresh();
}

void RectControl::Refresh()
{
    if (const auto window = Window())
        window->Refresh();
}

}  // namespace platform

#include "platform/Canvas.h"

#include <algorithm>

namespace platform {

void Canvas::Backdrop(Picture::Ref picture)
{
    mBackdrop = std::move(picture);
    Refresh();
}

void Canvas::Paint(Graphics& g)
{
    if (!mBackdrop)
        return;
    const int32_t width = std::min(mBackdrop->Width(), Width());
    const int32_t height = std::min(mBackdrop->Height(), Height());
    g.DrawPicture(mBackdrop, Left(), Top(), width, height, 0, 0, width, height);
}

}  // namespace platform

#pragma once

// A view painted on its own, as the compositor would paint it.
#include "support/Pixels.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <gtest/gtest.h>

namespace testsupport {

// Paints the dirty part (the whole view without one) on a white canvas of the
// view's size, origin at its corner.
inline Canvas Painted(const std::shared_ptr<VR2View>& view, const VR2Rect::Ref& dirty = nullptr)
{
    Canvas canvas(view->width(), view->height());
    auto g = VR2Graphics::Create(canvas.picture->Graphics());
    g->Width = view->width();
    g->Height = view->height();
    EXPECT_TRUE(view->DoPaint(g, dirty ? dirty : view->frame()));
    return canvas;
}

}  // namespace testsupport

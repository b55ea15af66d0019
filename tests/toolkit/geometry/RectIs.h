#pragma once

#include "toolkit/geometry/VR2Rect.h"

#include <gtest/gtest.h>

// EXPECT_TRUE(Is(rect, left, top, width, height)), in the constructor's order.
inline testing::AssertionResult Is(const VR2Rect::Ref& rect, int32_t left, int32_t top, int32_t width,
                                   int32_t height)
{
    if (!rect)
        return testing::AssertionFailure() << "nil rectangle";
    if (rect->left == left && rect->top == top && rect->width == width && rect->height == height)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << rect->left << ", " << rect->top << ", " << rect->width << ", "
                                       << rect->height << ")";
}

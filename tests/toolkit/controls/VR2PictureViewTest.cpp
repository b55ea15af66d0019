#include "DisplayWindow.h"

#include "platform/Graphics.h"
#include "toolkit/controls/VR2PictureView.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/core/VireoStandardProperties.h"

TEST_F(DisplayTest, PictureViewShowsItsPictureCutAtTheFrameThroughItsMask)
{
    // 40 x 30: red left half, green right half, the bottom-right 10 x 10 masked away.
    auto picture = platform::Picture::NewPicture(40, 30);
    picture->Graphics()->SetForeColor(platform::Color{0xFF0000});
    picture->Graphics()->FillRect(0, 0, 20, 30);
    picture->Graphics()->SetForeColor(platform::Color{0x00FF00});
    picture->Graphics()->FillRect(20, 0, 20, 30);
    picture->Mask()->Graphics()->SetForeColor(platform::Color{0xFFFFFF});
    picture->Mask()->Graphics()->FillRect(30, 20, 10, 10);

    auto roomy = Add<VR2PictureView>(10, 10, 60, 50);
    auto tight = Add<VR2PictureView>(100, 10, 25, 20);
    const int paints = window->paintRects;
    VireoStandardProperties::VR2ObjectSetProperty(roomy, "pict", picture);
    VireoStandardProperties::VR2ObjectSetProperty(tight, "pict", picture);
    EXPECT_EQ(window->paintRects, paints + 2);
    // The picture's right edge at 49 in the roomy view, the tight view's edges at 124 and row 29.
    auto shot = Shot();
    EXPECT_EQ(Kinds(shot, 10, {10, 49, 50, 124, 125}), "rgwgw");
    EXPECT_EQ(Kinds(shot, 29, {49, 124}) + Kinds(shot, 30, {124}), "ggw");
    EXPECT_EQ(Kinds(shot, 39, {49, 39}) + Kinds(shot, 40, {10}), "wgw");  // masked, then past the picture

    SCOPED_TRACE("a dirty part repaints the part of the picture under it, in place");
    window->UpdateRect(VR2Rect::Create(35, 15, 10, 10), nullptr);
    EXPECT_EQ(Kinds(testsupport::ScreenPixels(*window), 15, {29, 35}), "rg");

    SCOPED_TRACE("nil clears it");
    EXPECT_TRUE(roomy->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({7, 1, "pict", nullptr})));
    EXPECT_EQ(Kinds(Shot(), 10, {10}), "w");
}

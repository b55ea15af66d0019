#include "ControlsFixture.h"

#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/controls/VR2PushButtonView.h"

#include <algorithm>

namespace {

// The darkest red level inside the rectangle.
int Darkest(const testsupport::Canvas& canvas, int left, int top, int width, int height)
{
    int darkest = 255;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            darkest = std::min(darkest, static_cast<int>(canvas.At(x, y).Red()));
    return darkest;
}

class CountingPushButton : public VR2PushButtonView {
public:
    int actions = 0;

protected:
    void ButtonAction(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) override
    {
        actions += hotSpot == HotSpot.front() && x == 10 && y == 5;
    }
};

}  // namespace

TEST_F(ControlsFixture, ButtonActsOnlyOnAReleaseInsideAndShowsThePressOnlyWhileInside)
{
    auto button = Place(VR2PushButtonView::Create(), 50, 50, 100, 24);
    button->text = "OK";
    const auto pressedFace = [&] { return Screen(100, 52) < 0xC0C0C0u; };
    {
        SCOPED_TRACE("press, drag out and back, release inside: one 'actn'");
        Press(60, 60);
        EXPECT_TRUE(pressedFace());
        Move(300, 200);
        EXPECT_FALSE(pressedFace());
        Move(70, 60);
        EXPECT_TRUE(pressedFace());
        Release(70, 60);
        EXPECT_EQ(Sent(), std::vector<std::string>({"actn"}));
        EXPECT_FALSE(pressedFace());
    }
    {
        SCOPED_TRACE("press, drag out, release outside: nothing");
        Press(60, 60);
        Move(300, 200);
        Release(300, 200);
        EXPECT_TRUE(Sent().empty());
    }
    {
        SCOPED_TRACE("a release outside with no drag before it ends the pressed look");
        Press(60, 60);
        Release(300, 200);
        EXPECT_TRUE(Sent().empty());
        EXPECT_FALSE(button->DownFrame);
        EXPECT_FALSE(button->MouseWithin);
        EXPECT_FALSE(pressedFace());
    }
    {
        SCOPED_TRACE("without an 'actn' handler the push button raises its own event");
        auto counting = Place(VR2View::Create<CountingPushButton>(), 200, 50, 100, 24);
        counting->EventHandlerTable->removeHandler(codes::kEventAction);
        Click(210, 55);
        EXPECT_EQ(counting->actions, 1);
        EXPECT_TRUE(Sent().empty());
    }
}

TEST(DefaultTheme, PushButtonFacesAndTextFollowPressAndEnabled)
{
    auto button = VR2PushButtonView::Create();
    button->text = "Add the food";
    button->AutoSizeForText();
    EXPECT_EQ(button->height(), 22);
    const int32_t w = button->width();
    const int32_t textLeft = 9;
    auto normal = Painted(button);
    EXPECT_EQ(RGBOf(normal.At(w / 2, 0)), 0xADADADu);
    EXPECT_GT(normal.At(w / 2, 1).Red(), 0xF8);
    EXPECT_LT(Darkest(normal, textLeft, 3, w - 2 * textLeft, 16), 0x40);
    {
        SCOPED_TRACE("pressed with the mouse inside: dark face, light text");
        button->DownFrame = button->HotSpot.front();
        button->MouseWithin = true;
        auto pressed = Painted(button);
        EXPECT_LT(pressed.At(w / 2, 1).Red(), 0xC0);
        EXPECT_GT(Darkest(pressed, textLeft, 3, w - 2 * textLeft, 16), 0x70);
        button->MouseWithin = false;
        EXPECT_EQ(testsupport::Differences(Painted(button).picture, normal.picture), 0);
    }
    {
        SCOPED_TRACE("disabled, also while pressed: a pale face and grey text");
        button->Enabled = false;
        button->MouseWithin = true;
        auto disabled = Painted(button);
        EXPECT_GT(Darkest(disabled, textLeft, 3, w - 2 * textLeft, 16), 0xB0);
        EXPECT_GT(disabled.At(w / 2, 19).Red(), 0xE8);
    }
}

TEST_F(ControlsFixture, PictureButtonTakesItsPictureSizeAndDarkensWhilePressed)
{
    // Red over a mask that shows only the left half (black shows, white hides).
    auto source = platform::Picture::NewPicture(20, 20);
    source->Graphics()->SetForeColor(platform::Color{0xFF0000});
    source->Graphics()->FillRect(0, 0, 20, 10);
    source->Graphics()->SetForeColor(platform::Color{0x000000});
    source->Graphics()->FillRect(0, 10, 10, 10);
    auto button = VR2PictureButton::Create();
    button->initWithPictureAndMask(source);
    EXPECT_EQ(button->frame()->description(), ",,20,10");
    Place(button, 30, 30, 0, 0);
    EXPECT_EQ(Screen(35, 35), 0xFF0000u);
    EXPECT_NE(Screen(45, 35), 0xFF0000u);
    Press(35, 35);
    EXPECT_LT(Screen(35, 35), 0xA00000u);
    Release(35, 35);
    EXPECT_EQ(Screen(35, 35), 0xFF0000u);
    EXPECT_EQ(Sent(), std::vector<std::string>({"actn"}));
    button->Enabled = false;
    button->refresh();
    EXPECT_NE(Screen(35, 35), 0xFF0000u);
}

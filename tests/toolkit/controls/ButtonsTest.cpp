#include "ControlsFixture.h"

#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/controls/VR2PushButtonView.h"

#include <algorithm>

namespace {

// The darkest red level between the button's rounded ends.
int DarkestText(const testsupport::Canvas& canvas)
{
    int darkest = 255;
    for (int y = 3; y < 19; ++y)
        for (int x = 9; x < canvas.picture->Width() - 9; ++x)
            darkest = std::min(darkest, static_cast<int>(canvas.At(x, y).Red()));
    return darkest;
}

}  // namespace

TEST_F(ControlsFixture, ButtonActsOnlyOnAReleaseInsideAndShowsThePressOnlyWhileInside)
{
    auto button = Place(VR2PushButtonView::Create(), 50, 50, 100, 24);
    const auto pressedLook = [&] { return Screen(100, 52) < 0xC0C0C0u; };
    Press(60, 60);
    EXPECT_TRUE(pressedLook());
    Move(300, 200);
    EXPECT_FALSE(pressedLook());
    Move(70, 60);
    EXPECT_TRUE(pressedLook());
    Release(70, 60);
    EXPECT_EQ(Sent(), Lines({"actn"}));
    Press(60, 60);
    Move(300, 200);
    Release(300, 200);
    {
        SCOPED_TRACE("a release outside with no drag before it ends the pressed look");
        Press(60, 60);
        Release(300, 200);
        EXPECT_TRUE(!button->DownFrame && !button->MouseWithin && !pressedLook());
    }
    EXPECT_TRUE(Sent().empty());
}

TEST(DefaultTheme, PushButtonFacesAndTextFollowPressAndEnabled)
{
    auto button = VR2PushButtonView::Create();
    button->text = "Add the food";
    button->AutoSizeForText();
    EXPECT_EQ(button->height(), 22);
    const int32_t middle = button->width() / 2;
    auto normal = Painted(button);
    EXPECT_EQ(RGBOf(normal.At(middle, 0)), 0xADADADu);
    EXPECT_GT(normal.At(middle, 1).Red(), 0xF8);
    EXPECT_LT(DarkestText(normal), 0x40);
    button->DownFrame = button->HotSpot.front();
    button->MouseWithin = true;
    auto pressed = Painted(button);
    EXPECT_LT(pressed.At(middle, 1).Red(), 0xC0);
    EXPECT_GT(DarkestText(pressed), 0x70);
    button->Enabled = false;  // also while pressed: a pale face and grey text
    auto disabled = Painted(button);
    EXPECT_GT(DarkestText(disabled), 0xB0);
    EXPECT_GT(disabled.At(middle, 19).Red(), 0xE8);
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
    Place(button, 30, 30);
    EXPECT_EQ(button->frame()->description(), ",,20,10");
    EXPECT_TRUE(Screen(35, 35) == 0xFF0000u && Screen(45, 35) != 0xFF0000u);
    Press(35, 35);
    EXPECT_LT(Screen(35, 35), 0xA00000u);
    Release(35, 35);
    EXPECT_EQ(Sent(), Lines({"actn"}));
    EXPECT_EQ(Screen(35, 35), 0xFF0000u);
}

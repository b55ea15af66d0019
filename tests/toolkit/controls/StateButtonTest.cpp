#include "ControlsFixture.h"

#include "toolkit/controls/VR2StateButtonView.h"
#include "toolkit/core/VireoStandardProperties.h"

namespace {

VR2StateButtonView::Ref Radio(int32_t family)
{
    auto radio = VR2StateButtonView::Create();
    radio->setupRadioButton("Radio");
    radio->family = family;
    return radio;
}

}  // namespace

TEST_F(ControlsFixture, RadioFamiliesStayExclusiveAndCheckBoxesWrap)
{
    auto first = Place(Radio(1), 10, 10);
    auto second = Place(Radio(1), 10, 40);
    auto otherFamily = Place(Radio(2), 10, 70);
    auto box = VR2StateButtonView::Create();
    box->setupCheckbox("Check");
    box->family = 1;
    Place(box, 10, 100);
    EXPECT_EQ(box->width(), 17 + box->FindHotSpotWithTag(hotspottags::kLabel)->width);

    Click(15, 15);
    Click(15, 75);
    Click(15, 105);
    Click(40, 45);  // the second of the family, on its label, clears the first
    EXPECT_FALSE(first->Value());
    EXPECT_TRUE(second->Value() && otherFamily->Value() && box->Value());
    Click(15, 45);  // on: refused
    Click(15, 105);  // wraps to off
    EXPECT_EQ(Sent(), Lines({"actn 1", "actn 1", "actn 1", "actn 1", "actn 0"}));
    {
        SCOPED_TRACE("\"bool\" turns a radio button on without clearing its family");
        VireoStandardProperties::VR2ObjectSetProperty(first, "bool", true);
        EXPECT_TRUE(first->Value() && second->Value());
        EXPECT_FALSE(VireoStandardProperties::VR2ObjectHasProperty(first, {"bool", "color"}));
    }
}

TEST(DefaultTheme, StateButtonsShowTickDotAndPressOnTheSharedFace)
{
    auto box = VR2StateButtonView::Create();
    box->setupCheckbox("Tick");
    const int32_t top = box->FindHotSpotWithTag(hotspottags::kPicture)->top;
    box->IntegerValue(2);
    auto ticked = Painted(box);
    EXPECT_EQ(RGBOf(ticked.At(0, top)), 0xADADADu);
    EXPECT_EQ(RGBOf(ticked.At(3, top + 3)), 0x111111u);
    EXPECT_EQ(RGBOf(ticked.At(12, top - 1)), 0x111111u);  // the stroke ends above the box
    box->Enabled = false;
    EXPECT_EQ(testsupport::Differences(Painted(box).picture, ticked.picture), 0);

    auto radio = VR2StateButtonView::Create();
    radio->setupRadioButton("Dot");
    radio->IntegerValue(1);
    auto dot = Painted(radio);
    EXPECT_EQ(RGBOf(dot.At(0, top)), 0xFFFFFFu);
    EXPECT_EQ(RGBOf(dot.At(6, top + 6)), 0x444444u);
    radio->IntegerValue(0);
    EXPECT_GT(Painted(radio).At(6, top + 6).Red(), 0xD0);
    {
        SCOPED_TRACE("after a radio button, a check box shows its whole square again, pressed");
        box->IntegerValue(0);
        box->DownFrame = box->FindHotSpotWithTag(hotspottags::kLabel);
        box->MouseWithin = true;
        auto pressed = Painted(box);
        EXPECT_EQ(RGBOf(pressed.At(1, top + 6)), 0xADADADu);
        EXPECT_GT(pressed.At(2, top + 2).Red(), 0xD0);
        EXPECT_LT(pressed.At(2, top + 2).Red(), 0xFF);
    }
}

#include "ControlsFixture.h"

#include "platform/Services.h"
#include "toolkit/controls/VR2PopupMenuView.h"
#include "toolkit/controls/VR2PushButtonView.h"
#include "toolkit/controls/VR2WebLinkView.h"
#include "toolkit/controls/Vireo2TextLine.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VireoStandardProperties.h"

namespace {

// Shows a message box from inside its press, as an entry that fails does.
class AlertingView : public VR2View {
protected:
    bool MouseDown(int32_t, int32_t) override
    {
        platform::MsgBox("Something went wrong.");
        return true;
    }
};

}  // namespace

TEST_F(ControlsFixture, PopUpChoiceArrivesByMessageAndTheNextClickLands)
{
    auto popup = Place(VR2PopupMenuView::Create(), 20, 20, 120, 22);
    for (const char* row : {"Breakfast", "Lunch", "Dinner"})
        popup->AddRow(row, 5);
    popup->Text = "Lunch";
    auto button = Place(VR2PushButtonView::Create(), 200, 20, 80, 22);
    services->choose = [](const platform::MenuItem::Ref& menu) { return menu->Child(2); };
    {
        SCOPED_TRACE("a new choice; the menu showed the old one checked, at the view's corner");
        Press(30, 30);
        Click(210, 30);
        EXPECT_EQ(Sent(), Lines({"mact Dinner", "actn"}));
        EXPECT_EQ(popup->Text, "Dinner");
        const auto& shown = services->popUps.at(0);
        EXPECT_TRUE(shown.menu->Child(1)->Checked && !shown.menu->Child(2)->Checked);
        EXPECT_EQ(shown.x, window->Left() + 20);
        EXPECT_TRUE(shown.menu->Child(2)->Tag.IsNil());
    }
    {
        SCOPED_TRACE("the same choice again, or none, reports nothing");
        Click(30, 30);
        services->choose = nullptr;
        Click(30, 30);
        EXPECT_TRUE(Sent().empty());
        EXPECT_FALSE(popup->DownFrame);
    }
    {
        SCOPED_TRACE("a message box shown during a press ends that press");
        Place(VR2View::Create<AlertingView>(), 20, 100, 50, 50);
        Press(30, 110);
        Click(210, 30);
        EXPECT_EQ(Sent(), Lines({"actn"}));
        EXPECT_EQ(services->messages, Lines({"Something went wrong."}));
    }
}

TEST_F(ControlsFixture, WebLinkOpensItsAddressFromItsTextOnly)
{
    auto link = VR2WebLinkView::Create();
    link->text = "Help";
    link->resize(200, 20, false);
    Painted(link);  // before it has a hot spot
    link->url = "https://example.invalid/help";
    Place(link, 20, 20, 200, 20);
    // Pixels of the link's colour (its underline is solid) in the link.
    const auto ink = [&](uint32_t colour) {
        const QImage image = testsupport::ScreenPixels(*window);
        int count = 0;
        for (int y = 20; y < 40; ++y)
            for (int x = 20; x < 60; ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == colour;
        return count;
    };
    Press(25, 30);
    EXPECT_TRUE(ink(0xDE00DE) > 0 && ink(0x0000FF) == 0);
    Release(25, 30);
    EXPECT_TRUE(ink(0xDE00DE) == 0 && ink(0x0000FF) > 0);
    Click(150, 30);
    VireoStandardProperties::VR2ObjectSetProperty(link, "url", "");
    Click(25, 30);
    EXPECT_EQ(services->urls, Lines({"https://example.invalid/help"}));
    EXPECT_EQ(services->beeps, 1);
    link->alignment = Vireo2TextLine::kAlignRight;
    Painted(link);
    EXPECT_EQ(link->HotSpot[0]->right(), 200);
}

TEST(DefaultTheme, PopUpMenusAndColourButtonsDrawTheirFaces)
{
    auto popup = VR2PopupMenuView::Create();
    popup->resize(100, 22, false);
    popup->Text = "Lunch";
    auto normal = Painted(popup);
    EXPECT_EQ(RGBOf(normal.At(50, 0)), 0xADADADu);
    EXPECT_EQ(RGBOf(normal.At(88, 8)) + RGBOf(normal.At(88, 13)), 2 * 0x111111u);  // up and down arrows
    popup->DownFrame = true;  // pressed with the mouse outside: the normal look
    EXPECT_EQ(testsupport::Differences(Painted(popup).picture, normal.picture), 0);
    popup->MouseWithin = true;
    auto pressed = Painted(popup);
    EXPECT_EQ(RGBOf(pressed.At(88, 13)), 0xEEEEEEu);
    EXPECT_LT(pressed.At(50, 1).Red(), 0xC0);

    testsupport::Canvas swatch(20, 12);
    const auto g = VR2Graphics::Create(swatch.picture->Graphics());
    const VR2Theme::Params params{VR2Rect::Create(20, 12), platform::Color{0x39B449}};
    EXPECT_TRUE(Vireo2Theme::VR2Theme_DrawPart(g, "std_colrbtn", 0, params));
    EXPECT_EQ(RGBOf(swatch.At(4, 4)) + RGBOf(swatch.At(15, 7)), 2 * 0x39B449u);
    EXPECT_EQ(RGBOf(swatch.At(3, 3)) + RGBOf(swatch.At(0, 11)), 0xCCCCCCu + 0x999999u);
}

#include "DisplayWindow.h"

#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/core/VireoStandardProperties.h"

TEST_F(DisplayTest, StaticTextPlacesItsLineByAlignmentInsideTheView)
{
    auto label = Add<VR2StaticTextView>(100, 20, 200, 22);
    // The first and last columns with ink from x 90 to 310.
    auto ink = [&] {
        const auto shot = Shot();
        int first = -1, last = -1;
        for (int x = 90; x <= 310; ++x)
            for (int y = 20; y < 42; ++y)
                if (Kinds(shot, y, {x}) != "w") {
                    first = first < 0 ? x : first;
                    last = x;
                }
        return std::pair{first, last};
    };
    VireoStandardProperties::VR2ObjectSetProperty(label, "text", "Steps");
    for (const int32_t alignment : {0, 1, 2, 7}) {
        SCOPED_TRACE("alignment " + std::to_string(alignment));
        label->alignment = alignment;
        const auto [first, last] = ink();
        const double placed = alignment == 1 ? last : alignment == 2 ? (first + last) / 2.0 : first;
        EXPECT_NEAR(placed, alignment == 1 ? 299 : alignment == 2 ? 200 : 100, 4);
        EXPECT_TRUE(first >= 100 && last < 300);
    }

    SCOPED_TRACE("a text wider than the view, centred");
    label->text = "Calories over Goal: 12345, and more text than fits";
    label->resize(120, 22, false);
    label->alignment = 2;
    const auto [first, last] = ink();
    EXPECT_TRUE(first >= 100 && first <= 102 && last < 220);

    SCOPED_TRACE("only its own keys repaint it");
    const int paints = window->paintRects;
    EXPECT_TRUE(label->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"url", "x"})));
    VireoStandardProperties::VR2ObjectSetProperty(label, "text", 1500);
    EXPECT_EQ(window->paintRects, paints + 1);
    EXPECT_EQ(label->text, "1500");
}

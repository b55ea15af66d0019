#include "DisplayWindow.h"

#include "toolkit/controls/VR2ProgressBar.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <limits>

TEST_F(DisplayTest, ProgressBarFillsToItsValueAndNeverPastItsFrame)
{
    auto bar = Add<VR2ProgressBar>(50, 20, 410, 30);
    // Columns 1, 204, 205 and 408 of the bar, then those just left and right of it.
    auto columns = [&] { return Kinds(Shot(), 35, {51, 254, 255, 458, 49, 460}); };
    struct Case {
        const char* name;
        int32_t value, maximum;
        bool allowOverMax;
        const char* columns;
    } cases[] = {
        {"nothing yet", 0, 2000, false, "....ww"},
        {"negative value", -50, 2000, true, "....ww"},
        {"half", 1000, 2000, false, "gg..ww"},
        {"at the maximum", 2000, 2000, true, "ggggww"},
        {"over, no zone", 6000, 2000, false, "ggggww"},
        {"over with zone", 4000, 2000, true, "ggrrww"},
        {"maximum 0 with zone", 500, 0, true, "rrrrww"},
        {"maximum 0 without zone", 500, 0, false, "ggggww"},
        {"negative goal", 500, -100, true, "rrrrww"},
        {"value minus maximum past Int32", std::numeric_limits<int32_t>::max(), -5, true, "rrrrww"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bar->value = c.value;
        bar->maximum = c.maximum;
        bar->allowOverMax = c.allowOverMax;
        EXPECT_EQ(columns(), c.columns);
    }

    SCOPED_TRACE("property sets: one repaint each, unknown keys answered false");
    const int paints = window->paintRects;
    EXPECT_TRUE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"max", 2000, "int", 2500})));
    VireoStandardProperties::VR2ObjectSetProperty(bar, "over_color", platform::Color{0xFF0000});
    EXPECT_FALSE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"colour", 1})));
    EXPECT_EQ(window->paintRects, paints + 3);
    EXPECT_EQ(Kinds(Shot(), 35, {377, 378}), "gr");  // the zone over the right fifth
}

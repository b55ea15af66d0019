#include "toolkit/geometry/VR2Gradient.h"
#include "toolkit/geometry/VireoColor.h"

#include <gtest/gtest.h>

#include <limits>

using platform::Color;
using platform::RGB;

TEST(VR2Gradient, StepsStartAtTheStartAndNeverReachTheEnd)
{
    auto gradient = VR2Gradient::Create();
    gradient->EndColor = Color{0x808080};
    EXPECT_EQ(gradient->Steps(4),
              (std::vector<Color>{Color{0x000000}, Color{0x202020}, Color{0x404040}, Color{0x606060}}));
    EXPECT_EQ(gradient->Steps(1), std::vector<Color>{Color{0}});
    EXPECT_TRUE(gradient->Steps(0).empty());
    EXPECT_TRUE(gradient->Steps(-3).empty());

    gradient->StartColor = RGB(255, 0, 10);
    gradient->EndColor = RGB(0, 255, 10);
    const auto steps = gradient->Steps(255);
    EXPECT_EQ(steps.front(), RGB(255, 0, 10));
    EXPECT_EQ(steps.back(), RGB(1, 254, 10));
}

TEST(VireoColor, LightenAndDarkenStayInRange)
{
    EXPECT_EQ(VireoColor::Lighten(Color{0x313131}, 0.5), Color{0x989898});
    EXPECT_EQ(VireoColor::Lighten(Color{0x000000}, 0.5), Color{0x7F7F7F});
    EXPECT_EQ(VireoColor::Darken(Color{0x808080}, 0.25), Color{0x606060});
    EXPECT_EQ(VireoColor::Darken(Color{0x123456}, 0), Color{0x123456});
    EXPECT_EQ(VireoColor::Darken(Color{0x123456}, 1), Color{0});

    // Fractions no caller passes still give colours.
    EXPECT_EQ(VireoColor::Lighten(Color{0xFFFFFF}, 1.0), Color{0xFFFFFF});
    EXPECT_EQ(VireoColor::Lighten(Color{0x102030}, 0.9), Color{0xF3FFFF});
    EXPECT_EQ(VireoColor::Lighten(Color{0x102030}, -1.0), Color{0});
    EXPECT_EQ(VireoColor::Darken(Color{0x102030}, 2.0), Color{0});
    EXPECT_EQ(VireoColor::Darken(Color{0x102030}, -1e300), Color{0xFFFFFF});
    EXPECT_EQ(VireoColor::Lighten(Color{0x102030}, std::numeric_limits<double>::quiet_NaN()), Color{0});
}

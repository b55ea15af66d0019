#include "platform/Exceptions.h"
#include "toolkit/controls/VR2DefaultTheme.h"
#include "toolkit/controls/VR2Theme.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2NotificationCenter.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <gtest/gtest.h>

namespace {

// A theme whose part information is `answer` (nil: none).
class AnsweringTheme : public VR2Theme {
public:
    platform::Variant answer;
    int asked = 0;

protected:
    bool ProvidePartInfo(const std::string&, int32_t, platform::Variant& value) override
    {
        value = answer;
        return ++asked && !answer.IsNil();
    }
};

class ThemeObserver : public VR2Object {
public:
    int heard = 0;

protected:
    void VR2Object_Action(const Ref&, const VR2Message::Ref& message) override
    {
        heard += message->category == "vr2theme";
    }
};

}  // namespace

TEST(Vireo2Theme, PartInformationIsAskedOnceAndEveryThemeChangeIsAnnounced)
{
    auto theme = std::make_shared<AnsweringTheme>();
    platform::Variant value = "untouched";
    EXPECT_FALSE(theme->getPartInfo("text", codes::kEventAction, value));
    EXPECT_EQ(value, platform::Variant("untouched"));
    theme->answer = "SmallSystem";
    EXPECT_TRUE(theme->getPartInfo("text", VR2Theme::kRegularFontName, value));
    theme->answer = nullptr;
    EXPECT_TRUE(theme->getPartInfo("text", VR2Theme::kRegularFontName, value));
    EXPECT_EQ(value, platform::Variant("SmallSystem"));
    theme->FlushCache();
    EXPECT_TRUE(theme->getPartInfo("text", VR2Theme::kRegularFontName, value));
    EXPECT_EQ(value, platform::Variant("System"));
    EXPECT_EQ(theme->asked, 3);

    // The standard theme was installed at start; setting it again is announced again.
    const auto standard = Vireo2Theme::CurrentTheme();
    ASSERT_TRUE(std::dynamic_pointer_cast<VR2DefaultTheme>(standard));
    EXPECT_FALSE(Vireo2Theme::VR2Theme_DrawPart(VR2Graphics::Create(), "push_buton", 0, {}));
    auto observer = std::make_shared<ThemeObserver>();
    Vireo2Engine::VR2DefaultNotificationCenter()->addObserver(observer, "vr2theme", codes::kThemeChanged);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
    EXPECT_EQ(observer->heard, 2);
    Vireo2Theme::ResetForTesting();
    EXPECT_THROW(Vireo2Theme::VR2Theme_DrawPart(VR2Graphics::Create(), "scroll_bar", 0, {}),
                 platform::NilObjectException);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
}

#include "platform/Codes.h"
#include "platform/Exceptions.h"
#include "toolkit/controls/VR2DefaultTheme.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2NotificationCenter.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <gtest/gtest.h>

namespace {

// A theme whose part information for "push_button" and "text" the test sets.
class AnsweringTheme : public VR2Theme {
public:
    static std::shared_ptr<AnsweringTheme> Create() { return std::shared_ptr<AnsweringTheme>(new AnsweringTheme()); }
    platform::Variant answer;
    int asked = 0;

protected:
    bool ProvidePartInfo(const std::string& part, int32_t, platform::Variant& value) override
    {
        if (part != "push_button" && part != "text")
            return false;
        ++asked;
        value = answer;
        return !answer.IsNil();
    }
};

class ThemeObserver : public VR2Object {
public:
    int heard = 0;

protected:
    void VR2Object_Action(const Ref&, const VR2Message::Ref& message) override
    {
        heard += message->category == "vr2theme" && message->selector == codes::kThemeChanged;
    }
};

}  // namespace

TEST(VR2Theme, PartInformationIsCachedUntilFlushedAndTheSubclassComesBeforeTheBuiltIns)
{
    auto theme = AnsweringTheme::Create();
    platform::Variant value = "untouched";
    {
        SCOPED_TRACE("built-in text information, then the cache");
        EXPECT_TRUE(theme->getPartInfo("text", codes::kPartInfoRegularFontName, value));
        EXPECT_EQ(value, platform::Variant("System"));
        EXPECT_TRUE(theme->getPartInfo("text", codes::kPartInfoSmallFontSize, value));
        EXPECT_EQ(value, platform::Variant(int32_t{0}));
        theme->answer = "SmallSystem";
        EXPECT_TRUE(theme->getPartInfo("text", codes::kPartInfoRegularFontName, value));
        EXPECT_EQ(value, platform::Variant("System"));
    }
    {
        SCOPED_TRACE("unknown information leaves the value and the cache alone");
        theme->answer = nullptr;
        value = "untouched";
        EXPECT_FALSE(theme->getPartInfo("text", codes::kEventAction, value));
        EXPECT_FALSE(theme->getPartInfo("push_button", codes::kPartInfoRegularFontName, value));
        EXPECT_EQ(value, platform::Variant("untouched"));
    }
    {
        SCOPED_TRACE("a subclass answer is asked once until FlushCache, and wins over the built-ins");
        theme->answer = int32_t{12};
        theme->asked = 0;
        EXPECT_TRUE(theme->getPartInfo("push_button", codes::kPartInfoRegularFontSize, value));
        theme->answer = int32_t{14};
        EXPECT_TRUE(theme->getPartInfo("push_button", codes::kPartInfoRegularFontSize, value));
        EXPECT_EQ(value, platform::Variant(int32_t{12}));
        EXPECT_EQ(theme->asked, 1);
        theme->FlushCache();
        theme->answer = "SmallSystem";
        EXPECT_TRUE(theme->getPartInfo("text", codes::kPartInfoRegularFontName, value));
        EXPECT_EQ(value, platform::Variant("SmallSystem"));
    }
    EXPECT_EQ(VR2Theme::getParam({1, 2, 3}, 2), platform::Variant(int32_t{3}));
    EXPECT_TRUE(VR2Theme::getParam({1, 2, 3}, 3).IsNil());
    EXPECT_FALSE(VR2Theme::Create()->DrawPart(VR2Graphics::Create(), "push_button", 0, {}));
}

TEST(Vireo2Theme, TheStandardThemeIsInstalledAtStartAndEveryChangeIsAnnounced)
{
    const auto standard = Vireo2Theme::CurrentTheme();
    ASSERT_TRUE(std::dynamic_pointer_cast<VR2DefaultTheme>(standard));
    EXPECT_FALSE(Vireo2Theme::VR2Theme_DrawPart(VR2Graphics::Create(), "push_buton", 0, {}));

    auto observer = std::make_shared<ThemeObserver>();
    Vireo2Engine::VR2DefaultNotificationCenter()->addObserver(observer, "vr2theme", codes::kThemeChanged);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
    EXPECT_EQ(observer->heard, 2);
    Vireo2Engine::VR2DefaultNotificationCenter()->removeObserver(observer, "", 0);

    Vireo2Theme::ResetForTesting();
    EXPECT_THROW(Vireo2Theme::VR2Theme_DrawPart(VR2Graphics::Create(), "scroll_bar", 0, {}),
                 platform::NilObjectException);
    Vireo2Theme::VR2Theme_ChangeTheme(standard);
}

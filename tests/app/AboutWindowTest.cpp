#include "AppFixture.h"
#include "app/AboutWindow.h"
#include "app/KxAboutBoxKit.h"
#include "platform/Codes.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

TEST(AboutWindowVersion, VersionLineCarriesTheStageSuffix)
{
    EXPECT_EQ(AboutWindow::VersionLine(1, 2, 3, 3, 0), "1.2 (1.2.3)");
    EXPECT_EQ(AboutWindow::VersionLine(1, 0, 0, 2, 4), "1.0 (1.0.0b4)");
    EXPECT_EQ(AboutWindow::VersionLine(0, 9, 0, 0, 12), "0.9 (0.9.0dr12)");
    EXPECT_EQ(AboutWindow::VersionLine(2, 1, 0, 1, 3), "2.1 (2.1.0a3)");
    EXPECT_EQ(AboutWindow::VersionLine(1, 0, 0, 7, 5), "1.0 (1.0.0)");
}

using AboutWindowTest = AppFixture;

TEST_F(AboutWindowTest, OneAboutBoxWithItsFirstTextsUntilItCloses)
{
    application->SetVersion(1, 0, 0, 2, 4);
    ASSERT_TRUE(platform::Application::ChooseMenuItem(Item("HelpAboutDiRizezoz")));
    const auto about = KxAboutBoxKit::KxAboutBoxWindow();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->Width(), 285);
    EXPECT_EQ(about->Height(), 179);
    EXPECT_EQ(about->Title(), "About Di Rizezoz");
    EXPECT_EQ(about->StaticAppName()->Text(), "Di Rizezoz");
    EXPECT_TRUE(about->StaticAppName()->Bold());
    EXPECT_EQ(about->StaticText1()->Text(), "1.0 (1.0.0b4)");
    EXPECT_NE(about->StaticCopyright()->Text().find("Copyright"), std::string::npos);
    {
        SCOPED_TRACE("asked again while open: the same window, in front, as it was");
        application->SetVersion(0, 9, 0, 0, 12);
        KxAboutBoxKit::KxAboutShowStandardAbout(nullptr, "Other", "Other copyright");
        EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow(), about);
        EXPECT_EQ(platform::Application::WindowCount(), 1);
        EXPECT_EQ(platform::Application::Window(0), about);
        EXPECT_EQ(about->Title(), "About Di Rizezoz");
        EXPECT_EQ(about->StaticText1()->Text(), "1.0 (1.0.0b4)");
    }
    {
        SCOPED_TRACE("after it closed: a fresh one");
        about->Close();
        EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow(), nullptr);
        platform::Application::ChooseMenuItem(Item("HelpAboutDiRizezoz"));
        const auto fresh = KxAboutBoxKit::KxAboutBoxWindow();
        ASSERT_TRUE(fresh);
        EXPECT_NE(fresh, about);
        EXPECT_EQ(fresh->StaticText1()->Text(), "0.9 (0.9.0dr12)");
        EXPECT_EQ(platform::Application::WindowCount(), 1);
    }
}

TEST_F(AboutWindowTest, DrawsTheIconThroughItsMaskAndTheNameCentred)
{
    // The icon's left half shows, its right half is masked away.
    const auto icon = platform::Picture::NewPicture(64, 64);
    icon->Graphics()->SetForeColor(platform::Color{0xC00000});
    icon->Graphics()->FillRect(0, 0, 64, 64);
    icon->Mask()->Graphics()->SetForeColor(platform::Color{0xFFFFFF});
    icon->Mask()->Graphics()->FillRect(32, 0, 32, 64);
    KxAboutBoxKit::KxAboutShowStandardAbout(icon, "Di Rizezoz", "Copyright");
    const auto about = KxAboutBoxKit::KxAboutBoxWindow();
    ShowAndActivate(*about);
    const QImage shown = ScreenPixels(*about);
    EXPECT_EQ(shown.pixel(110 + 10, 14 + 30) & 0xFFFFFF, 0xC00000u);
    EXPECT_EQ(shown.pixel(110 + 50, 14 + 30) & 0xFFFFFF, 0xFFFFFFu);

    int left = 285, right = -1;
    for (int y = 90; y < 110; ++y)
        for (int x = 0; x < 285; ++x)
            if ((shown.pixel(x, y) & 0xFFFFFF) != 0xFFFFFFu) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(right, left + 40);
    EXPECT_NEAR((left + right) / 2.0, 142.5, 2.0);
}

// Takes every key, as the food list or a text field with the focus does.
class GreedyView : public VR2View {
public:
    std::vector<std::string> keys;

protected:
    bool KeyDown(const std::string& key) override
    {
        keys.push_back(key);
        return true;
    }
};

std::shared_ptr<GreedyView> FocusedGreedyView(const VR2HostWindow::Ref& window)
{
    auto view = VR2View::Create<GreedyView>();
    view->CanFocus = true;
    view->resize(100, 30, false);
    view->attach(window, false, false);
    view->changeFocus(codes::kFocusGive);
    return view;
}

TEST_F(AboutWindowTest, CtrlWClosesTheAboutBoxAndNeverTheMainWindow)
{
    const auto main = VR2HostWindow::Create();
    const auto view = FocusedGreedyView(main);
    ShowAndActivate(*main);
    platform::Application::ChooseMenuItem(Item("HelpAboutDiRizezoz"));
    const auto about = KxAboutBoxKit::KxAboutBoxWindow();
    ShowAndActivate(*about);

    QTest::keyClick(WidgetOf(*about), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(about->IsOpen());
    EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow(), nullptr);
    EXPECT_TRUE(main->IsOpen());

    // In the main window Close has no handler: the key, like Ctrl+C, goes to the focused view.
    ShowAndActivate(*main);
    QTest::keyClick(WidgetOf(*main), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(WidgetOf(*main), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(main->IsOpen());
    EXPECT_EQ(view->keys, std::vector<std::string>({"w", "c"}));
}

TEST_F(AboutWindowTest, CtrlQQuitsWhileAViewTakesEveryKey)
{
    VR2HostWindow::Ref main;
    std::shared_ptr<GreedyView> view;
    application->onNewDocument = [&] {
        main = VR2HostWindow::Create();
        view = FocusedGreedyView(main);
        ShowAndActivate(*main);
        QTimer::singleShot(0, [&] { QTest::keyClick(WidgetOf(*main), Qt::Key_Q, Qt::ControlModifier); });
    };
    // Should the key not quit, the test ends anyway, with another status.
    QObject guard;
    QTimer::singleShot(3000, &guard, [&] { application->Quit(9); });
    int argc = 1;
    char program[] = "diary";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(application->Run(argc, argv), 0);
    EXPECT_FALSE(main->IsOpen());
    EXPECT_TRUE(view->keys.empty());
}

}  // namespace

#include "app/AboutWindow.h"
#include "app/AppCommands.h"
#include "app/KxAboutBoxKit.h"
#include "app/MenuBar1.h"
#include "platform/Application.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testsupport;
using Lines = std::vector<std::string>;

namespace {

struct TestApplication : platform::Application {
    std::function<void()> onNewDocument;
    void OnNewDocument() override { onNewDocument(); }
};

// Takes every key, as the food list or a text field with the focus does; blue.
class GreedyView : public VR2View {
public:
    Lines keys;

protected:
    bool KeyDown(const std::string& key) override
    {
        keys.push_back(key);
        return true;
    }
    bool MouseDown(int32_t x, int32_t y) override
    {
        keys.push_back("press " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(platform::Color{0x0000FF});
        g->FillRect(0, 0, width(), height());
        return true;
    }
};

// The application as start-up makes it: MenuBar1 and the commands attached by item name.
class MenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        application->MenuBar(MenuBar1::Instance());
        for (const auto& [name, handler] : AppCommands::Handlers())
            application->AddMenuHandler(name, handler);
        platform::Application::Register(application);
    }
    void TearDown() override
    {
        while (const auto window = platform::Application::Window(0))
            window->Close();
        platform::Application::Register(nullptr);
    }
    static bool Choose(const std::string& name)
    {
        const auto bar = MenuBar1::Instance();
        for (int32_t index = 0; index < bar->Count(); ++index)
            if (auto item = bar->Child(index)->Child(name))
                return platform::Application::ChooseMenuItem(item);
        return false;
    }
    // A main window whose focused view takes every key.
    std::shared_ptr<GreedyView> OpenMainWindow()
    {
        main = VR2HostWindow::Create();
        auto view = VR2View::Create<GreedyView>();
        view->CanFocus = true;
        view->move(10, 10, false);
        view->resize(20, 20, false);
        view->attach(main, false, false);
        view->changeFocus(codes::kFocusGive);
        ShowAndActivate(*main);
        return view;
    }

    ScopedRecordingServices services;
    std::shared_ptr<TestApplication> application = std::make_shared<TestApplication>();
    VR2HostWindow::Ref main;
};

TEST_F(MenusTest, MenuBar1HoldsEveryMenuAndItemWithItsTextAndShortcut)
{
    static const char* const roles[] = {"", " quit", " preferences", " about"};
    Lines menus;
    const auto bar = MenuBar1::Instance();
    for (int32_t index = 0; index < bar->Count(); ++index) {
        const auto menu = bar->Child(index);
        std::string line = menu->Name + " " + menu->Text + menu->KeyboardShortcut + ":";
        for (int32_t item = 0; item < menu->Count(); ++item) {
            const auto& entry = *menu->Child(item);
            line += " " + entry.Name + " '" + entry.Text + "' " + entry.KeyboardShortcut +
                    roles[static_cast<int>(entry.Role)] + (entry.AutoEnable ? ";" : " manual;");
        }
        menus.push_back(line);
    }
    EXPECT_EQ(menus, Lines({"FileMenu &File: FileClose 'Close' Cmd+W; FileQuit '&Quit' Cmd+Q quit;",
                            "EditMenu &Edit: EditUndo '&Undo' Cmd+Z; UntitledMenu1 '-' ; EditCut 'Cu&t' Cmd+X; "
                            "EditCopy '&Copy' Cmd+C; EditPaste '&Paste' Cmd+V; EditClear '&Delete' ; "
                            "UntitledMenu0 '-' ; EditSelectAll 'Select &All' Cmd+A; "
                            "EditPreferences 'Preferences...' Cmd+, preferences;",
                            "HelpMenu Help: HelpDiRizezozHelp 'Di Rizezoz Help' Cmd+?; "
                            "HelpAboutDiRizezoz 'About Di Rizezoz'  about; UntitledSeparator0 '-' ; "
                            "HelpAskaquestion 'Ask a question...' ; HelpReportBug 'Report Bug...' ; "
                            "HelpRequestFeature 'Request Feature...' ; HelpGeneralFeedback 'General Feedback...' ; "
                            "UntitledSeparator1 '-' ; HelpVisitMakerSite 'Visit Ziruvud Iduzizid...' ;"}));
}

TEST_F(MenusTest, EachCommandOpensItsOnePageOrShowsItsNotice)
{
    const std::string site = AppCommands::MakerSiteURL("");
    EXPECT_EQ(site.rfind("https://", 0), 0u);
    EXPECT_EQ(site.find('/', 8), std::string::npos);  // the host alone
    for (const auto& [name, page] : std::vector<std::pair<std::string, std::string>>{
             {"HelpAskaquestion", "/ask_question.php?app=dirizezoz&os=mac"},
             {"HelpReportBug", "/report_bug.php?app=dirizezoz&os=mac"},
             {"HelpRequestFeature", "/request_feature.php?app=dirizezoz&os=mac"},
             {"HelpGeneralFeedback", "/general_feedback.php?app=dirizezoz&os=mac"},
             {"HelpVisitMakerSite", ""},
             {"HelpDiRizezozHelp", "/dirizezoz/help.php"}}) {
        SCOPED_TRACE(name);
        services->urls.clear();
        EXPECT_TRUE(Choose(name));
        EXPECT_EQ(services->urls, Lines({site + page}));
    }
    EXPECT_TRUE(Choose("EditPreferences"));
    EXPECT_FALSE(Choose("EditCut"));
    EXPECT_EQ(services->messages, Lines({"There aren't any preferences yet.  If you would like to suggest some, "
                                         "select Request Feature from the Help menu."}));
}

TEST_F(MenusTest, OneAboutBoxWithItsFirstTextsUntilItCloses)
{
    EXPECT_EQ(AboutWindow::VersionLine(1, 2, 3, 3, 0), "1.2 (1.2.3)");
    EXPECT_EQ(AboutWindow::VersionLine(2, 1, 0, 1, 3), "2.1 (2.1.0a3)");
    EXPECT_EQ(AboutWindow::VersionLine(1, 0, 0, 7, 5), "1.0 (1.0.0)");
    application->SetVersion(1, 0, 0, 2, 4);
    ASSERT_TRUE(Choose("HelpAboutDiRizezoz"));
    const auto about = KxAboutBoxKit::KxAboutBoxWindow();
    ASSERT_TRUE(about);
    EXPECT_EQ(std::vector<int32_t>({about->Width(), about->Height()}), std::vector<int32_t>({285, 179}));
    EXPECT_EQ(about->Title(), "About Di Rizezoz");
    EXPECT_EQ(about->StaticAppName()->Text(), "Di Rizezoz");
    EXPECT_TRUE(about->StaticAppName()->Bold());
    EXPECT_EQ(about->StaticText1()->Text(), "1.0 (1.0.0b4)");
    {
        SCOPED_TRACE("asked again while open: the same window, in front, as it was");
        application->SetVersion(0, 9, 0, 0, 12);
        KxAboutBoxKit::KxAboutShowStandardAbout(nullptr, "Other", "Other copyright");
        EXPECT_EQ(platform::Application::WindowCount(), 1);
        EXPECT_EQ(platform::Application::Window(0), about);
        EXPECT_EQ(about->Title(), "About Di Rizezoz");
        EXPECT_EQ(about->StaticText1()->Text(), "1.0 (1.0.0b4)");
    }
    SCOPED_TRACE("after it closed: a fresh one");
    about->Close();
    EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow(), nullptr);
    Choose("HelpAboutDiRizezoz");
    ASSERT_TRUE(KxAboutBoxKit::KxAboutBoxWindow());
    EXPECT_NE(KxAboutBoxKit::KxAboutBoxWindow(), about);
    EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow()->StaticText1()->Text(), "0.9 (0.9.0dr12)");
}

TEST_F(MenusTest, ShortcutsWithACommandWinOverTheFocusedViewAndTheOthersReachIt)
{
    const auto view = OpenMainWindow();
    QWidget* widget = WidgetOf(*main);
    {
        SCOPED_TRACE("Close has no handler in the main window: Ctrl+W, like Ctrl+C, goes to the view; Shift counts");
        for (const auto key : {Qt::Key_W, Qt::Key_C})
            QTest::keyClick(widget, key, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(main->IsOpen());
        EXPECT_EQ(view->keys, Lines({"w", "c", "W"}));
    }
    {
        SCOPED_TRACE("Ctrl+, and Ctrl+? (typed with Shift) run their commands, once");
        QTest::keyClick(widget, Qt::Key_Comma, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(services->messages.size(), 1u);
        EXPECT_EQ(services->urls, Lines({AppCommands::MakerSiteURL("/dirizezoz/help.php")}));
        EXPECT_EQ(view->keys.size(), 3u);
    }
    SCOPED_TRACE("Ctrl+W with the about box in front closes it and only it");
    Choose("HelpAboutDiRizezoz");
    const auto about = KxAboutBoxKit::KxAboutBoxWindow();
    ShowAndActivate(*about);
    QTest::keyClick(WidgetOf(*about), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(about->IsOpen());
    EXPECT_EQ(KxAboutBoxKit::KxAboutBoxWindow(), nullptr);
    EXPECT_TRUE(main->IsOpen());
}

TEST_F(MenusTest, MenuBarSitsAboveAContentThatKeepsItsSizeAndCoordinates)
{
    const auto view = OpenMainWindow();
    main->Width(799);
    main->Height(559);
    QWidget* widget = WidgetOf(*main);
    auto* menuBar = widget->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    const int top = menuBar->height();
    EXPECT_EQ(widget->height(), 559 + top);
    EXPECT_EQ(main->Height(), 559);
    EXPECT_EQ(main->Top(), widget->geometry().top() + top);
    EXPECT_EQ(ContentOrigin(*main), QPoint(0, top));
    EXPECT_EQ((ScreenPixels(*main).pixel(15, top + 15) & 0xFFFFFF), 0x0000FFu);
    QTest::mouseClick(HandleOf(*main), Qt::LeftButton, {}, QPoint(15, top + 15));
    EXPECT_EQ(view->keys, Lines({"press 5,5"}));

    // A chosen item goes the way of its shortcut; the label shows the desktop's form.
    const auto help = menuBar->actions()[2]->menu()->actions();
    EXPECT_EQ(help[0]->text(), "Di Rizezoz Help\tCtrl+?");
    help[0]->trigger();
    EXPECT_EQ(services->urls, Lines({AppCommands::MakerSiteURL("/dirizezoz/help.php")}));
}

TEST_F(MenusTest, APageThatNoBrowserShowsIsNamedInAMessage)
{
    struct NoBrowser : RecordingServices {
        bool ShowURL(const std::string& url) override
        {
            urls.push_back(url);
            return false;
        }
    };
    const auto noBrowser = std::make_shared<NoBrowser>();
    const auto previous = platform::SetServices(noBrowser);
    OpenMainWindow();
    QWidget* widget = WidgetOf(*main);
    QTest::keyClick(widget, Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
    const auto help = widget->findChild<QMenuBar*>()->actions()[2]->menu()->actions();
    ASSERT_EQ(help[4]->text(), "Report Bug...");
    help[4]->trigger();
    platform::SetServices(previous);
    const std::string page = AppCommands::MakerSiteURL("/dirizezoz/help.php");
    const std::string bug = AppCommands::MakerSiteURL("/report_bug.php?app=dirizezoz&os=mac");
    EXPECT_EQ(noBrowser->urls, Lines({page, bug}));
    const std::string message = "No web browser could be started to show this page. Its address is:\n\n";
    EXPECT_EQ(noBrowser->messages, Lines({message + page, message + bug}));
    EXPECT_TRUE(main->IsOpen());
}

TEST_F(MenusTest, CtrlQQuitsWhileAViewTakesEveryKey)
{
    std::shared_ptr<GreedyView> view;
    application->onNewDocument = [&] {
        view = OpenMainWindow();
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

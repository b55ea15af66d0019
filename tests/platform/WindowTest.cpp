#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Keyboard.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/WindowWidget.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

// Logs every event as one line and answers what the test asks.
class RecordingWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<RecordingWindow>;
    static Ref Create(std::function<void(RecordingWindow&)> setUp = {})
    {
        Ref window(new RecordingWindow());
        if (setUp)
            setUp(*window);
        return Opened(window);
    }

    std::vector<std::string> log;
    bool takePress = true;
    bool takeKeys = true;
    bool cancelClose = false;
    bool buildMenu = true;
    bool shiftDuringKey = false;
    bool commandDuringKey = false;
    bool cmmDuringPress = false;
    bool buttonDownDuringDrag = false;
    std::function<void()> onMouseDown;
    int paints = 0;

    std::vector<std::string> Take()
    {
        auto taken = std::move(log);
        log.clear();
        return taken;
    }
    // Without the pointer moves that the desktop sends before a press elsewhere.
    std::vector<std::string> TakeWithoutMoves()
    {
        std::vector<std::string> taken;
        for (auto& line : Take())
            if (line.rfind("move", 0) != 0)
                taken.push_back(std::move(line));
        return taken;
    }

protected:
    void OnOpen() override { log.push_back("open"); }
    void OnClose() override { log.push_back("close"); }
    void OnPaint(const platform::Graphics::Ref& g) override
    {
        ++paints;
        g->SetForeColor(platform::Color{0x0000FF});
        g->FillRect(10, 10, 20, 20);
    }
    bool OnCancelClose(bool appQuitting) override
    {
        log.push_back(appQuitting ? "cancelclose quitting" : "cancelclose");
        return cancelClose;
    }
    bool OnMouseDown(int32_t x, int32_t y) override
    {
        cmmDuringPress = platform::IsCMMClick();
        log.push_back("down " + platform::Str(x) + "," + platform::Str(y));
        if (onMouseDown)
            onMouseDown();
        return takePress;
    }
    void OnMouseDrag(int32_t x, int32_t y) override
    {
        buttonDownDuringDrag = platform::System::MouseDown();
        log.push_back("drag " + platform::Str(x) + "," + platform::Str(y));
    }
    void OnMouseUp(int32_t x, int32_t y) override { log.push_back("up " + platform::Str(x) + "," + platform::Str(y)); }
    void OnMouseMove(int32_t x, int32_t y) override
    {
        log.push_back("move " + platform::Str(x) + "," + platform::Str(y));
    }
    bool OnMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) override
    {
        log.push_back("wheel " + platform::Str(x) + "," + platform::Str(y) + " " + platform::Str(deltaX) + "," +
                      platform::Str(deltaY));
        return true;
    }
    bool OnKeyDown(const std::string& key) override
    {
        shiftDuringKey = platform::Keyboard::ShiftKey();
        commandDuringKey = platform::Keyboard::CommandKey();
        const auto code = static_cast<unsigned char>(key[0]);
        log.push_back(code < 0x20 || code == 0x7F ? "key #" + platform::Str(static_cast<int32_t>(code)) : "key " + key);
        return takeKeys;
    }
    bool OnConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override
    {
        log.push_back("menu " + platform::Str(x) + "," + platform::Str(y));
        base->Append(platform::MenuItem::Create("Copy"));
        base->Append(platform::MenuItem::Create("Paste"));
        return buildMenu;
    }
    bool OnContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        log.push_back("action " + hitItem->Text);
        return true;
    }
    void OnResized() override { log.push_back("resized " + platform::Str(Width()) + "x" + platform::Str(Height())); }

private:
    RecordingWindow() { Width(200); Height(150); }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = RecordingWindow::Create();
        ShowAndActivate(*window);
        handle = HandleOf(*window);
        widget = WidgetOf(*window);
        window->Take();
    }
    void TearDown() override
    {
        window->cancelClose = false;
        window->Close();
    }

    ScopedRecordingServices services;
    RecordingWindow::Ref window;
    QWindow* handle = nullptr;
    QWidget* widget = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(WindowTest, DragsAndReleaseFollowOnlyATakenPress)
{
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(handle, QPoint(30, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(35, 45));
    auto log = window->TakeWithoutMoves();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log.front(), "down 10,20");
    EXPECT_EQ(log.back(), "up 35,45");
    EXPECT_NE(std::find(log.begin(), log.end(), "drag 30,40"), log.end());
    EXPECT_TRUE(window->buttonDownDuringDrag);
    EXPECT_FALSE(platform::System::MouseDown());
    EXPECT_FALSE(platform::IsCMMClick());

    window->takePress = false;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(handle, QPoint(30, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(window->TakeWithoutMoves(), Log({"down 10,20"}));

    // Without a button the pointer only moves.
    QTest::mouseMove(handle, QPoint(50, 60));
    EXPECT_EQ(window->Take(), Log({"move 50,60"}));
    EXPECT_EQ(window->MouseX(), 50);
    EXPECT_EQ(window->MouseY(), 60);
}

TEST_F(WindowTest, DoubleClickArrivesAsASecondPress)
{
    QTest::mouseDClick(handle, Qt::LeftButton, {}, QPoint(12, 14));
    Log presses;
    for (const auto& line : window->Take())
        if (line.rfind("down", 0) == 0 || line.rfind("up", 0) == 0)
            presses.push_back(line);
    EXPECT_EQ(presses, Log({"down 12,14", "up 12,14", "down 12,14", "up 12,14"}));
}

TEST_F(WindowTest, HeldButtonKeepsSendingDrags)
{
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_TRUE(WaitFor([&] { return window->log.size() >= 3; }));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(5, 6));
    auto log = window->TakeWithoutMoves();
    EXPECT_EQ(log.front(), "down 5,6");
    EXPECT_EQ(log[1], "drag 5,6");
    EXPECT_EQ(log.back(), "up 5,6");

    // The repeat stops with the release.
    ProcessEventsFor(100);
    EXPECT_TRUE(window->TakeWithoutMoves().empty());
}

TEST_F(WindowTest, KeysArriveAsTheirCharacterCodes)
{
    const std::vector<std::pair<Qt::Key, std::string>> keys = {
        {Qt::Key_Return, "key #13"},    {Qt::Key_Backspace, "key #8"}, {Qt::Key_Tab, "key #9"},
        {Qt::Key_Escape, "key #27"},    {Qt::Key_Left, "key #28"},     {Qt::Key_Right, "key #29"},
        {Qt::Key_Up, "key #30"},        {Qt::Key_Down, "key #31"},     {Qt::Key_Delete, "key #127"},
        {Qt::Key_A, "key a"},
    };
    for (const auto& [key, expected] : keys) {
        QTest::keyClick(widget, key);
        EXPECT_EQ(window->Take(), Log({expected})) << expected;
        EXPECT_FALSE(window->shiftDuringKey);
    }

    QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->Take(), Log({"key #3"}));

    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Eacute, QString::fromUtf8("é"), {});
    EXPECT_EQ(window->Take(), Log({"key é"}));

    QTest::keyClick(widget, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(window->Take(), Log({"key #9"}));
    EXPECT_TRUE(window->shiftDuringKey);

    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(window->Take(), Log({"key c"}));
    EXPECT_TRUE(window->commandDuringKey);

    // A modifier alone is no key.
    QTest::keyClick(widget, Qt::Key_Shift);
    EXPECT_TRUE(window->Take().empty());
}

TEST(WindowKeys, DesktopAndSyntheticEventsGiveTheSameKey)
{
    // X sends Ctrl+C as "\x03", Delete as "\x7f", Shift-Tab as Backtab.
    EXPECT_EQ(platform::KeyText(Qt::Key_C, Qt::ControlModifier, "\x03"), "c");
    EXPECT_EQ(platform::KeyText(Qt::Key_C, Qt::ControlModifier, "c"), "c");
    EXPECT_EQ(platform::KeyText(Qt::Key_Delete, {}, "\x7f"), platform::Chr(127));
    EXPECT_EQ(platform::KeyText(Qt::Key_Delete, {}, ""), platform::Chr(127));
    EXPECT_EQ(platform::KeyText(Qt::Key_Backtab, Qt::ShiftModifier, ""), platform::Chr(9));
    EXPECT_EQ(platform::KeyText(Qt::Key_Return, Qt::KeypadModifier, "\r"), platform::Chr(3));
    EXPECT_EQ(platform::KeyText(Qt::Key_F5, {}, ""), std::nullopt);
    EXPECT_EQ(platform::KeyText(Qt::Key_Control, Qt::ControlModifier, ""), std::nullopt);
}

TEST_F(WindowTest, KeysTheWindowLeavesGoOnToMenuShortcuts)
{
    QAction shortcut(widget);
    shortcut.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    widget->addAction(&shortcut);
    int triggered = 0;
    QObject::connect(&shortcut, &QAction::triggered, [&] { ++triggered; });

    QTest::keyClick(widget, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(window->Take(), Log({"key k"}));
    EXPECT_EQ(triggered, 0);

    window->takeKeys = false;
    QTest::keyClick(widget, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(window->Take(), Log({"key k"}));  // offered once, not twice
    EXPECT_EQ(triggered, 1);
}

TEST_F(WindowTest, WheelStepsScrollDownAndRightWhenPositive)
{
    QWheelEvent down(QPointF(20, 30), widget->mapToGlobal(QPointF(20, 30)), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &down);
    EXPECT_TRUE(down.isAccepted());
    // Half notches add up to one step.
    for (int half = 0; half < 2; ++half) {
        QWheelEvent up(QPointF(20, 30), widget->mapToGlobal(QPointF(20, 30)), {}, QPoint(0, 60), Qt::NoButton, {},
                       Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &up);
    }
    EXPECT_EQ(window->Take(), Log({"wheel 20,30 0,1", "wheel 20,30 0,-1"}));
}

TEST_F(WindowTest, ContextualClickBuildsAndShowsTheMenu)
{
    services->choose = [](const platform::MenuItem::Ref& menu) { return menu->Child(1); };
    window->takePress = false;
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(40, 50));
    EXPECT_TRUE(window->cmmDuringPress);
    EXPECT_EQ(window->TakeWithoutMoves(), Log({"down 40,50", "menu 40,50", "action Paste"}));
    ASSERT_EQ(services->popUps.size(), 1u);
    const QPoint global = widget->mapToGlobal(QPoint(40, 50));
    EXPECT_EQ(services->popUps[0].x, global.x());
    EXPECT_EQ(services->popUps[0].y, global.y());

    // A menu the window declines to build is not shown; nothing chosen, no action.
    window->buildMenu = false;
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(40, 50));
    window->buildMenu = true;
    services->choose = nullptr;
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(40, 50));
    EXPECT_EQ(window->TakeWithoutMoves(), Log({"down 40,50", "menu 40,50", "down 40,50", "menu 40,50"}));
    EXPECT_EQ(services->popUps.size(), 2u);

    // Pop-up menus of views take the same road.
    services->choose = [](const platform::MenuItem::Ref& menu) { return menu->Child(0); };
    const auto menu = platform::MenuItem::Create();
    menu->Append(platform::MenuItem::Create("Only"));
    EXPECT_EQ(menu->PopUp(3, 4), menu->Child(0));
    EXPECT_EQ(services->popUps.back().x, 3);

    // A left click is no contextual click.
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_FALSE(window->cmmDuringPress);
}

TEST(WindowPaint, PaintShowsOnBackColorAndLaterDrawingWaitsForUpdateNow)
{
    auto window = RecordingWindow::Create([](RecordingWindow& created) {
        created.HasBackColor(true);
        created.BackColor(platform::Color{0xFF0000});
    });
    ShowAndActivate(*window);
    auto pixel = [&](int x, int y) { return ScreenPixels(*window).pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(pixel(5, 5), 0xFF0000u);
    EXPECT_EQ(pixel(15, 15), 0x0000FFu);
    const int paints = window->paints;

    const auto g = window->Graphics();
    g->SetForeColor(platform::Color{0x00FF00});
    g->FillRect(50, 50, 10, 10);
    g->FillRect(80, 80, 10, 10);
    EXPECT_EQ(pixel(55, 55), 0xFF0000u);
    // Only the marked part goes on screen.
    window->Invalidate(50, 50, 10, 10);
    window->UpdateNow();
    EXPECT_EQ(pixel(55, 55), 0x00FF00u);
    EXPECT_EQ(pixel(85, 85), 0xFF0000u);
    // Unmarked drawing shows whole.
    window->UpdateNow();
    EXPECT_EQ(pixel(55, 55), 0x00FF00u);
    g->FillRect(0, 0, 1, 1);
    window->UpdateNow();
    EXPECT_EQ(pixel(85, 85), 0x00FF00u);
    EXPECT_EQ(window->paints, paints);  // drawing outside Paint asks for no Paint
    window->Close();
}

TEST_F(WindowTest, SizeSetInCodeIsReportedOnce)
{
    window->Width(260);
    window->Height(150);  // unchanged
    EXPECT_EQ(window->Take(), Log({"resized 260x150"}));
    EXPECT_EQ(widget->width(), 260);
}

TEST_F(WindowTest, CloseCanBeCancelledAndUnlistsTheWindow)
{
    ASSERT_EQ(platform::Application::Window(0), window);
    const auto count = platform::Application::WindowCount();

    window->cancelClose = true;
    EXPECT_FALSE(window->Close());
    EXPECT_TRUE(window->IsOpen());
    EXPECT_TRUE(widget->isVisible());

    // The desktop's close control goes the same way.
    widget->close();
    EXPECT_EQ(window->Take(), Log({"cancelclose", "cancelclose"}));

    window->cancelClose = false;
    EXPECT_TRUE(window->Close());
    EXPECT_EQ(window->Take(), Log({"cancelclose", "close"}));
    EXPECT_FALSE(window->IsOpen());
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(platform::Application::WindowCount(), count - 1);
    EXPECT_TRUE(window->Close());  // closing again does nothing
    EXPECT_TRUE(window->Take().empty());
}

TEST(WindowList, NewestWindowIsInFrontAndAWindowLivesUntilItCloses)
{
    const auto before = platform::Application::WindowCount();
    std::weak_ptr<RecordingWindow> first = RecordingWindow::Create();
    std::weak_ptr<RecordingWindow> second = RecordingWindow::Create();
    ASSERT_FALSE(first.expired());
    EXPECT_EQ(platform::Application::WindowCount(), before + 2);
    EXPECT_EQ(platform::Application::Window(0), second.lock());
    EXPECT_EQ(platform::Application::Window(1), first.lock());
    EXPECT_EQ(platform::Application::Window(before + 2), nullptr);
    EXPECT_EQ(platform::Application::Window(-1), nullptr);

    first.lock()->Close();
    EXPECT_TRUE(first.expired());
    second.lock()->Close();
    EXPECT_TRUE(second.expired());
    EXPECT_EQ(platform::Application::WindowCount(), before);
}

TEST(WindowList, WindowThatClosesItselfInsideAnEventGoesAwaySafely)
{
    ScopedRecordingServices services;
    std::weak_ptr<RecordingWindow> weak = RecordingWindow::Create();
    auto window = weak.lock();
    ShowAndActivate(*window);
    QWindow* handle = HandleOf(*window);
    window->onMouseDown = [&weak] { weak.lock()->Close(); };
    window.reset();
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(weak.expired());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

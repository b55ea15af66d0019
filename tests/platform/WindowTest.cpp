#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Codes.h"
#include "platform/EventLoop.h"
#include "platform/Keyboard.h"
#include "platform/MenuBar.h"
#include "platform/System.h"
#include "platform/TestSeam.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QKeySequence>
#include <QResizeEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace testsupport;
using Log = std::vector<std::string>;

namespace {

std::string Point(int32_t x, int32_t y) { return platform::Str(x) + "," + platform::Str(y); }

// Logs its events as lines and answers what the test asks. (The window host's
// tests drive the other events through this layer.)
class RecordingWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<RecordingWindow>;
    // beforeOpening sets the window up before it opens, as a window's constructor does.
    static Ref Create(const std::function<void(RecordingWindow&)>& beforeOpening = {})
    {
        Ref window(new RecordingWindow());
        if (beforeOpening)
            beforeOpening(*window);
        return Opened(window);
    }

    Log log;
    bool takePress = true;
    bool takeKeys = true;
    bool cancelClose = false;
    bool commandDuringKey = false;
    bool buttonDownDuringDrag = false;
    std::function<void()> onMouseDown;
    int paints = 0;

    // The log since the last call, without the pointer moves that the desktop
    // sends before a press elsewhere.
    Log Take()
    {
        Log taken;
        for (auto& line : log)
            if (line.rfind("move", 0) != 0)
                taken.push_back(std::move(line));
        log.clear();
        return taken;
    }

protected:
    void OnClose() override { log.push_back("close"); }
    void OnResizing() override { log.push_back("resizing " + Point(Width(), Height())); }
    void OnResized() override { log.push_back("resized " + Point(Width(), Height())); }
    void OnMoved() override { log.push_back("position " + Point(Left(), Top())); }
    void OnPaint(const platform::Graphics::Ref& g) override
    {
        ++paints;
        g->SetForeColor(platform::Color{0x0000FF});
        g->FillRect(10, 10, 20, 20);
    }
    bool OnCancelClose(bool) override
    {
        log.push_back("cancelclose");
        return cancelClose;
    }
    bool OnMouseDown(int32_t x, int32_t y) override
    {
        log.push_back("down " + Point(x, y));
        if (onMouseDown)
            onMouseDown();
        return takePress;
    }
    void OnMouseDrag(int32_t x, int32_t y) override
    {
        buttonDownDuringDrag = platform::System::MouseDown();
        log.push_back("drag " + Point(x, y));
    }
    void OnMouseUp(int32_t x, int32_t y) override { log.push_back("up " + Point(x, y)); }
    void OnMouseMove(int32_t x, int32_t y) override { log.push_back("move " + Point(x, y)); }
    bool OnConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override
    {
        log.push_back("menu " + Point(x, y));
        base->Append(platform::MenuItem::Create("Item"));
        return true;
    }
    bool OnContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        log.push_back("chosen " + hitItem->Text);
        return true;
    }
    bool OnKeyDown(const std::string& key) override
    {
        commandDuringKey = platform::Keyboard::CommandKey();
        const auto code = static_cast<unsigned char>(key[0]);
        log.push_back(code < 0x20 || code == 0x7F ? "key #" + platform::Str(static_cast<int32_t>(code)) : "key " + key);
        return takeKeys;
    }

private:
    RecordingWindow()
    {
        Width(200);
        Height(150);
    }
};

// Gives every window the menu bar above its content while it is registered.
class MenuBarApplication : public platform::Application {
public:
    static std::shared_ptr<MenuBarApplication> Create()
    {
        std::shared_ptr<MenuBarApplication> application(new MenuBarApplication());
        const auto file = platform::MenuItem::Create("File");
        file->Append(platform::MenuItem::Create("Quit"));
        const auto bar = platform::MenuBar::Create();
        bar->Append(file);
        application->MenuBar(bar);
        return application;
    }

private:
    MenuBarApplication() = default;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Exact logs: drags only from pointer moves, unless a test asks.
        platform::testseam::SetDragRepeatInterval(0);
        ShowAndActivate(*window);
        handle = HandleOf(*window);
        widget = WidgetOf(*window);
        window->log.clear();
    }
    void TearDown() override
    {
        platform::testseam::SetDragRepeatInterval(30);
        window->cancelClose = false;
        window->Close();
    }

    ScopedRecordingServices services;
    RecordingWindow::Ref window = RecordingWindow::Create();
    QWindow* handle = nullptr;
    QWidget* widget = nullptr;
};

TEST_F(WindowTest, PressesFollowTheDesktopAndASecondClickIsASecondPress)
{
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(handle, QPoint(30, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(window->Take(), Log({"down 10,20", "drag 30,40", "up 30,40"}));
    EXPECT_TRUE(window->buttonDownDuringDrag);
    EXPECT_FALSE(platform::System::MouseDown());

    QTest::mouseDClick(handle, Qt::LeftButton, {}, QPoint(12, 14));
    EXPECT_EQ(window->Take(), Log({"down 12,14", "up 12,14", "down 12,14", "up 12,14"}));

    SCOPED_TRACE("a press the window does not take has no drags and no release");
    window->takePress = false;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseMove(handle, QPoint(30, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(window->Take(), Log({"down 10,20"}));
    EXPECT_EQ(window->MouseX(), 30);
    EXPECT_EQ(window->MouseY(), 40);
}

TEST_F(WindowTest, PressHookThatHoldsUntilTheReleaseEndsThePress)
{
    // As a press-and-hold button does: wait in the hook, yielding, for the release.
    window->onMouseDown = [&] {
        QTimer::singleShot(0, [&] { QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(12, 22)); });
        while (platform::System::MouseDown())
            platform::YieldToEventLoop();
    };
    platform::testseam::SetDragRepeatInterval(30);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 20));
    ProcessEventsFor(100);
    EXPECT_EQ(window->Take(), Log({"down 10,20", "up 12,22"}));
}

TEST_F(WindowTest, HeldButtonKeepsSendingDrags)
{
    platform::testseam::SetDragRepeatInterval(30);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_TRUE(RunEventLoopUntil([&] { return window->log.size() >= 3; }));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(5, 6));
    auto log = window->Take();
    EXPECT_EQ(log.front(), "down 5,6");
    EXPECT_EQ(log[1], "drag 5,6");
    EXPECT_EQ(log.back(), "up 5,6");

    // The repeat stops with the release.
    ProcessEventsFor(100);
    EXPECT_TRUE(window->Take().empty());
}

TEST(WindowKeys, KeyTextGivesTheCharacterCodesForDesktopAndSyntheticEvents)
{
    using platform::Chr;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<std::string> expected;
    };
    const auto code = [](int32_t key) { return std::optional<std::string>(Chr(key)); };
    const std::vector<Case> cases = {
        // X gives Shift-Tab as Backtab, Delete with text, Ctrl+C as "\x03"; QTest gives neither.
        {Qt::Key_Return, {}, "\r", code(codes::kKeyReturn)}, {Qt::Key_Enter, {}, "\r", code(codes::kKeyEnter)},
        {Qt::Key_Return, Qt::KeypadModifier, "\r", code(codes::kKeyEnter)},
        {Qt::Key_Backspace, {}, "\b", code(codes::kKeyBackspace)}, {Qt::Key_Tab, {}, "\t", code(codes::kKeyTab)},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", code(codes::kKeyTab)},
        {Qt::Key_Escape, {}, "\x1b", code(codes::kKeyEscape)}, {Qt::Key_Left, {}, "", code(codes::kKeyLeft)},
        {Qt::Key_Right, {}, "", code(codes::kKeyRight)}, {Qt::Key_Up, {}, "", code(codes::kKeyUp)},
        {Qt::Key_Down, {}, "", code(codes::kKeyDown)}, {Qt::Key_Delete, {}, "\x7f", code(codes::kKeyDelete)},
        {Qt::Key_Delete, {}, "", code(codes::kKeyDelete)}, {Qt::Key_C, Qt::ControlModifier, "\x03", "c"},
        {Qt::Key_C, Qt::ControlModifier, "c", "c"}, {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "\x16", "V"},
        {Qt::Key_A, {}, "a", "a"}, {Qt::Key_Eacute, {}, QString::fromUtf8("\xC3\xA9"), "\xC3\xA9"},
        {Qt::Key_Home, {}, "", code(codes::kKeyHome)}, {Qt::Key_End, Qt::ShiftModifier, "", code(codes::kKeyEnd)},
        // Alt, Super (Meta on X) and Meta make no text; AltGr, a group switch, composes it.
        {Qt::Key_X, Qt::AltModifier, "x", std::nullopt}, {Qt::Key_1, Qt::AltModifier, "1", std::nullopt},
        {Qt::Key_A, Qt::MetaModifier, "a", std::nullopt},
        {Qt::Key_E, Qt::GroupSwitchModifier, QString::fromUtf8("\xE2\x82\xAC"), "\xE2\x82\xAC"},
        // Keys without text, a modifier alone, control characters as text: no key.
        {Qt::Key_F5, {}, "", std::nullopt}, {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt},
        {Qt::Key_Control, Qt::ControlModifier, "", std::nullopt}, {Qt::Key_unknown, {}, "\x01", std::nullopt},
    };
    for (const auto& [key, modifiers, text, expected] : cases) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString() + " text " + text.toStdString());
        EXPECT_EQ(platform::testseam::KeyText(key, modifiers, text), expected);
    }
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
    EXPECT_TRUE(window->commandDuringKey);
    EXPECT_EQ(triggered, 0);

    window->takeKeys = false;
    QTest::keyClick(widget, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(window->Take(), Log({"key k"}));  // offered once, not twice
    EXPECT_EQ(triggered, 1);
}

TEST(WindowGeometry, ChangesRaiseOneEventEachAndNoneWhenNothingChanges)
{
    struct Setup {
        const char* name;
        std::function<void(RecordingWindow&)> beforeOpening;
        std::optional<int32_t> setLeft;
        std::optional<int32_t> setTop;
        bool menuBar = false;
    };
    const std::vector<Setup> setups = {
        {"left and top set before opening",
         [](RecordingWindow& w) {
             w.Left(40);
             w.Top(50);
         },
         40, 50},
        {"left alone", [](RecordingWindow& w) { w.Left(40); }, 40, std::nullopt},
        {"top alone", [](RecordingWindow& w) { w.Top(50); }, std::nullopt, 50},
        {"nothing set", {}, std::nullopt, std::nullopt},
        {"sized, placed, fixed and hidden before opening, shown after",
         [](RecordingWindow& w) {
             w.Width(220);
             w.Height(160);
             w.Left(40);
             w.Top(50);
             w.Resizeable(false);
             w.Visible(false);
         },
         40, 50},
        // The window grows by the menu bar as it opens.
        {"sized and placed before opening with a menu bar",
         [](RecordingWindow& w) {
             w.Left(40);
             w.Top(50);
             w.Resizeable(false);
         },
         40, std::nullopt, true},
    };
    for (const auto& [name, beforeOpening, setLeft, setTop, menuBar] : setups) {
        SCOPED_TRACE(name);
        const auto previous = platform::Application::Current();
        if (menuBar)
            platform::Application::Register(MenuBarApplication::Create());
        auto placed = RecordingWindow::Create(beforeOpening);
        const int32_t left = placed->Left();
        const int32_t top = placed->Top();
        ShowAndActivate(*placed);
        EXPECT_EQ(placed->Take(), Log());
        EXPECT_EQ(Point(placed->Left(), placed->Top()), Point(left, top));
        if (setLeft) {
            EXPECT_EQ(left, *setLeft);
        }
        if (setTop) {
            EXPECT_EQ(top, *setTop);
        }
        placed->Left(left + 20);
        EXPECT_EQ(placed->Take(), Log({"position " + Point(left + 20, top)}));
        placed->Close();
        platform::Application::Register(previous);
    }

    auto window = RecordingWindow::Create();
    ShowAndActivate(*window);
    window->log.clear();

    SCOPED_TRACE("the same size again");
    window->Width(200);
    window->Height(150);
    EXPECT_EQ(window->Take(), Log());

    SCOPED_TRACE("the window system's resizes: the same size, then another");
    QWidget* widget = WidgetOf(*window);
    QResizeEvent same(widget->size(), widget->size());
    QCoreApplication::sendEvent(widget, &same);
    EXPECT_EQ(window->Take(), Log());
    widget->resize(210, 150);
    EXPECT_TRUE(RunEventLoopUntil([&] { return !window->log.empty() && window->log.back() == "resized 210,150"; }));
    EXPECT_EQ(window->Take(), Log({"resizing 210,150", "resized 210,150"}));
    window->Width(200);
    window->log.clear();

    SCOPED_TRACE("no width");
    window->Width(0);
    window->Width(0);
    EXPECT_EQ(window->Take(), Log({"resized 1,150"}));

    SCOPED_TRACE("larger than a back picture can be");
    window->Visible(false);
    window->Width(16777215);
    window->Height(16777215);
    const auto most = platform::Window::kMaxSide;
    EXPECT_EQ(window->Take(), Log({"resized " + Point(most, 150), "resized " + Point(most, most)}));
    window->Graphics()->FillRect(0, 0, 10, 10);
    window->Invalidate(INT32_MAX - 5, 0, 100000, 10);  // far off: marks nothing, overflows nothing
    window->UpdateNow();
    window->Close();
}

TEST(WindowGeometry, FixedSizeRefusesTheDesktopsResizesUntilResizableAgain)
{
    auto window = RecordingWindow::Create([](RecordingWindow& w) { w.Resizeable(false); });
    ShowAndActivate(*window);
    window->log.clear();
    QWidget* widget = WidgetOf(*window);
    EXPECT_FALSE(window->Resizeable());
    widget->resize(250, 100);
    ProcessEventsFor(200);  // longer than a live resize takes to settle
    EXPECT_EQ(window->Take(), Log());
    EXPECT_EQ(Point(window->Width(), window->Height()), Point(200, 150));

    SCOPED_TRACE("a size set in code still applies, and stays fixed");
    window->Width(240);
    EXPECT_EQ(window->Take(), Log({"resized 240,150"}));
    widget->resize(250, 100);
    ProcessEventsFor(200);
    EXPECT_EQ(window->Take(), Log());

    SCOPED_TRACE("resizable again: larger and smaller both");
    window->Resizeable(true);
    EXPECT_TRUE(window->Resizeable());
    EXPECT_EQ(window->Take(), Log());
    widget->resize(250, 100);
    EXPECT_TRUE(RunEventLoopUntil([&] { return !window->log.empty() && window->log.back() == "resized 250,100"; }));
    EXPECT_EQ(window->Take(), Log({"resizing 250,100", "resized 250,100"}));
    window->Close();
}

TEST(WindowPaint, PaintShowsOnBackColorAndLaterDrawingWaitsForUpdateNow)
{
    auto window = RecordingWindow::Create();
    window->HasBackColor(true);
    window->BackColor(platform::Color{0xFF0000});
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

    SCOPED_TRACE("only the marked part goes on screen");
    window->Invalidate(50, 50, 10, 10);
    window->UpdateNow();
    EXPECT_EQ(pixel(55, 55), 0x00FF00u);
    EXPECT_EQ(pixel(85, 85), 0xFF0000u);

    SCOPED_TRACE("unmarked drawing shows whole");
    g->FillRect(0, 0, 1, 1);
    window->UpdateNow();
    EXPECT_EQ(pixel(85, 85), 0x00FF00u);
    EXPECT_EQ(window->paints, paints);  // drawing outside Paint asks for no Paint
    window->Close();
}

TEST_F(WindowTest, NewestWindowIsInFrontAndCloseCanBeCancelledOrUnlistsIt)
{
    std::weak_ptr<RecordingWindow> newer = RecordingWindow::Create();
    ASSERT_EQ(platform::Application::Window(0), newer.lock());
    ASSERT_EQ(platform::Application::Window(1), window);
    const auto count = platform::Application::WindowCount();
    EXPECT_EQ(platform::Application::Window(count), nullptr);
    newer.lock()->Close();
    EXPECT_TRUE(newer.expired());  // nothing else held it

    window->cancelClose = true;
    EXPECT_FALSE(window->Close());
    widget->close();  // the desktop's close control goes the same way
    EXPECT_EQ(window->Take(), Log({"cancelclose", "cancelclose"}));
    EXPECT_TRUE(widget->isVisible());

    window->cancelClose = false;
    EXPECT_TRUE(window->Close());
    EXPECT_EQ(window->Take(), Log({"cancelclose", "close"}));
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(platform::Application::WindowCount(), count - 2);
    EXPECT_TRUE(window->Close());  // closing again does nothing
    EXPECT_TRUE(window->Take().empty());
}

TEST(WindowList, WindowClosedInsideItsOwnEventGoesAwaySafely)
{
    ScopedRecordingServices services;
    for (const auto button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button == Qt::LeftButton ? "in its press" : "while its contextual menu is open");
        std::weak_ptr<RecordingWindow> weak = RecordingWindow::Create();
        auto window = weak.lock();
        window->takePress = false;
        ShowAndActivate(*window);
        QWindow* handle = HandleOf(*window);
        const auto close = [&weak] { weak.lock()->Close(); };
        if (button == Qt::LeftButton)
            window->onMouseDown = close;
        services->choose = [&close](const platform::MenuItem::Ref& menu) { return close(), menu->Child(0); };
        window.reset();
        QTest::mouseClick(handle, button, {}, QPoint(10, 10));
        EXPECT_TRUE(weak.expired());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST(Clipboard, TextRoundTripsAsUtf8)
{
    platform::Clipboard::Create()->SetText("Kaffee \xE2\x98\x95 und Br\xC3\xB6tchen");
    EXPECT_EQ(platform::Clipboard::Create()->Text(), "Kaffee \xE2\x98\x95 und Br\xC3\xB6tchen");
    EXPECT_TRUE(platform::Clipboard::Create()->TextAvailable());
}

}  // namespace

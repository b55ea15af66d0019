#include "platform/Application.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;
using Log = std::vector<std::string>;

namespace {

class MenuApplication : public platform::Application {
public:
    using Ref = std::shared_ptr<MenuApplication>;
    static Ref Create() { return Ref(new MenuApplication()); }
    std::function<void()> enableMenuItems;

protected:
    void OnEnableMenuItems() override
    {
        if (enableMenuItems)
            enableMenuItems();
    }
};

// Takes every key and logs it, as a focused text field would.
class KeyWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<KeyWindow>;
    static Ref Create() { return Opened(Ref(new KeyWindow())); }
    Log log;

protected:
    bool OnKeyDown(const std::string& key) override
    {
        log.push_back("key " + key);
        return true;
    }
    bool OnMouseDown(int32_t x, int32_t y) override
    {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    void OnPaint(const platform::Graphics::Ref& g) override
    {
        g->SetForeColor(platform::Color{0x0000FF});
        g->FillRect(10, 10, 20, 20);
    }

private:
    KeyWindow()
    {
        Width(200);
        Height(150);
    }
};

platform::MenuItem::Ref AddItem(const platform::MenuItem::Ref& menu, const std::string& name,
                                const std::string& shortcut, platform::MenuRole role = platform::MenuRole::Plain)
{
    auto item = platform::MenuItem::Create(name);
    item->Name = name;
    item->KeyboardShortcut = shortcut;
    item->Role = role;
    menu->Append(item);
    return item;
}

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto menu = platform::MenuItem::Create("&File");
        menu->Name = "FileMenu";
        bar->Append(menu);
        AddItem(menu, "FileClose", "Cmd+W");
        AddItem(menu, "EditCopy", "Cmd+C");
        AddItem(menu, "Help", "Cmd+?");
        bold = AddItem(menu, "Bold", "Cmd+B");
        bold->AutoEnable = false;
        application->MenuBar(bar);
        platform::Application::Register(application);
        window = KeyWindow::Create();
        ShowAndActivate(*window);
        widget = WidgetOf(*window);
    }
    void TearDown() override
    {
        while (const auto open = platform::Application::Window(0))
            open->Close();
        platform::Application::Register(nullptr);
    }

    void Chord(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(widget, key, modifiers);
    }

    ScopedRecordingServices services;
    MenuApplication::Ref application = MenuApplication::Create();
    platform::MenuBar::Ref bar = platform::MenuBar::Create();
    platform::MenuItem::Ref bold;
    KeyWindow::Ref window;
    QWidget* widget = nullptr;
    Log handled;
};

TEST_F(MenuBarTest, ShortcutsWithAHandlerWinOverTheWindowAndOtherKeysReachIt)
{
    window->AddMenuHandler("FileClose", [this] {
        handled.push_back("window close");
        return true;
    });
    application->AddMenuHandler("Help", [this] {
        handled.push_back("help");
        return true;
    });
    application->AddMenuHandler("Bold", [this] {
        handled.push_back("bold");
        return true;
    });
    {
        SCOPED_TRACE("the window's handler takes its shortcut from a window that takes every key");
        Chord(Qt::Key_W);
        EXPECT_EQ(handled, Log({"window close"}));
        EXPECT_TRUE(window->log.empty());
    }
    {
        SCOPED_TRACE("an item without a handler leaves its key to the window, once");
        Chord(Qt::Key_C);
        EXPECT_EQ(window->log, Log({"key c"}));
    }
    {
        SCOPED_TRACE("Shift makes a letter another key; punctuation is typed with it");
        Chord(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        Chord(Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window->log, Log({"key c", "key W"}));
        EXPECT_EQ(handled.back(), "help");
    }
    {
        SCOPED_TRACE("an item that is not auto-enabled runs only once EnableMenuItems enables it");
        Chord(Qt::Key_B);
        EXPECT_EQ(window->log.back(), "key b");
        application->enableMenuItems = [this] { bold->Enabled = true; };
        Chord(Qt::Key_B);
        EXPECT_EQ(handled.back(), "bold");
        EXPECT_EQ(window->log.size(), 3u);
    }
    {
        SCOPED_TRACE("a handler answering false passes the command on, and at last the key to the window");
        window->AddMenuHandler("Help", [] { return false; });
        window->AddMenuHandler("EditCopy", [] { return false; });
        handled.clear();
        Chord(Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(handled, Log({"help"}));
        Chord(Qt::Key_C);
        EXPECT_EQ(window->log.back(), "key c");
        EXPECT_EQ(window->log.size(), 4u);
    }
}

TEST_F(MenuBarTest, MenuBarSitsAboveAContentThatKeepsItsSizeAndCoordinates)
{
    auto* menuBar = widget->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    const int top = menuBar->height();
    EXPECT_GT(top, 10);
    EXPECT_EQ(widget->height(), 150 + top);
    EXPECT_EQ(window->Width(), 200);
    EXPECT_EQ(window->Height(), 150);
    EXPECT_EQ(window->Top(), widget->geometry().top() + top);

    EXPECT_EQ((ScreenPixels(*window).pixel(15, top + 15) & 0xFFFFFF), 0x0000FFu);
    EXPECT_EQ((ScreenPixels(*window).pixel(15, top + 35) & 0xFFFFFF), 0xFFFFFFu);
    QTest::mouseClick(HandleOf(*window), Qt::LeftButton, {}, QPoint(15, top + 15));
    EXPECT_EQ(window->log, Log({"down 15,15"}));

    // A chosen menu item goes the way its shortcut goes; the label shows the desktop's form.
    window->AddMenuHandler("FileClose", [this] {
        handled.push_back("window close");
        return true;
    });
    const auto actions = menuBar->actions().front()->menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "FileClose\tCtrl+W");
    actions[0]->trigger();
    EXPECT_EQ(handled, Log({"window close"}));

    window->MenuBarVisible(false);
    EXPECT_EQ(widget->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(widget->height(), 150);
    EXPECT_EQ(window->Height(), 150);
}

}  // namespace

#include "platform/Application.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;
using Log = std::vector<std::string>;

namespace {

struct PlainApplication : platform::Application {};

// Takes every key, as a focused text field does; paints a blue square at (10, 10).
class KeyWindow : public platform::Window {
public:
    static std::shared_ptr<KeyWindow> Create() { return Opened(std::shared_ptr<KeyWindow>(new KeyWindow())); }
    Log log;
    std::function<void()> enableMenuItems;

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
    void OnEnableMenuItems() override
    {
        if (enableMenuItems)
            enableMenuItems();
    }

private:
    KeyWindow()
    {
        Width(200);
        Height(150);
    }
};

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto menu = platform::MenuItem::Create("&File");
        bar->Append(menu);
        for (const auto& [name, shortcut] : {std::pair{"FileClose", "Cmd+W"}, {"EditCopy", "Cmd+C"},
                                             {"Help", "Cmd+?"}, {"Bold", "Cmd+B"}}) {
            auto item = platform::MenuItem::Create(name);
            item->Name = name;
            item->KeyboardShortcut = shortcut;
            menu->Append(item);
            application->AddMenuHandler(name, [this, name = std::string(name)] {
                handled.push_back(name);
                return name != "EditCopy";
            });
        }
        menu->Child("Bold")->AutoEnable = false;
        application->MenuBar(bar);
        platform::Application::Register(application);
        window = KeyWindow::Create();
        ShowAndActivate(*window);
        widget = WidgetOf(*window);
    }
    void TearDown() override
    {
        window->Close();
        platform::Application::Register(nullptr);
    }
    void Chord(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(widget, key, modifiers);
    }

    std::shared_ptr<platform::Application> application = std::make_shared<PlainApplication>();
    platform::MenuBar::Ref bar = platform::MenuBar::Create();
    std::shared_ptr<KeyWindow> window;
    QWidget* widget = nullptr;
    Log handled;
};

TEST_F(MenuBarTest, ShortcutsFindTheirCommandBeforeTheWindowSeesTheKey)
{
    {
        SCOPED_TRACE("the window's own handler first, once; punctuation typed with Shift");
        window->AddMenuHandler("FileClose", [this] {
            handled.push_back("window FileClose");
            return true;
        });
        Chord(Qt::Key_W);
        Chord(Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(handled, Log({"window FileClose", "Help"}));
        EXPECT_TRUE(window->log.empty());
    }
    {
        SCOPED_TRACE("Shift makes a letter another key");
        Chord(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window->log, Log({"key W"}));
    }
    {
        SCOPED_TRACE("a command that no handler takes leaves the key to the window");
        Chord(Qt::Key_C);
        EXPECT_EQ(handled.back(), "EditCopy");
        EXPECT_EQ(window->log.back(), "key c");
    }
    {
        SCOPED_TRACE("an item that is not auto-enabled runs once EnableMenuItems enables it");
        Chord(Qt::Key_B);
        EXPECT_EQ(window->log.back(), "key b");
        window->enableMenuItems = [this] { bar->FindShortcut("b")->Enabled = true; };
        Chord(Qt::Key_B);
        EXPECT_EQ(handled.back(), "Bold");
        EXPECT_EQ(window->log.size(), 3u);
    }
}

TEST_F(MenuBarTest, MenuBarSitsAboveAContentThatKeepsItsSizeAndCoordinates)
{
    auto* menuBar = widget->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    const int top = menuBar->height();
    EXPECT_GT(top, 10);
    EXPECT_EQ(widget->height(), 150 + top);
    EXPECT_EQ(window->Height(), 150);
    EXPECT_EQ(window->Top(), widget->geometry().top() + top);
    EXPECT_EQ((ScreenPixels(*window).pixel(15, top + 15) & 0xFFFFFF), 0x0000FFu);
    EXPECT_EQ((ScreenPixels(*window).pixel(15, top + 35) & 0xFFFFFF), 0xFFFFFFu);
    QTest::mouseClick(HandleOf(*window), Qt::LeftButton, {}, QPoint(15, top + 15));
    EXPECT_EQ(window->log, Log({"down 15,15"}));

    // A chosen item goes the way of its shortcut; the label shows the desktop's form.
    const auto actions = menuBar->actions().front()->menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[2]->text(), "Help\tCtrl+?");
    actions[2]->trigger();
    EXPECT_EQ(handled, Log({"Help"}));

    window->MenuBarVisible(false);
    EXPECT_EQ(widget->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(widget->height(), 150);
}

}  // namespace

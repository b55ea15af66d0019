#pragma once

// The diary as the program starts it (App, MenuBar1, the commands, Open and
// NewDocument) on a fixed "now", in the test program's throw-away HOME, driven
// by QTest input on the views' frames and checked on the views' texts, the
// diary file (plain SQL) and the message boxes.
#include "app/App.h"
#include "app/MainWindow.h"
#include "app/MainWindowController.h"
#include "platform/Date.h"
#include "platform/sql/PlainSQL.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Engine.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class DiaryWindowTest : public testing::Test {
protected:
    // Friday 1 January 2027, 10:30.
    void SetUp() override { Start(platform::Date::Create(2027, 1, 1, 10, 30)); }

    void Start(const platform::Date::Ref& now)
    {
        std::filesystem::remove(File());
        platform::Date::SetNowForTesting(now->TotalSeconds());
        app = AppMain::NewAppInstance();
        AppMain::ApplicationAddMenuHandlers();
        app->OnOpen();
        app->OnNewDocument();
        window = std::dynamic_pointer_cast<MainWindow>(platform::Application::Window(0));
        ASSERT_TRUE(window);
        controller = std::dynamic_pointer_cast<MainWindowController>(Vireo2Engine::VR2ResponderChainCopy().back());
        testsupport::ShowAndActivate(*window);
    }
    void TearDown() override
    {
        app->AutoQuit(false);
        while (const auto open = platform::Application::Window(0))
            open->Close();
        Vireo2Engine::ResetForTesting();
        platform::Application::Register(nullptr);
        platform::Date::SetNowForTesting(std::nullopt);
    }

    static std::filesystem::path File()
    {
        return std::filesystem::path(std::getenv("HOME")) / "Documents" / "Di Rizezoz Database";
    }
    static Rows Query(const std::string& sql) { return PlainSQL(File()).Query(sql); }

    VR2View::Ref View(const std::string& name, const VR2View::Ref& inside = nullptr) const
    {
        const auto surface = inside ? std::dynamic_pointer_cast<VR2Surface>(inside) : VR2Surface::Ref(window);
        auto view = surface ? surface->FindViewByName(name, true, false) : nullptr;
        EXPECT_TRUE(view) << name;
        return view;
    }
    std::string Text(const std::string& name, const VR2View::Ref& inside = nullptr) const
    {
        return VireoStandardProperties::VR2ObjectGetProperty(View(name, inside), "text", "").StringValue();
    }
    // Status texts, in the order the status bar shows them.
    Lines Status() const
    {
        Lines texts;
        for (const char* name : {"dailyStat_calTot", "dailyStat_calGoal", "dailyStat_CalToGoal",
                                 "dailyStat_stepsToGoal", "dailyStat_stepTotal", "dailyStat_stepGoal"})
            texts.push_back(Text(name));
        return texts;
    }
    // Messages shown since the last call.
    Lines Messages()
    {
        Lines shown;
        shown.swap(services->messages);
        return shown;
    }

    void ClickAt(int x, int y)
    {
        QTest::mouseClick(testsupport::HandleOf(*window), Qt::LeftButton, {},
                          testsupport::ContentOrigin(*window) + QPoint(x, y));
        // Apart from the next click: never a double click.
        testsupport::ProcessEventsFor(0);
    }
    // A click dx pixels into the view, at half its height.
    void Click(const VR2View::Ref& view, int dx = 4)
    {
        const auto screen = view->bounds(codes::kSpaceScreen);
        ClickAt(screen->left - window->Left() + dx, screen->top - window->Top() + screen->height / 2);
    }
    void Type(const std::string& text) { QTest::keyClicks(testsupport::WidgetOf(*window), QString::fromStdString(text)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(testsupport::WidgetOf(*window), key, modifiers);
    }
    // Clicks into a text field and types over what it held.
    void Fill(const std::string& name, const std::string& text)
    {
        Click(View(name));
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(text);
    }
    // Opens the in-place edit of a click-to-edit field (or of the goal field's
    // value), replaces its text and commits it with Return.
    void EditInPlace(const VR2View::Ref& field, const std::string& text)
    {
        const auto surface = std::dynamic_pointer_cast<VR2Surface>(field);
        const auto value = surface ? surface->FindViewByName("text", true, false) : nullptr;
        Click(value ? value : field);
        Type(text);
        Key(Qt::Key_Return);
    }

    // The unnamed buttons, by their place in the window.
    static constexpr QPoint kAddFood{236, 136};
    static constexpr QPoint kAddSteps{768, 136};
    static constexpr QPoint kBack{374, 102};
    static constexpr QPoint kToday{399, 102};
    static constexpr QPoint kNext{423, 102};
    void Press(QPoint button) { ClickAt(button.x(), button.y()); }

    testsupport::ScopedRecordingServices services;
    App::Ref app;
    MainWindow::Ref window;
    MainWindowController::Ref controller;
};

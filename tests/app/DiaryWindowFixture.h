#pragma once

// The diary as the program starts it (App, MenuBar1, its commands, Open and
// NewDocument) on a fixed "now", in the test program's throw-away HOME, driven
// by QTest input on the views' frames and checked on the diary file (plain
// SQL), the views' texts and the message boxes.
#include "app/App.h"
#include "app/DPCodes.h"
#include "app/DPFoodEntryList.h"
#include "app/MainWindow.h"
#include "app/MainWindowController.h"
#include "platform/Text.h"
#include "platform/sql/PlainSQL.h"
#include "store/DiaryDB.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Engine.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using Lines = std::vector<std::string>;

class DiaryWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::remove(File());
        Start();
    }
    // The program's start on the diary file as it is.
    void Start()
    {
        platform::Date::SetNowForTesting(platform::Date::Create(2027, 1, 1, 10, 30)->TotalSeconds());
        app = AppMain::NewAppInstance();
        AppMain::ApplicationAddMenuHandlers();
        app->OnOpen();
        app->OnNewDocument();
        window = std::dynamic_pointer_cast<MainWindow>(platform::Application::Window(0));
        ASSERT_TRUE(window);
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

    static std::filesystem::path File() { return DiaryDB::DatabaseFile()->NativePath(); }
    static Rows Query(const std::string& sql) { return PlainSQL(File()).Query(sql); }
    VR2View::Ref View(const std::string& name, const VR2View::Ref& in = nullptr) const
    {
        const auto surface = in ? std::dynamic_pointer_cast<VR2Surface>(in) : VR2Surface::Ref(window);
        return surface ? surface->FindViewByName(name, true, false) : nullptr;
    }
    std::string Text(const std::string& name, const VR2View::Ref& in = nullptr) const
    {
        return VireoStandardProperties::VR2ObjectGetProperty(View(name, in), "text", "").StringValue();
    }
    // The status bar's six texts.
    std::string Status() const
    {
        return Text("dailyStat_calTot") + " | " + Text("dailyStat_calGoal") + " | " + Text("dailyStat_CalToGoal") +
               " | " + Text("dailyStat_stepsToGoal") + " | " + Text("dailyStat_stepTotal") + " | " +
               Text("dailyStat_stepGoal");
    }
    Lines Messages() { return std::exchange(services->messages, {}); }
    DPFoodEntryList::Ref List() const { return std::dynamic_pointer_cast<DPFoodEntryList>(View("food_entry_list")); }

    void ClickAt(int x, int y)
    {
        QTest::mouseClick(testsupport::HandleOf(*window), Qt::LeftButton, {},
                          testsupport::ContentOrigin(*window) + QPoint(x, y));
    }
    // dx pixels into the view, at half its height.
    void Click(const VR2View::Ref& view, int dx = 4)
    {
        ASSERT_TRUE(view);
        const auto at = view->bounds(codes::kSpaceScreen);
        ClickAt(at->left - window->Left() + dx, at->top - window->Top() + at->height / 2);
    }
    // Tab, Return and Backspace typed as "\t", "\r" and "\b".
    void Type(const std::string& keys)
    {
        QTest::keyClicks(testsupport::WidgetOf(*window), QString::fromStdString(keys));
    }
    void Fill(const std::string& field, const std::string& keys)
    {
        Click(View(field));
        QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_A, Qt::ControlModifier);
        Type(keys);
    }
    // Types over a click-to-edit field's text (the step goal's value child) and commits with Return.
    void EditInPlace(const VR2View::Ref& field, const std::string& text)
    {
        const auto value = View("text", field);
        Click(value ? value : field);
        Type(text + "\r");
    }

    static constexpr QPoint kAddFood{236, 136}, kAddSteps{768, 136}, kBack{374, 102}, kToday{399, 102},
        kNext{423, 102};
    void Press(QPoint button) { ClickAt(button.x(), button.y()); }

    testsupport::ScopedRecordingServices services;
    App::Ref app;
    MainWindow::Ref window;
};

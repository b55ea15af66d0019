#pragma once

#include "app/AppCommands.h"
#include "app/MenuBar1.h"
#include "platform/Application.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <functional>

// A running application as start-up makes it: MenuBar1 as its menu bar and
// the menu commands attached by item name; the services recorded.
class AppFixture : public ::testing::Test {
protected:
    class TestApplication : public platform::Application {
    public:
        static std::shared_ptr<TestApplication> Create()
        {
            return std::shared_ptr<TestApplication>(new TestApplication());
        }
        std::function<void()> onNewDocument;

    protected:
        void OnNewDocument() override
        {
            if (onNewDocument)
                onNewDocument();
        }
    };

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

    // The item of that name in any menu of the bar.
    static platform::MenuItem::Ref Item(const std::string& name)
    {
        const auto bar = MenuBar1::Instance();
        for (int32_t index = 0; index < bar->Count(); ++index)
            if (auto item = bar->Child(index)->Child(name))
                return item;
        return nullptr;
    }

    testsupport::ScopedRecordingServices services;
    std::shared_ptr<TestApplication> application = TestApplication::Create();
};

#pragma once

// The main window's view tree in a shown 799 x 559 window whose messages go to
// a recording controller, which is also the first of the responder chain.

#include "app/DPMainView.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/TestSeam.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// Records "category selector key=value ..." and marks every message handled.
class RecordingController : public VR2Object {
public:
    Lines lines;
    std::string route;  // the first receiver, when not the controller itself

protected:
    void VR2Object_Action(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        std::string line = route + message->category + " " + platform::FourCCText(message->selector);
        for (const auto& key : message->params->Keys())
            line += " " + (key.Type() == platform::VariantType::String ? key.StringValue()
                                                                        : platform::FourCCText(key.Int32Value())) +
                    "=" + message->params->Value(key).StringValue();
        lines.push_back(line);
        message->result = codes::kResultHandled;
    }
};

// Hands every message to its owner, as the main window does.
class OwnedWindow : public VR2HostWindow {
public:
    static std::shared_ptr<OwnedWindow> Create(const std::shared_ptr<RecordingController>& owner)
    {
        std::shared_ptr<OwnedWindow> window(new OwnedWindow());
        window->mOwner = owner;
        window->Width(799);
        window->Height(559);
        return Opened(window);
    }

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        if (const auto owner = mOwner.lock()) {
            owner->route = "window: ";
            owner->Action(sender, message);
            owner->route.clear();
        }
    }

private:
    OwnedWindow() = default;
    std::weak_ptr<RecordingController> mOwner;
};

class MainViewFixture : public ::testing::Test {
protected:
    struct TestApplication : platform::Application {};

    void SetUp() override
    {
        platform::Application::Register(std::make_shared<TestApplication>());
        platform::testseam::SetDragRepeatInterval(0);
        Vireo2Engine::VR2Responder_AcquireFocus(controller);
        window = OwnedWindow::Create(controller);
        root = DPMainView::init();
        root->Pinning->LockAllSides();
        root->attach(window, false, false);
        testsupport::ShowAndActivate(*window);
        handle = testsupport::HandleOf(*window);
    }
    void TearDown() override
    {
        window->Close();
        Vireo2Engine::ResetForTesting();
        platform::testseam::SetDragRepeatInterval(30);
        platform::Application::Register(previous);
    }

    template <typename T = VR2View>
    std::shared_ptr<T> Find(const std::string& name)
    {
        auto view = std::dynamic_pointer_cast<T>(window->FindViewByName(name, true, false));
        EXPECT_TRUE(view) << name;
        return view;
    }
    // The view's top-left corner in window coordinates.
    static QPoint Corner(const VR2View::Ref& view)
    {
        const auto screen = view->bounds(codes::kSpaceScreen);
        const auto origin = std::dynamic_pointer_cast<VR2HostWindow>(view->parent(true))->bounds();
        return QPoint(screen->left - origin->left, screen->top - origin->top);
    }
    void Click(const VR2View::Ref& view, int dx = 5, int dy = 5)
    {
        QTest::mouseClick(handle, Qt::LeftButton, {}, Corner(view) + QPoint(dx, dy));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(handle, key, modifiers); }
    void Type(const char* text) { QTest::keyClicks(testsupport::WidgetOf(*window), text); }
    Lines Sent() { return std::exchange(controller->lines, {}); }

    platform::Application::Ref previous = platform::Application::Current();
    testsupport::ScopedRecordingServices services;
    std::shared_ptr<RecordingController> controller = std::make_shared<RecordingController>();
    std::shared_ptr<OwnedWindow> window;
    VR2ContainerView::Ref root;
    QWindow* handle = nullptr;
};

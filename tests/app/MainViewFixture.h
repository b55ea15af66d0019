#pragma once

// The main window's view tree in a shown 799 x 559 window that hands every
// message to a recording controller, which is also the first of the responder chain.

#include "app/DPMainView.h"
#include "platform/Application.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// Records "category selector key=value ..." (text values quoted), prefixed by
// "window: " when the window passed the message on.
class RecordingController : public VR2Object {
public:
    Lines lines;
    std::string route;

protected:
    void VR2Object_Action(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        using platform::VariantType;
        std::string line = route + message->category + " " + platform::FourCCText(message->selector);
        for (const auto& key : message->params->Keys()) {
            const auto value = message->params->Value(key);
            line += " ";
            line += key.Type() == VariantType::String ? key.StringValue() : platform::FourCCText(key.Int32Value());
            line += value.Type() == VariantType::String ? "=\"" + value.StringValue() + '"' : "=" + value.StringValue();
        }
        lines.push_back(line);
        message->result = codes::kResultHandled;
    }
};

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
        mOwner->route = "window: ";
        mOwner->Action(sender, message);
        mOwner->route.clear();
    }

private:
    OwnedWindow() = default;
    std::shared_ptr<RecordingController> mOwner;
};

class MainViewFixture : public ::testing::Test {
protected:
    struct TestApplication : platform::Application {};

    void SetUp() override
    {
        platform::Application::Register(std::make_shared<TestApplication>());
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
        platform::Application::Register(previous);
    }

    template <typename T = VR2View>
    std::shared_ptr<T> Find(const std::string& name)
    {
        return std::dynamic_pointer_cast<T>(window->FindViewByName(name, true, false));
    }
    // (dx, dy) from the view's top-left corner, in the window.
    QPoint At(const VR2View::Ref& view, int dx, int dy)
    {
        const auto screen = view->bounds(codes::kSpaceScreen);
        return QPoint(screen->left - window->Left() + dx, screen->top - window->Top() + dy);
    }
    void Click(const VR2View::Ref& view, int dx = 5, int dy = 5)
    {
        QTest::mouseClick(handle, Qt::LeftButton, {}, At(view, dx, dy));
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

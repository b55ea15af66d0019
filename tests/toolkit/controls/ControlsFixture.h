#pragma once

// A shown window host of 400 x 300 that records the messages reaching it,
// with recorded services and exact drags (no repeat of their own); and a
// canvas on which a control paints itself as the compositor would have it.

#include "platform/TestSeam.h"
#include "platform/Ticks.h"
#include "support/PaintedView.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VR2MenuInfo.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class MessageWindow : public VR2HostWindow {
public:
    static std::shared_ptr<MessageWindow> Create()
    {
        std::shared_ptr<MessageWindow> window(new MessageWindow());
        window->Width(400);
        window->Height(300);
        return Opened(window);
    }
    // "selector" plus the 'valu' parameter or the chosen menu entry's text, per message.
    Lines messages;

protected:
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        std::string line = platform::FourCCText(message->selector);
        if (message->params->HasKey(codes::kKeyValue))
            line += " " + message->params->Value(codes::kKeyValue).StringValue();
        if (const auto menu = message->params->Lookup("menu", {}).As<VR2MenuInfo>())
            line += " " + menu->Text;
        messages.push_back(line);
        message->result = codes::kResultHandled;
    }

private:
    MessageWindow() = default;
};

class ControlsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::testseam::SetDragRepeatInterval(0);
        window = MessageWindow::Create();
        testsupport::ShowAndActivate(*window);
        handle = testsupport::HandleOf(*window);
    }
    void TearDown() override
    {
        window->Close();
        platform::testseam::SetDragRepeatInterval(30);
        platform::SetMicrosecondsForTesting(std::nullopt);
    }

    // A handler that sends the event on to the view's parent as selector.
    static VR2EventHandler::Ref ToParent(int32_t selector)
    {
        auto handler = VR2EventHandler::Create();
        handler->targetCode = codes::kTargetParent;
        handler->messageSelector = selector;
        return handler;
    }
    // Attaches the view (resized unless width is 0) with 'actn' and 'mact' handlers that reach the window.
    template <typename View>
    std::shared_ptr<View> Place(std::shared_ptr<View> view, int32_t left, int32_t top, int32_t width = 0,
                                int32_t height = 0)
    {
        for (const int32_t code : {codes::kEventAction, codes::kEventMenuAction})
            view->EventHandlerTable->addHandler(code, ToParent(code));
        view->move(left, top, false);
        if (width > 0)
            view->resize(width, height, false);
        view->attach(window, true, false);
        return view;
    }
    Lines Sent() { return std::exchange(window->messages, {}); }
    void Press(int x, int y) { QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(x, y)); }
    void Move(int x, int y) { QTest::mouseMove(handle, QPoint(x, y)); }
    void Release(int x, int y) { QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(x, y)); }
    void Click(int x, int y) { QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(x, y)); }
    uint32_t Screen(int x, int y) { return testsupport::ScreenPixels(*window).pixel(x, y) & 0xFFFFFF; }

    testsupport::ScopedRecordingServices services;
    std::shared_ptr<MessageWindow> window;
    QWindow* handle = nullptr;
};

using testsupport::Painted;

inline uint32_t RGBOf(platform::Color color) { return static_cast<uint32_t>(color.value); }

#pragma once

// A shown window host that records the messages reaching it, with the tick
// seam held still so that click series and drag scrolling are exact.

#include "platform/Codes.h"
#include "platform/FourCC.h"
#include "platform/Ticks.h"
#include "platform/TestSeam.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/core/VR2EventDataSpecifier.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class RecordingWindow : public VR2HostWindow {
public:
    using Ref = std::shared_ptr<RecordingWindow>;
    static Ref Create()
    {
        Ref window(new RecordingWindow());
        window->Width(400);
        window->Height(140);
        return Opened(window);
    }

    // "category 'sele' value" per message.
    std::vector<std::string> messages;

protected:
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        const int32_t code = message->selector;
        std::string line = message->category + " " + std::string{char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
        if (message->params->HasKey(codes::kKeyValue))
            line += " " + message->params->Value(codes::kKeyValue).StringValue();
        messages.push_back(line);
        message->result = codes::kResultHandled;
    }
};

class TextFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Advance(1000);
        platform::testseam::SetDragRepeatInterval(0);
        window = RecordingWindow::Create();
        testing_support::ShowAndActivate(*window);
        handle = testing_support::HandleOf(*window);
        widget = testing_support::WidgetOf(*window);
    }
    void TearDown() override
    {
        window->Close();
        platform::SetTicksForTesting(std::nullopt);
        platform::testseam::SetDragRepeatInterval(30);
    }

    // A text edit in the window whose 'actn' and 'canc' go to the window as
    // "edit 'actn' <its text>".
    template <typename T = SLTEView>
    std::shared_ptr<T> AddEdit(int32_t left, int32_t top, int32_t width, int32_t height = 22)
    {
        auto edit = VR2View::Create<T>();
        edit->move(left, top, false);
        edit->resize(width, height, false);
        for (const int32_t code : {codes::kEventAction, codes::kEventCancel}) {
            auto handler = VR2EventHandler::Create();
            handler->targetCode = codes::kTargetParent;
            handler->messageCategory = "edit";
            handler->messageSelector = code;
            auto text = VR2EventDataSpecifier::Create();
            text->targetCode = codes::kTargetSelf;
            text->propertyKey = "text";
            text->messageDataKey = codes::kKeyValue;
            handler->messageData.push_back(text);
            edit->EventHandlerTable->addHandler(code, handler);
        }
        edit->attach(window, true, false);
        return edit;
    }

    // A click that starts a new click series unless it repeats the last one.
    void Click(QPoint point, bool repeat = false, Qt::KeyboardModifiers modifiers = {})
    {
        if (!repeat)
            Advance(1000);
        QTest::mouseClick(handle, Qt::LeftButton, modifiers, point);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {})
    {
        QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
    }
    void Type(const QString& text) { Key(Qt::Key_unknown, {}, text); }
    void Advance(int64_t by) { platform::SetTicksForTesting(ticks += by); }
    uint32_t Pixel(int x, int y) { return testing_support::ScreenPixels(*window).pixel(x, y) & 0xFFFFFF; }

    // Grows across tests, so that no click series carries over.
    static inline int64_t ticks = 100000;
    testing_support::ScopedRecordingServices services;
    RecordingWindow::Ref window;
    QWindow* handle = nullptr;
    QWidget* widget = nullptr;
};

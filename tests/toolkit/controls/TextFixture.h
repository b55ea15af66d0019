#pragma once

// The controls' window, with the tick seam held still so that click series and
// drag scrolling are exact, and text edits that report 'actn' and 'canc' with
// their text.

#include "ControlsFixture.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/core/VR2EventDataSpecifier.h"

#include <QWidget>

class TextFixture : public ControlsFixture {
protected:
    void SetUp() override
    {
        Advance(1000);
        ControlsFixture::SetUp();
        widget = testsupport::WidgetOf(*window);
    }
    void TearDown() override
    {
        ControlsFixture::TearDown();
        platform::SetTicksForTesting(std::nullopt);
    }

    // An edit in the window whose 'actn' and 'canc' reach it as "actn <text>".
    template <typename T = SLTEView>
    std::shared_ptr<T> AddEdit(int32_t left, int32_t top, int32_t width, int32_t height = 22)
    {
        auto edit = Place(VR2View::Create<T>(), left, top, width, height);
        for (const int32_t code : {codes::kEventAction, codes::kEventCancel}) {
            auto handler = VR2EventHandler::Create();
            handler->targetCode = codes::kTargetParent;
            handler->messageSelector = code;
            auto text = VR2EventDataSpecifier::Create();
            text->targetCode = codes::kTargetSelf;
            text->propertyKey = "text";
            text->messageDataKey = codes::kKeyValue;
            handler->messageData.push_back(text);
            edit->EventHandlerTable->addHandler(code, handler);
        }
        return edit;
    }

    // A click that starts a new click series unless it repeats the last one.
    void Click(QPoint point, bool repeat = false)
    {
        if (!repeat)
            Advance(1000);
        QTest::mouseClick(handle, Qt::LeftButton, {}, point);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {})
    {
        QTest::sendKeyEvent(QTest::Click, widget, key, text, modifiers);
    }
    void Type(const QString& text) { Key(Qt::Key_unknown, {}, text); }
    void Advance(int64_t by) { platform::SetTicksForTesting(ticks += by); }

    // Grows across tests, so that no click series carries over.
    static inline int64_t ticks = 100000;
    QWidget* widget = nullptr;
};

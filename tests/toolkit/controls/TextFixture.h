#pragma once

// The controls' window with the tick seam held still, so that click series and
// drag scrolling are exact; text edits report 'actn' and 'canc' with their text.

#include "ControlsFixture.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventDataSpecifier.h"

class TextFixture : public ControlsFixture {
protected:
    void SetUp() override
    {
        Advance(1000);
        ControlsFixture::SetUp();
    }
    void TearDown() override
    {
        ControlsFixture::TearDown();
        platform::SetTicksForTesting(std::nullopt);
    }

    template <typename View>
    static std::shared_ptr<View> PlaceIn(const VR2Surface::Ref& holder, std::shared_ptr<View> view, int32_t left,
                                         int32_t top, int32_t width, int32_t height)
    {
        view->move(left, top, false);
        view->resize(width, height, false);
        view->attach(holder, true, false);
        return view;
    }
    // An edit whose 'actn' and 'canc' reach the window as "actn <text>".
    SLTEView::Ref AddEdit(int32_t left, int32_t top, int32_t width)
    {
        auto edit = SLTEView::Create();
        for (const int32_t code : {codes::kEventAction, codes::kEventCancel}) {
            auto handler = ToParent(code);
            auto text = VR2EventDataSpecifier::Create();
            text->targetCode = codes::kTargetSelf;
            text->propertyKey = "text";
            text->messageDataKey = codes::kKeyValue;
            handler->messageData.push_back(text);
            edit->EventHandlerTable->addHandler(code, handler);
        }
        return PlaceIn(window, edit, left, top, width, 22);
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
        QTest::sendKeyEvent(QTest::Click, testsupport::WidgetOf(*window), key, text, modifiers);
    }
    void Type(const QString& text) { Key(Qt::Key_unknown, {}, text); }
    // Grows across tests, so that no click series carries over.
    static void Advance(int64_t by)
    {
        static int64_t ticks = 100000;
        platform::SetTicksForTesting(ticks += by);
    }
};

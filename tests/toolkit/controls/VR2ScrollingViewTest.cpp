#include "platform/Exceptions.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/controls/VR2ScrollingView.h"
#include "toolkit/hosts/HostFixture.h"

#include <QTest>
#include <QWheelEvent>

#include <limits>

namespace {

constexpr int kRows = 30;

int32_t RowColour(int index) { return 0x102030 + index * 0x060402; }
uint32_t Shown(const QImage& screen, int x, int y) { return screen.pixel(x, y) & 0xFFFFFFu; }

}  // namespace

// A 200 x 150 scrolling view over a document of 30 coloured rows, 180 x 20 each.
class ScrollingFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        scroller = VR2ScrollingView::Create();
        scroller->resize(200, 150, false);
        scroller->attach(window, false, false);
        for (int index = 0; index < kRows; ++index) {
            auto row = ProbeView::Create(log, "d" + std::to_string(index), 0, index * 20, 180, 20,
                                         platform::Color{RowColour(index)});
            row->takeWheel = false;
            row->attach(scroller, false, false);
        }
        scroller->setDocumentSize(VR2Area::Create(180, kRows * 20));
        scroller->refresh();
        Show();
    }

    int32_t OffsetY() { return scroller->documentArea()->top; }
    // The window shows, down the document's column, the rows that the offset brings there.
    void ExpectRowsFollowTheOffset()
    {
        const QImage screen = testsupport::ScreenPixels(*window);
        for (int y = 5; y < 150; y += 20)
            EXPECT_EQ(Shown(screen, 50, y), static_cast<uint32_t>(RowColour((y - OffsetY()) / 20))) << "at y " << y;
    }
    VR2Rect::Ref Spot(const char* tag) { return scroller->verticalScrollbar()->FindHotSpotWithTag(tag); }

    VR2ScrollingView::Ref scroller;
};

TEST_F(ScrollingFixture, WheelBarAndDraggingPastTheEdgeMoveTheDocumentOnScreen)
{
    ASSERT_TRUE(scroller->verticalScrollbar()->Visible);
    ASSERT_FALSE(scroller->horizontalScrollbar()->Visible);
    {
        SCOPED_TRACE("a wheel notch down scrolls one line step");
        QWheelEvent wheel(QPointF(50, 50), widget->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &wheel);
        EXPECT_EQ(OffsetY(), -10);
        ExpectRowsFollowTheOffset();
    }
    {
        SCOPED_TRACE("a click on the down arrow steps once more");
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(192, 142));
        EXPECT_EQ(OffsetY(), -20);
        ExpectRowsFollowTheOffset();
    }
    {
        SCOPED_TRACE("a click on the track below the thumb pages down");
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(192, 120));
        EXPECT_EQ(OffsetY(), -170);
        ExpectRowsFollowTheOffset();
    }
    {
        SCOPED_TRACE("dragging the thumb to the end of the track shows the document's end");
        Take();
        const auto thumb = Spot("thumb");
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(192, thumb->top + 2));
        QTest::mouseMove(handle, QPoint(192, thumb->top + 40));
        const int32_t partWay = OffsetY();
        QTest::mouseMove(handle, QPoint(192, 290));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(192, 290));
        EXPECT_LT(partWay, -170);
        EXPECT_EQ(OffsetY(), 150 - kRows * 20);
        ExpectRowsFollowTheOffset();
        EXPECT_EQ(Take(HOVER), EventLog());  // no document view saw any of it
    }
    {
        SCOPED_TRACE("with autoDragScroll a drag above the visible part scrolls a line step per drag");
        scroller->autoDragScroll = true;
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseMove(handle, QPoint(50, 60));  // inside: no scrolling
        QTest::mouseMove(handle, QPoint(60, -5));
        QTest::mouseMove(handle, QPoint(70, -5));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(70, -5));
        EXPECT_EQ(OffsetY(), 150 - kRows * 20 + 20);
        ExpectRowsFollowTheOffset();
    }
    {
        SCOPED_TRACE("a rect brought into view: the least scroll either way, the bar following, never past the ends");
        scroller->scrollRectIntoView(VR2Rect::Create(0, 100, 180, 20));  // above what shows
        EXPECT_EQ(OffsetY(), -100);
        scroller->scrollRectIntoView(VR2Rect::Create(0, 300, 180, 20));  // below: its bottom at the bottom edge
        EXPECT_EQ(OffsetY(), 150 - 320);
        scroller->scrollRectIntoView(VR2Rect::Create(0, 200, 180, 20));  // already shown: nothing moves
        EXPECT_EQ(OffsetY(), 150 - 320);
        EXPECT_EQ(scroller->verticalScrollbar()->Value(), 320 - 150);
        ExpectRowsFollowTheOffset();
        scroller->scrollTo(0, 100000);
        EXPECT_EQ(OffsetY(), 150 - kRows * 20);
        scroller->scrollTo(0, -5);
        EXPECT_EQ(OffsetY(), 0);
        scroller->scrollTo(0, 150);
        ExpectRowsFollowTheOffset();
    }
    {
        SCOPED_TRACE("a document request is clipped to the visible part without wrapping round");
        window->paintRectArguments.clear();
        constexpr int32_t huge = std::numeric_limits<int32_t>::max();
        scroller->UpdateRect(VR2Rect::Create(5, 10 - OffsetY(), huge, huge), nullptr);
        scroller->UpdateRect(VR2Rect::Create(0, 150 - OffsetY(), 50, 50), nullptr);  // touches the bottom only
        EXPECT_EQ(window->paintRectArguments, std::vector<std::string>({"5,10,195,140"}));
    }
    {
        SCOPED_TRACE("a smaller document keeps the offset until it is fitted again");
        scroller->setDocumentSize(VR2Area::Create(180, 100));
        EXPECT_EQ(OffsetY(), -150);
        scroller->AdjustDocumentLocationToFit();
        EXPECT_EQ(OffsetY(), 0);
    }
}

TEST(ScrollingView, AutomaticSizingAndAParentlessFocusQuestion)
{
    auto scroller = VR2ScrollingView::Create();
    {
        SCOPED_TRACE("without a parent no view has the focus");
        EXPECT_FALSE(scroller->isFocusView(scroller));
    }
    {
        SCOPED_TRACE("a maximum without a minimum bounds the document alone");
        scroller->documentAutoSize = true;
        scroller->maxDocumentSize = VR2Area::Create(300, 300);
        EXPECT_NO_THROW(scroller->resize(200, 500, false));
        EXPECT_EQ(scroller->documentArea()->description(), ",,200,300");
    }
    {
        SCOPED_TRACE("room is left for the bar that the content needs, not below the minimum");
        scroller->maxDocumentSize = nullptr;
        scroller->minDocumentSize = VR2Area::Create(300, 400);
        auto content = VR2View::Create<ProbeView>();
        content->log = std::make_shared<EventLog>();
        content->resize(300, 480, false);
        content->attach(scroller, false, false);
        scroller->resize(200, 501, false);
        EXPECT_EQ(scroller->documentArea()->description(), ",,300,485");
    }
}

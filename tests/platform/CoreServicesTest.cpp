#include "platform/Exceptions.h"
#include "platform/MemoryBlock.h"
#include "platform/MouseCursor.h"
#include "platform/Ticks.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

TEST(MemoryBlock, LittleEndianLongsOverZeroFilledTextStayInBounds)
{
    // The big-endian reading is checked through VR2SelectorStringToInteger.
    auto block = MemoryBlock::Create(4);
    block->StringValue(0, 4, "ab");
    EXPECT_EQ(block->Long(0), 0x00006261);
    block->Long(0, 0x01020304);
    EXPECT_EQ(block->StringValue(0, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_THROW(block->Long(1), OutOfBoundsException);
    EXPECT_THROW(block->StringValue(2, 3, "x"), OutOfBoundsException);
}

TEST(Ticks, CountSixtiethsAndFollowTheTestSeam)
{
    const int64_t before = Ticks();
    SetTicksForTesting(100);
    EXPECT_EQ(Ticks(), 100);
    SetTicksForTesting(std::nullopt);
    EXPECT_GE(Ticks(), before);
    // 400 ms on this desktop: 24 ticks.
    EXPECT_EQ(DoubleClickTicks(), 24);
}

TEST(ObscureCursor, HidesThePointerUntilTheMouseMoves)
{
    ObscureCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    ObscureCursor();  // once hidden, not stacked again

    QWidget widget;
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

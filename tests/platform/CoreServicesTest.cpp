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

TEST(MemoryBlock, BigAndLittleEndianLongsOverZeroFilledText)
{
    auto block = MemoryBlock::Create(4);
    block->LittleEndian = false;
    block->StringValue(0, 4, "actn!");
    EXPECT_EQ(block->Long(0), 0x6163746E);
    block->StringValue(0, 4, "ab");
    EXPECT_EQ(block->Long(0), 0x61620000);
    block->LittleEndian = true;
    EXPECT_EQ(block->Long(0), 0x00006261);
    block->Long(0, 0x01020304);
    EXPECT_EQ(block->StringValue(0, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_THROW(block->Long(1), OutOfBoundsException);
    EXPECT_THROW(block->StringValue(2, 3, "x"), OutOfBoundsException);
}

TEST(Ticks, CountSixtiethsAndFollowTheTestSeam)
{
    const int64_t before = Ticks();
    EXPECT_GE(Ticks(), before);
    SetTicksForTesting(100);
    EXPECT_EQ(Ticks(), 100);
    SetTicksForTesting(std::nullopt);
    EXPECT_GE(Ticks(), before);
    // 400 ms on this desktop: 24 ticks.
    EXPECT_EQ(DoubleClickTicks(), 24);
    EXPECT_GT(Microseconds(), 0.0);
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

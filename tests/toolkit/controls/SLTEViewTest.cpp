#include "TextFixture.h"

#include "platform/Clipboard.h"
#include "platform/Text.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Utilities.h"

#include <QApplication>
#include <QTimer>

namespace {

// Where position p of text lies in the window, for an unscrolled edit at (left, top).
QPoint At(const std::string& text, int32_t p, int left = 20, int top = 20)
{
    const int caret = VR2Graphics::Create()->LayOutLine(text)->CaretX(p);
    return QPoint(left + 3 + caret, top + 11);
}

class ClearButtonEdit : public SLTEView {
public:
    std::vector<int32_t> frameClicks;

protected:
    void FrameClick(int32_t part) override { frameClicks.push_back(part); }
};

}  // namespace

using SLTEViewTest = TextFixture;

TEST_F(SLTEViewTest, KeysEditByCodePoint)
{
    auto edit = AddEdit(20, 20, 200);
    Click(QPoint(100, 31));
    ASSERT_TRUE(edit->hasFocus());
    Type("ab");
    Type("é");
    Type("漢字");
    Type("😀");
    EXPECT_EQ(edit->Text(), "abé漢字😀");
    EXPECT_EQ(edit->cursor(), 6);
    {
        SCOPED_TRACE("arrows and deletion step over whole code points");
        Key(Qt::Key_Left);
        Key(Qt::Key_Backspace);
        EXPECT_EQ(edit->Text(), "abé漢😀");
        Key(Qt::Key_Left, Qt::ShiftModifier);
        EXPECT_EQ(edit->SelText(), "漢");
        Key(Qt::Key_Right);
        EXPECT_EQ(edit->cursor(), 4);
        Key(Qt::Key_Delete);
        EXPECT_EQ(edit->Text(), "abé漢");
    }
    {
        SCOPED_TRACE("Shift-Left at the start selects nothing");
        Key(Qt::Key_Up);
        Key(Qt::Key_Left, Qt::ShiftModifier);
        EXPECT_EQ(edit->cursor(), 0);
        EXPECT_EQ(edit->selectionCount(), 0);
        Key(Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(edit->SelText(), "abé漢");
    }
    {
        SCOPED_TRACE("Return and Enter send the text, Esc cancels");
        Key(Qt::Key_Right);
        Key(Qt::Key_Return);
        Key(Qt::Key_Enter, Qt::KeypadModifier);
        Key(Qt::Key_Escape);
        EXPECT_EQ(Sent(),
                  (std::vector<std::string>{"actn abé漢", "actn abé漢", "canc abé漢"}));
        EXPECT_EQ(edit->selectionCount(), 4);
    }
    {
        SCOPED_TRACE("the text setter keeps positions inside the new text");
        edit->Text(true, "x");
        EXPECT_EQ(edit->selectionCount(), 1);
        edit->Text(true, "abcdef");
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        edit->Text(true, "ab");
        Key(Qt::Key_Left);
        EXPECT_EQ(edit->cursor(), 1);
    }
}

TEST_F(SLTEViewTest, ClipboardKeepsOneLine)
{
    auto edit = AddEdit(20, 20, 200);
    auto clipboard = platform::Clipboard::Create();
    VireoStandardProperties::VR2ObjectSetProperty(edit, "text", "hello world");
    Click(At("hello world", 6));
    clipboard->SetText("kept");
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard->Text(), "kept") << "an empty selection leaves the clipboard alone";
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard->Text(), "world");
    EXPECT_EQ(edit->Text(), "hello ");
    clipboard->SetText("one\r\ntwo\nthree\tfour\x01\x7F five\xC2\x85");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "hello one two three four five");
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->Text(), "hello one two three four five");
}

TEST_F(SLTEViewTest, ClicksPlaceSelectWordsAndAll)
{
    const std::string text = "one two three";
    auto edit = AddEdit(20, 20, 300);
    edit->Text(true, text);
    const QPoint inTwo = At(text, 5) + QPoint(2, 0);
    Click(inTwo);
    EXPECT_EQ(edit->cursor(), 5);
    Click(inTwo, true);
    EXPECT_EQ(edit->SelText(), "two");
    Click(inTwo, true);
    EXPECT_EQ(edit->SelText(), text);
    Click(inTwo, true);
    EXPECT_EQ(edit->SelText(), text) << "a fourth click does nothing";
    Click(inTwo, true);
    EXPECT_EQ(edit->selectionCount(), 0);
    {
        SCOPED_TRACE("a double click on another position is a plain click");
        Click(At(text, 1));
        Click(At(text, 9), true);
        EXPECT_EQ(edit->cursor(), 9);
        EXPECT_EQ(edit->selectionCount(), 0);
    }
    {
        SCOPED_TRACE("a click into 10,000 characters lands between the characters around it");
        std::string longText;
        for (int i = 0; i < 10000; ++i)
            longText += static_cast<char>('a' + i % 26);
        edit->Text(true, longText);
        edit->selStart(5000);
        edit->scrollToCursor();
        Click(QPoint(150, 31));
        const auto line = VR2Graphics::Create()->LayOutLine(longText);
        const int p = edit->cursor();
        const int x = 150 - 20 - 3 - edit->xScroll();
        EXPECT_LE(line->CaretX(p - 1), x);
        EXPECT_GE(line->CaretX(p + 1), x);
        Type("é");
        EXPECT_EQ(platform::Mid(edit->Text(), p + 1, 1), "é");
        EXPECT_EQ(platform::Len(edit->Text()), 10001);
    }
}

TEST_F(SLTEViewTest, DragSelectsAndScrollsAtTheEdge)
{
    std::string text(60, 'm');
    auto edit = AddEdit(20, 20, 200);
    edit->Text(true, text);
    const QPoint anchor = At(text, 10);
    Advance(1000);
    QTest::mousePress(handle, Qt::LeftButton, {}, anchor);
    QTest::mouseMove(handle, At(text, 4));
    EXPECT_EQ(edit->cursor(), 4);
    EXPECT_EQ(edit->selectionCount(), 6);
    QTest::mouseMove(handle, anchor);
    EXPECT_EQ(edit->selectionCount(), 0);
    const int textWidth = VR2Graphics::Create()->LayOutLine(text)->Width();
    // The pace is shared by every edit and starts at the first stay beyond an edge.
    Advance(11);
    QTest::mouseMove(handle, QPoint(10, 31));
    QTest::mouseMove(handle, anchor);
    std::vector<int32_t> scrolls;
    for (int step = 0; step < 8; ++step) {
        Advance(11);
        QTest::mouseMove(handle, QPoint(230 + step % 2, 31));
        scrolls.push_back(edit->xScroll());
    }
    const int end = 194 - textWidth - 1;
    EXPECT_EQ(scrolls, (std::vector<int32_t>{-5, -55, -130, std::max(-242, end), std::max(-410, end), end, end, end}));
    for (int step = 0; step < 12; ++step) {
        Advance(11);
        QTest::mouseMove(handle, QPoint(10 + step % 2, 31));
    }
    EXPECT_EQ(edit->xScroll(), 0);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, 31));
    EXPECT_EQ(edit->cursor(), 0);
    EXPECT_EQ(edit->selectionCount(), 10);
}

TEST_F(SLTEViewTest, BlinksOnlyWithTheFocus)
{
    auto first = AddEdit(20, 20, 150);
    auto second = AddEdit(200, 20, 150);
    EXPECT_FALSE(first->isBlinking());
    Click(QPoint(60, 31));
    EXPECT_TRUE(first->isBlinking());
    auto blink = Vireo2Utilities::VR2MakeMessage("slte_timer", codes::kEventAction, nullptr);
    first->Action(nullptr, blink);
    EXPECT_FALSE(first->cursorShown());
    Type("a");
    EXPECT_TRUE(first->cursorShown()) << "typing shows the insertion point";
    Click(QPoint(260, 31));
    EXPECT_FALSE(first->isBlinking());
    EXPECT_TRUE(second->isBlinking());
    second->release();
    EXPECT_FALSE(second->isBlinking());
}

TEST_F(SLTEViewTest, ClearButtonHoldsUntilTheRelease)
{
    auto edit = AddEdit<ClearButtonEdit>(20, 20, 200, 22);
    edit->RoundAppearance = true;
    edit->Text(true, "find me");
    QApplication::processEvents();
    ASSERT_EQ(edit->rightMargin(), 28);
    // The release arrives while the press holds.
    QTimer::singleShot(100, [&] {
        EXPECT_TRUE(edit->clearButtonDown());
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(380, 100));
    });
    Advance(1000);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20 + 190, 30));
    EXPECT_EQ(edit->frameClicks, std::vector<int32_t>{0});
    EXPECT_EQ(edit->Text(), "find me") << "the view does not clear itself";
    Click(QPoint(22, 31));
    EXPECT_EQ(edit->frameClicks, (std::vector<int32_t>{0, 1}));
}

TEST_F(SLTEViewTest, PaintsLooksCaretAndSelection)
{
    auto edit = AddEdit(20, 20, 200);
    auto round = AddEdit(20, 60, 200);
    round->RoundAppearance = true;
    edit->EmptyMessage = "Food";
    edit->refresh();
    round->refresh();
    {
        SCOPED_TRACE("plain frame, placeholder while unfocused");
        EXPECT_EQ(Screen(100, 20), 0x7C7C7Cu);
        EXPECT_EQ(Screen(100, 41), 0xC3C3C3u);
        EXPECT_EQ(Screen(20, 30), 0xC3C3C3u);
        int ink = 0;
        for (int x = 23; x < 60; ++x)
            for (int y = 24; y < 38; ++y)
                ink += Screen(x, y) != 0xFFFFFFu;
        EXPECT_GT(ink, 20);
    }
    {
        SCOPED_TRACE("round look: search glyph, no clear button while empty");
        EXPECT_EQ(Screen(20 + 11, 60 + 9), 0xFFFFFFu) << "the lens";
        EXPECT_EQ(Screen(20 + 7, 60 + 9), 0x777777u) << "its ring";
        EXPECT_EQ(Screen(20 + 200 - 22 + 8, 60 + 11), 0xFFFFFFu);
        round->Text(true, "x");
        EXPECT_EQ(Screen(20 + 200 - 22 + 2, 60 + 11), 0xC7C7C7u) << "the clear button at rest";
    }
    {
        SCOPED_TRACE("focused: the caret instead of the placeholder");
        Click(QPoint(100, 31));
        EXPECT_EQ(Screen(23, 31), 0x000000u);
        EXPECT_EQ(Screen(40, 31), 0xFFFFFFu);
    }
    {
        SCOPED_TRACE("the selection in the highlight colour, light grey without the focus");
        edit->Text(false, "__ __");
        edit->selectAll(true);
        EXPECT_EQ(Screen(At("__ __", 2).x() + 2, 31), 0xB5D5FFu);
        Click(QPoint(100, 71));
        EXPECT_EQ(Screen(At("__ __", 2).x() + 2, 31), 0xE0E0E0u);
        EXPECT_EQ(Screen(23, 31), 0xE0E0E0u);
    }
}

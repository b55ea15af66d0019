#include "TextFixture.h"

#include "platform/Clipboard.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Utilities.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Where position p of text lies in the window, for an unscrolled edit at (20, top).
QPoint At(const std::string& text, int32_t p, int top = 20)
{
    return QPoint(23 + VR2Graphics::Create()->LayOutLine(text)->CaretX(p), top + 11);
}

// "text cursor+count", the edit's model at a glance.
std::string State(const SLTEView::Ref& edit)
{
    return edit->Text() + " " + std::to_string(edit->cursor()) + "+" + std::to_string(edit->selectionCount());
}

// The edges of the glyphs Qt draws for text in the edit's font, left to right:
// glyph k covers edges[k] to edges[k + 1]. Marks, which take no room, are left out.
std::vector<double> GlyphEdges(const std::string& text)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextLayout layout(QString::fromStdString(text), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<double> edges{line.naturalTextWidth()};
    for (const QGlyphRun& run : line.glyphRuns()) {
        const auto advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
        for (qsizetype k = 0; k < advances.size(); ++k)
            if (advances[k].x() > 0)
                edges.push_back(run.positions()[k].x());
    }
    std::sort(edges.begin(), edges.end());
    return edges;
}

const std::string kHebrew = "שלום";
const std::string kArabic = "سلام عليكم";  // with a lam-alef ligature
const std::string kMixed = "Pizza פיצה 300";
const std::string kPointed = "שָׁלוֹם";  // marks over letters take no room

}  // namespace

using SLTEViewTest = TextFixture;

// Right-to-left and mixed text, checked against the glyphs on screen.
class SLTEViewBidiTest : public TextFixture {
protected:
    // The columns of the window where the edit draws its insertion point: what changes when it blinks.
    std::vector<int> CaretColumns(const SLTEView::Ref& edit)
    {
        const auto blink = [&] {
            edit->Action(nullptr, Vireo2Utilities::VR2MakeMessage("slte_timer", codes::kEventAction, nullptr));
        };
        if (!edit->cursorShown())
            blink();
        const QImage shown = testsupport::ScreenPixels(*window);
        blink();
        const QImage hidden = testsupport::ScreenPixels(*window);
        blink();
        std::vector<int> columns;
        for (int x = 0; x < shown.width(); ++x)
            for (int y = edit->top(); y < edit->top() + edit->height(); ++y)
                if (shown.pixel(x, y) != hidden.pixel(x, y)) {
                    columns.push_back(x);
                    break;
                }
        return columns;
    }
};

TEST_F(SLTEViewBidiTest, SelectAllHighlightsEveryGlyph)
{
    auto edit = AddEdit(20, 20, 300);
    Click(QPoint(100, 31));
    const auto g = VR2Graphics::Create();
    const int top = 20 + platform::DoubleToInt32(11 - g->TextHeight() / 2.0 + g->TextAscent()) - g->TextAscent();
    for (const std::string& text : {kHebrew, kArabic, kMixed, kPointed}) {
        SCOPED_TRACE(text);
        edit->Text(true, text);
        Key(Qt::Key_A, Qt::ControlModifier);
        const QImage screen = testsupport::ScreenPixels(*window);
        const auto edges = GlyphEdges(text);
        int unlit = 0;
        for (int x = 23 + std::lround(edges.front()); x < 23 + std::lround(edges.back()); ++x)
            unlit += (screen.pixel(x, top) & 0xFFFFFF) != RGBOf(platform::HighlightColor());
        EXPECT_EQ(unlit, 0) << "of " << std::lround(edges.back() - edges.front()) << " columns";
        EXPECT_EQ(VR2Graphics::Create()->LayOutLine(text)->Width(), std::lround(edges.back()));
    }
    SCOPED_TRACE("a selection across both directions lights its characters only");
    edit->Text(true, kMixed);
    edit->selStart(3);
    edit->selLength(5);  // "za פי"
    const QImage screen = testsupport::ScreenPixels(*window);
    const auto edges = GlyphEdges(kMixed);
    std::string lit;
    for (size_t k = 0; k + 1 < edges.size(); ++k) {
        const int middle = 23 + static_cast<int>(std::lround((edges[k] + edges[k + 1]) / 2));
        lit += (screen.pixel(middle, top) & 0xFFFFFF) == RGBOf(platform::HighlightColor()) ? '#' : '.';
    }
    // On screen: "Pizza " then "300", a space and the Hebrew word with its first letter rightmost.
    EXPECT_EQ(lit, "...###......##");
}

TEST_F(SLTEViewBidiTest, ClicksBesideEachGlyphPlaceTheCaretThere)
{
    auto edit = AddEdit(20, 20, 300);
    for (const std::string& text : {kHebrew, kArabic, kMixed, kPointed}) {
        edit->Text(true, text);
        const auto edges = GlyphEdges(text);
        for (size_t k = 0; k + 1 < edges.size(); ++k) {
            const int left = 23 + static_cast<int>(std::lround(edges[k]));
            const int right = 23 + static_cast<int>(std::lround(edges[k + 1]));
            ASSERT_GE(right - left, 3) << "glyph " << k << " is too narrow to click beside its edges";
            for (const auto& [click, edge] : {std::pair{left + 1, left}, std::pair{right - 1, right}}) {
                SCOPED_TRACE(text + ": glyph " + std::to_string(k) + ", click at " + std::to_string(click));
                Click(QPoint(click, 31));
                const auto caret = CaretColumns(edit);
                ASSERT_EQ(caret.size(), 1u);
                EXPECT_NEAR(caret.front(), edge, 1);
            }
        }
    }
    SCOPED_TRACE("a drag from right of the Hebrew word to its left selects the word");
    edit->Text(true, kMixed);
    const auto edges = GlyphEdges(kMixed);
    const int hebrewLeft = 23 + static_cast<int>(std::lround(edges[10]));
    const int hebrewRight = 23 + static_cast<int>(std::lround(edges[14]));
    Advance(1000);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(hebrewRight - 1, 31));
    QTest::mouseMove(handle, QPoint(hebrewLeft + 1, 31));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(hebrewLeft + 1, 31));
    EXPECT_EQ(edit->SelText(), "פיצה");
}

TEST_F(SLTEViewBidiTest, ADragPastTheLeftEdgeKeepsThePressedEndAndReachesTheLinesLeftEnd)
{
    auto edit = AddEdit(20, 20, 300);
    edit->Text(true, kHebrew);
    Advance(1000);
    // Pressed between the second and third letters; the line's left end is the end of the name.
    QTest::mousePress(handle, Qt::LeftButton, {}, At(kHebrew, 2));
    QTest::mouseMove(handle, QPoint(10, 31));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, 31));
    EXPECT_EQ(State(edit), kHebrew + " 2+2");

    SCOPED_TRACE("a name wider than its field, scrolled to show its start");
    const std::string name = "אבגדהוזחטיכלמנסעפצקרשת";
    auto narrow = AddEdit(20, 60, 120);
    narrow->Text(true, name);
    narrow->scrollToCursor();
    ASSERT_LT(narrow->xScroll(), 0);
    const QPoint pressed(23 + narrow->xScroll() + VR2Graphics::Create()->LayOutLine(name)->CaretX(2), 71);
    Advance(1000);
    QTest::mousePress(handle, Qt::LeftButton, {}, pressed);
    QTest::mouseMove(handle, QPoint(10, 71));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, 71));
    EXPECT_EQ(State(narrow), name + " 2+20");
}

TEST_F(SLTEViewBidiTest, ALongRightToLeftNameScrollsToKeepTheCaretInside)
{
    auto edit = AddEdit(20, 20, 120);
    Click(QPoint(60, 31));
    const std::string letters = "אבגדהוזחטיכלמנסעפצקרשת";
    const auto inside = [&](const char* what) {
        const auto caret = CaretColumns(edit);
        ASSERT_EQ(caret.size(), 1u) << what;
        EXPECT_GE(caret.front(), 20 + edit->leftMargin()) << what;
        EXPECT_LT(caret.front(), 20 + 120 - edit->rightMargin()) << what;
    };
    for (int i = 0; i < 40; ++i) {
        Type(QString::fromStdString(platform::Mid(letters, i % 22 + 1, 1)));
        inside(("after letter " + std::to_string(i + 1)).c_str());
    }
    EXPECT_GT(VR2Graphics::Create()->LayOutLine(edit->Text())->Width(), 2 * 120) << "a name wider than the field";
    Key(Qt::Key_Up);
    inside("at the start");
    for (int i = 0; i < 40; ++i) {
        Key(Qt::Key_Right);
        inside(("after " + std::to_string(i + 1) + " steps").c_str());
    }
    EXPECT_EQ(edit->cursor(), 40);
}

TEST_F(SLTEViewTest, KeysEditByCodePoint)
{
    auto edit = AddEdit(20, 20, 200);
    Click(QPoint(100, 31));
    for (const char* text : {"ab", "é", "漢字", "😀"})
        Type(text);
    EXPECT_EQ(State(edit), "abé漢字😀 6+0");
    SCOPED_TRACE("arrows and deletion step over whole code points");
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(State(edit), "abé漢😀 3+1");
    Key(Qt::Key_Right);
    Key(Qt::Key_Delete);
    EXPECT_EQ(State(edit), "abé漢 4+0");
    SCOPED_TRACE("Return and Enter send the text, Esc cancels");
    Key(Qt::Key_Return);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"actn abé漢", "actn abé漢", "canc abé漢"}));
    SCOPED_TRACE("the text setter keeps the positions inside the new text");
    edit->Text(true, "abcdef");
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    edit->Text(true, "ab");
    Key(Qt::Key_Left);
    EXPECT_EQ(State(edit), "ab 1+0");
}

TEST_F(SLTEViewTest, ArrowsHomeAndEndMoveOrExtendTheSelection)
{
    auto edit = AddEdit(20, 20, 200);
    Click(QPoint(100, 31));
    // From "abcd": with "bc" selected (1+2), the insertion point after "ab" (2+0), and at the start (0+0).
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string fromSelection, fromMiddle, fromStart;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Left, {}, "1+0", "1+0", "0+0"},
        {Qt::Key_Right, {}, "3+0", "3+0", "1+0"},
        {Qt::Key_Up, {}, "1+0", "0+0", "0+0"},
        {Qt::Key_Down, {}, "3+0", "4+0", "4+0"},
        {Qt::Key_Home, {}, "1+0", "0+0", "0+0"},
        {Qt::Key_End, {}, "3+0", "4+0", "4+0"},
        // Shift: Left takes in the character before the selection (none at the start), Right the one after it;
        // Up and Home select back to the start, Down and End on to the end.
        {Qt::Key_Left, Qt::ShiftModifier, "0+3", "1+1", "0+0"},
        {Qt::Key_Right, Qt::ShiftModifier, "1+3", "2+1", "0+1"},
        {Qt::Key_Up, Qt::ShiftModifier, "0+1", "0+2", "0+0"},
        {Qt::Key_Down, Qt::ShiftModifier, "1+3", "2+2", "0+4"},
        {Qt::Key_Home, Qt::ShiftModifier, "0+1", "0+2", "0+0"},
        {Qt::Key_End, Qt::ShiftModifier, "1+3", "2+2", "0+4"},
    };
    for (const auto& [key, modifiers, fromSelection, fromMiddle, fromStart] : cases) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        const auto after = [&](int32_t start, int32_t length) {
            edit->Text(true, "abcd");
            edit->selLength(0);
            edit->selStart(start);
            edit->selLength(length);
            Key(key, modifiers);
            return std::to_string(edit->cursor()) + "+" + std::to_string(edit->selectionCount());
        };
        EXPECT_EQ(after(1, 2), fromSelection);
        EXPECT_EQ(after(2, 0), fromMiddle);
        EXPECT_EQ(after(0, 0), fromStart);
    }
    SCOPED_TRACE("Alt, Super and Meta type nothing; AltGr composes");
    edit->Text(true, "");
    edit->selStart(0);
    Key(Qt::Key_X, Qt::AltModifier, "x");
    Key(Qt::Key_1, Qt::AltModifier, "1");
    Key(Qt::Key_A, Qt::MetaModifier, "a");
    Key(Qt::Key_E, Qt::GroupSwitchModifier, "€");
    EXPECT_EQ(State(edit), "€ 1+0");
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
    clipboard->SetText("one\r\ntwo\nthree\tfour\x01\x7F five\xC2\x85");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(State(edit), "hello one two three four five 29+0");
}

TEST_F(SLTEViewTest, ClicksPlaceSelectWordsAndAll)
{
    const std::string text = "one two three";
    auto edit = AddEdit(20, 20, 300);
    edit->Text(true, text);
    const QPoint inTwo = At(text, 5) + QPoint(2, 0);
    std::vector<std::string> states;
    for (int click = 0; click < 5; ++click) {
        Click(inTwo, click > 0);
        states.push_back(State(edit));
    }
    // Word, all, a fourth does nothing, a fifth places the insertion point again.
    EXPECT_EQ(states, (std::vector<std::string>{text + " 5+0", text + " 4+3", text + " 0+13", text + " 0+13",
                                                text + " 5+0"}));

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
    const int x = 150 - 23 - edit->xScroll();
    EXPECT_LE(line->CaretX(p - 1), x);
    EXPECT_GE(line->CaretX(p + 1), x);
    Type("é");
    EXPECT_EQ(platform::Mid(edit->Text(), p + 1, 1), "é");
}

TEST_F(SLTEViewTest, DragSelectsAndScrollsAtTheEdge)
{
    const std::string text(60, 'm');
    auto edit = AddEdit(20, 20, 200);
    edit->Text(true, text);
    const QPoint anchor = At(text, 10);
    QTest::mousePress(handle, Qt::LeftButton, {}, anchor);
    QTest::mouseMove(handle, At(text, 4));
    EXPECT_EQ(State(edit), text + " 4+6");
    // The pace is shared by every edit and starts at the first stay beyond an edge.
    Advance(11);
    QTest::mouseMove(handle, QPoint(10, 31));
    QTest::mouseMove(handle, anchor);
    EXPECT_EQ(State(edit), text + " 10+0");
    std::vector<int32_t> scrolls;
    for (int step = 0; step < 8; ++step) {
        Advance(11);
        QTest::mouseMove(handle, QPoint(230 + step % 2, 31));
        scrolls.push_back(edit->xScroll());
    }
    const int end = 194 - VR2Graphics::Create()->LayOutLine(text)->Width() - 1;
    EXPECT_EQ(scrolls, (std::vector<int32_t>{-5, -55, -130, std::max(-242, end), std::max(-410, end), end, end, end}));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(231, 31));
    EXPECT_EQ(State(edit), text + " 10+50");
}

TEST_F(SLTEViewTest, PaintsLooksCaretAndSelectionAndBlinksOnlyWithTheFocus)
{
    auto edit = AddEdit(20, 20, 200);
    auto round = AddEdit(20, 60, 200);
    round->RoundAppearance = true;
    edit->EmptyMessage = "Food";
    edit->refresh();
    round->refresh();
    auto inkIn = [&](int left, int right) {
        int ink = 0;
        for (int x = left; x < right; ++x)
            ink += Screen(x, 31) != 0xFFFFFFu;
        return ink;
    };
    EXPECT_EQ(Screen(100, 20), 0x7C7C7Cu) << "the plain look's top line";
    EXPECT_GT(inkIn(23, 60), 3) << "the placeholder";
    EXPECT_EQ(Screen(20 + 11, 60 + 9), 0xFFFFFFu) << "the round look's lens";
    round->Text(true, "x");
    EXPECT_EQ(Screen(20 + 180, 60 + 11), 0xC7C7C7u) << "the clear button";

    EXPECT_FALSE(edit->isBlinking());
    Click(QPoint(100, 31));
    EXPECT_TRUE(edit->isBlinking());
    EXPECT_EQ(Screen(23, 31), 0x000000u) << "the insertion point";
    edit->Action(nullptr, Vireo2Utilities::VR2MakeMessage("slte_timer", codes::kEventAction, nullptr));
    EXPECT_EQ(Screen(23, 31), 0xFFFFFFu) << "blinked away";
    EXPECT_EQ(inkIn(24, 60), 0) << "no placeholder while focused";
    edit->Text(false, "__ __");
    edit->selectAll(true);
    EXPECT_EQ(Screen(At("__ __", 2).x() + 2, 31), RGBOf(platform::HighlightColor()));
    Click(QPoint(100, 71));
    EXPECT_EQ(Screen(At("__ __", 2).x() + 2, 31), RGBOf(SLTEView::kUnfocusedSelection)) << "never a black box";
    EXPECT_FALSE(edit->isBlinking());
    EXPECT_TRUE(round->isBlinking());
    round->release();
    EXPECT_FALSE(round->isBlinking());

    SCOPED_TRACE("the highlight takes in the columns of both its carets");
    Click(QPoint(100, 31));
    edit->Text(false, "abc");
    edit->selectAll(true);
    const auto g = VR2Graphics::Create();
    const int top = 20 + platform::DoubleToInt32(11 - g->TextHeight() / 2.0 + g->TextAscent()) - g->TextAscent();
    EXPECT_EQ(Screen(At("abc", 0).x(), top), RGBOf(platform::HighlightColor()));
    EXPECT_EQ(Screen(At("abc", 3).x(), top), RGBOf(platform::HighlightColor()));
    EXPECT_EQ(Screen(At("abc", 3).x() + 1, top), 0xFFFFFFu);
}

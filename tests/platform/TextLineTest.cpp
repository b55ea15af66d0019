#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "platform/TextLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

using platform::TextLine;

namespace platform {
void PrintTo(const TextLine::Span& span, std::ostream* out) { *out << "[" << span.left << ", " << span.right << ")"; }
}  // namespace platform

namespace {

TextLine::Ref LayOut(const std::string& text)
{
    return platform::Picture::NewPicture(1, 1)->Graphics()->LayOutLine(text);
}

const std::string kHebrew = "שלום";
const std::string kPointedHebrew = "שָׁלוֹם";
const std::string kArabic = "سلام";
const std::string kVowelledArabic = "سَلَام";  // with a lam-alef ligature
const std::string kMixed = "Pizza פיצה 300";

}  // namespace

TEST(TextLine, MarksTakeNoRoomSoAMarkedWordHasItsBareWordsCaretsAndClicks)
{
    const std::vector<std::pair<std::string, std::string>> words = {
        {kHebrew, kPointedHebrew},
        {"בראשית", "בְּרֵאשִׁית"},
        {kArabic, kVowelledArabic},
        {"محمد", "مُحَمَّد"},
        {"e " + kHebrew, "e\xCC\x81 " + kHebrew},  // a combining acute
    };
    for (const auto& [bare, marked] : words) {
        SCOPED_TRACE(marked);
        const auto bareLine = LayOut(bare);
        const auto markedLine = LayOut(marked);
        // letterAt[i]: where the bare word's letter i starts in the marked word; lettersBefore[p]: letters before p.
        std::vector<int32_t> letterAt;
        std::vector<int32_t> lettersBefore{0};
        for (int32_t p = 0; p < platform::Len(marked); ++p) {
            const bool letter = platform::Mid(marked, p + 1, 1) ==
                                platform::Mid(bare, static_cast<int32_t>(letterAt.size()) + 1, 1);
            if (letter)
                letterAt.push_back(p);
            lettersBefore.push_back(static_cast<int32_t>(letterAt.size()));
        }
        letterAt.push_back(platform::Len(marked));
        ASSERT_EQ(letterAt.size(), static_cast<size_t>(platform::Len(bare)) + 1);

        EXPECT_EQ(markedLine->Width(), bareLine->Width());
        // The caret after a letter and its marks is at the letter's far edge.
        for (int32_t p = 0; p <= markedLine->Length(); ++p)
            EXPECT_EQ(markedLine->CaretX(p), bareLine->CaretX(lettersBefore[static_cast<size_t>(p)]))
                << "position " << p;
        // A click lands before a letter, never between a letter and its marks.
        for (double x = -2; x <= bareLine->Width() + 2; x += 0.5)
            EXPECT_EQ(markedLine->PositionAt(x), letterAt[static_cast<size_t>(bareLine->PositionAt(x))]) << "x " << x;
    }
}

TEST(TextLine, ACharacterDrawnWithNothingSitsAtTheTrailingEdgeOfTheOneBefore)
{
    const int32_t aRight = LayOut("a")->Width();
    // A soft hyphen after the a.
    const auto line = LayOut("a\xC2\xAD" + kHebrew);
    EXPECT_EQ(line->CaretX(1), aRight);
    EXPECT_EQ(line->PositionAt(aRight + 1), 1);
}

TEST(TextLine, AClickHalfwayBetweenTwoCaretPlacesGoesToTheLeftOne)
{
    for (const std::string& text : {std::string("abc"), kHebrew, kArabic + " عليكم", kMixed}) {
        SCOPED_TRACE(text);
        const auto line = LayOut(text);
        // Every position of these texts is a caret place; ordered as they lie on screen.
        std::vector<int32_t> places(static_cast<size_t>(line->Length()) + 1);
        std::iota(places.begin(), places.end(), 0);
        std::sort(places.begin(), places.end(),
                  [&](int32_t a, int32_t b) { return line->CaretX(a) < line->CaretX(b); });
        for (size_t k = 0; k + 1 < places.size(); ++k) {
            const int32_t left = places[k];
            const int32_t right = places[k + 1];
            ASSERT_LT(line->CaretX(left), line->CaretX(right));
            const double halfway = (line->CaretX(left) + line->CaretX(right)) / 2.0;
            EXPECT_EQ(line->PositionAt(halfway), left) << "halfway between " << left << " and " << right;
            EXPECT_EQ(line->PositionAt(halfway + 0.5), right)
                << "right of halfway between " << left << " and " << right;
        }
    }
}

TEST(TextLine, ASelectionIsOneSpanPerStretchOnScreen)
{
    for (const std::string& text : {kHebrew, kPointedHebrew, kArabic, kVowelledArabic}) {
        SCOPED_TRACE(text);
        const auto line = LayOut(text);
        EXPECT_EQ(line->Spans(0, line->Length()), std::vector<TextLine::Span>({{0, line->Width()}}));
    }
    const auto hebrew = LayOut(kHebrew);
    EXPECT_EQ(hebrew->Spans(1, 3), std::vector<TextLine::Span>({{hebrew->CaretX(3), hebrew->CaretX(1)}}));
    // "za פי": "za " ends where "300" begins, drawn left of the Hebrew word; "פי" is that word's right end.
    const auto mixed = LayOut(kMixed);
    EXPECT_EQ(mixed->Spans(3, 8), std::vector<TextLine::Span>({{mixed->CaretX(3), mixed->CaretX(11)},
                                                               {mixed->CaretX(8), mixed->CaretX(6)}}));
}

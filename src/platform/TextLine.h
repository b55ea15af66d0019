#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// One line of text laid out once in one font. Every caret position comes from
// that one layout, so a lookup costs no measuring of prefixes and kerning
// across a position is the whole line's. Positions count code points; x
// counts pixels from the line's left edge, as drawn.
//
// Right-to-left runs are drawn right to left, so caret x does not grow with
// the position there. The caret of a position is drawn at the edge of the
// character after it on that character's leading side (its right side in a
// right-to-left run); the end of the line at the trailing side of the last
// character. That way every edge between two glyphs is some position's caret.
// Made by Graphics::LayOutLine; immutable.
class TextLine {
public:
    using Ref = std::shared_ptr<const TextLine>;

    // Pixel columns from left up to (not including) right.
    struct Span {
        int32_t left;
        int32_t right;
        bool operator==(const Span&) const = default;
    };

    ~TextLine();

    const std::string& Text() const { return mText; }
    int32_t Length() const { return static_cast<int32_t>(mOffsets.size()) - 1; }
    // The width of the whole line as drawn.
    int32_t Width() const;
    // The x of the caret after position code points (clamped to 0 ... Length()).
    int32_t CaretX(int32_t position) const;
    // The position whose caret lies nearest x; a tie goes to the left one.
    int32_t PositionAt(double x) const;
    // The columns that the characters from position from up to to cover, left
    // to right: one span for left-to-right text, several across runs of both directions.
    std::vector<Span> Spans(int32_t from, int32_t to) const;

private:
    friend class Graphics;
    struct Layout;
    // Where a character lies: its edges and the side that comes first in reading order.
    struct Box {
        double left;
        double right;
        bool rightToLeft;
        double Leading() const { return rightToLeft ? right : left; }
        double Trailing() const { return rightToLeft ? left : right; }
    };
    TextLine(std::string text, std::unique_ptr<Layout> layout);
    void PlaceCharacters();

    std::string mText;
    // The UTF-16 index of every code point boundary.
    std::vector<int32_t> mOffsets;
    std::unique_ptr<Layout> mLayout;
    // Filled only for text that holds right-to-left characters; left-to-right
    // text asks its layout, position by position.
    std::vector<Box> mBoxes;
    std::vector<int32_t> mCarets;
    // The positions between graphemes: the only places a click puts the caret.
    std::vector<int32_t> mStops;
};

}  // namespace platform

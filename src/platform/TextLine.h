#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// One line of text laid out once in one font. Every caret position comes from
// that one layout, so a lookup costs no measuring of prefixes and kerning
// across a position is the whole line's. Positions count code points.
// Made by Graphics::LayOutLine; immutable.
class TextLine {
public:
    using Ref = std::shared_ptr<const TextLine>;

    ~TextLine();

    const std::string& Text() const { return mText; }
    int32_t Length() const { return static_cast<int32_t>(mOffsets.size()) - 1; }
    int32_t Width() const { return CaretX(Length()); }
    // The x of the caret after position code points (clamped to 0 ... Length()).
    int32_t CaretX(int32_t position) const;

private:
    friend class Graphics;
    struct Layout;
    TextLine(std::string text, std::unique_ptr<Layout> layout);

    std::string mText;
    // The UTF-16 index of every code point boundary.
    std::vector<int32_t> mOffsets;
    std::unique_ptr<Layout> mLayout;
};

}  // namespace platform

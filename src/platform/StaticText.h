#pragma once

#include "platform/Color.h"
#include "platform/RectControl.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// One line of text on a plain window, in its own font. A text wider than the
// control is shortened with an ellipsis. Every change repaints it.
class StaticText : public RectControl {
public:
    using Ref = std::shared_ptr<StaticText>;
    static Ref Create() { return Ref(new StaticText()); }

    // Alignments of TextAlign; any other code aligns left.
    static constexpr int32_t kAlignLeft = 0;
    static constexpr int32_t kAlignCenter = 1;
    static constexpr int32_t kAlignRight = 2;

    const std::string& Text() const { return mText; }
    void Text(std::string text);
    // "System", "SmallSystem" or a family name; size 0 is the font's standard size.
    const std::string& TextFont() const { return mTextFont; }
    void TextFont(std::string font);
    int32_t TextSize() const { return mTextSize; }
    void TextSize(int32_t size);
    bool Bold() const { return mBold; }
    void Bold(bool bold);
    int32_t TextAlign() const { return mTextAlign; }
    void TextAlign(int32_t align);
    Color TextColor() const { return mTextColor; }
    void TextColor(Color color);

protected:
    StaticText() = default;
    void Paint(Graphics& g) override;

private:
    std::string mText;
    std::string mTextFont = "System";
    int32_t mTextSize = 0;
    bool mBold = false;
    int32_t mTextAlign = kAlignLeft;
    Color mTextColor{0x000000};
};

}  // namespace platform

#include "platform/StaticText.h"

namespace platform {

namespace {

template <typename T>
void Change(T& field, T value, RectControl& control)
{
    if (field == value)
        return;
    field = std::move(value);
    control.Refresh();
}

}  // namespace

void StaticText::Text(std::string text) { Change(mText, std::move(text), *this); }
void StaticText::TextFont(std::string font) { Change(mTextFont, std::move(font), *this); }
void StaticText::TextSize(int32_t size) { Change(mTextSize, size, *this); }
void StaticText::Bold(bool bold) { Change(mBold, bold, *this); }
void StaticText::TextAlign(int32_t align) { Change(mTextAlign, align, *this); }
void StaticText::TextColor(Color color) { Change(mTextColor, color, *this); }

void StaticText::Paint(Graphics& g)
{
    if (mText.empty() || Width() <= 0)
        return;
    g.SetTextFont(mTextFont);
    g.SetTextSize(mTextSize);
    g.SetBold(mBold);
    g.SetItalic(false);
    g.SetUnderline(false);
    g.SetForeColor(mTextColor);
    const int32_t free = Width() - g.StringWidth(mText);
    int32_t x = Left();
    if (free > 0 && mTextAlign == kAlignCenter)
        x += free / 2;
    else if (free > 0 && mTextAlign == kAlignRight)
        x += free;
    g.DrawString(mText, x, Top() + g.TextAscent(), Width(), true);
}

}  // namespace platform

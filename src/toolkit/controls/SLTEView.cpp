#include "toolkit/controls/SLTEView.h"

#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Utilities.h"

#include <algorithm>
#include <limits>

namespace {

// One line of printable characters: line breaks (CR LF counting as one) and
// tabs become a space, other control characters are left out.
std::string OneLine(const std::string& text)
{
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (byte == '\r' || byte == '\n' || byte == '\t') {
            line += ' ';
        } else if (byte < 0x20 || byte == 0x7F) {
            continue;
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            ++i;  // C1 control characters
        } else if (byte == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            line += ' ';  // line and paragraph separators
            i += 2;
        } else {
            line += static_cast<char>(byte);
        }
    }
    return line;
}

}  // namespace

void SLTEView::Created()
{
    AutoClip = true;
    CanFocus = true;
    mLeftMargin = 3;
    mCursor = 0;
    mCursorShow = true;
    mCursorTimer = VR2Timer::Create();
    mCursorTimer->Mode(platform::Timer::kModeOff);
    mCursorTimer->Message = Vireo2Utilities::VR2MakeMessage(kTimerCategory, codes::kEventAction, nullptr);
    mCursorTimer->Target = std::static_pointer_cast<VR2Object>(Self());
    mCursorTimer->Period(kBlinkMilliseconds);
}

void SLTEView::ViewWillRelease()
{
    if (!mCursorTimer)
        return;
    mCursorTimer->Mode(platform::Timer::kModeOff);
    mCursorTimer->Target.reset();
    mCursorTimer = nullptr;
}

bool SLTEView::isBlinking() const
{
    return mCursorTimer && mCursorTimer->Mode() == platform::Timer::kModeMultiple;
}

void SLTEView::BlinkMode(int32_t mode)
{
    if (mCursorTimer)
        mCursorTimer->Mode(mode);
}

void SLTEView::decrementCursor() { mCursor = std::max(mCursor - 1, 0); }

void SLTEView::incrementCursor() { mCursor = std::min(mCursor + 1, platform::Len(mText)); }

void SLTEView::selStart(int32_t value)
{
    const int32_t clamped = std::clamp(value, 0, platform::Len(mText));
    if (clamped == mCursor)
        return;
    mCursor = clamped;
    refresh();
}

void SLTEView::selLength(int32_t value)
{
    const int32_t clamped = std::clamp(value, 0, std::max(platform::Len(mText) - mCursor, 0));
    if (clamped == mSelectionCount)
        return;
    mSelectionCount = clamped;
    refresh();
}

std::string SLTEView::SelText() { return platform::Mid(mText, mCursor + 1, mSelectionCount); }

void SLTEView::incrementSelectionCount()
{
    mSelectionCount = std::min(mSelectionCount + 1, std::max(platform::Len(mText) - mCursor, 0));
}

void SLTEView::decrementSelectionCount() {}

void SLTEView::selectAll(bool redraw)
{
    mSelectionCount = platform::Len(mText);
    mCursor = 0;
    mXScroll = 0;
    if (redraw)
        refresh();
}

void SLTEView::SelText(bool redraw, const std::string& value)
{
    const std::string inserted = OneLine(value);
    mText = platform::Mid(mText, 1, mCursor) + inserted + platform::Mid(mText, mCursor + mSelectionCount + 1);
    mSelectionCount = 0;
    mCursor = std::min(mCursor + platform::Len(inserted), platform::Len(mText));
    scrollToCursor();
    if (redraw)
        refresh();
    if (mHasFocus)
        BlinkMode(platform::Timer::kModeMultiple);
}

void SLTEView::ToggleCursorShow()
{
    mCursorShow = !mCursorShow;
    refresh();
}

void SLTEView::TextFont(const std::string& value)
{
    mTextFont = value;
    refresh();
}

void SLTEView::TextSize(int32_t value)
{
    mTextSize = value;
    refresh();
}

bool SLTEView::selectWordAtPosition(int32_t position)
{
    int32_t start = 0;
    for (const auto& word : platform::Split(mText, " ")) {
        const int32_t end = start + platform::Len(word);
        if (position < end) {
            mCursor = start;
            mSelectionCount = end - start;
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string SLTEView::Text() { return mText; }

void SLTEView::Text(bool redraw, const std::string& value)
{
    mText = value;
    // Positions past the new end would cut the text wrongly on the next edit.
    const int32_t length = platform::Len(mText);
    mCursor = std::clamp(mCursor, 0, length);
    mSelectionCount = std::clamp(mSelectionCount, 0, length - mCursor);
    mMouseDownPos = std::clamp(mMouseDownPos, 0, length);
    if (redraw)
        refresh();
}

void SLTEView::setupGraphicsForStyle(const VR2Graphics::Ref& g)
{
    g->SetTextFont(mTextFont);
    g->SetTextSize(mTextSize);
}

platform::TextLine::Ref SLTEView::Line()
{
    const auto g = VR2Graphics::Create();
    setupGraphicsForStyle(g);
    return g->LayOutLine(mText);
}

int32_t SLTEView::TextAreaWidth() const
{
    return platform::ClampToInt32(static_cast<int64_t>(width()) - mLeftMargin - mRightMargin);
}

int32_t SLTEView::charPosAtXY(int32_t x, int32_t y)
{
    const auto line = Line();
    if (y > height())
        return line->Length();
    if (y < 0)
        return 0;
    // Left of the text area: the position at the line's left end (the start of left-to-right text).
    if (x < mLeftMargin)
        return line->PositionAt(-std::numeric_limits<double>::infinity());
    const int64_t base = static_cast<int64_t>(mXScroll) + mLeftMargin;
    return line->PositionAt(static_cast<double>(x) - static_cast<double>(base));
}

void SLTEView::scrollToCursor()
{
    const auto line = Line();
    const int32_t room = TextAreaWidth();
    if (line->Width() < room) {
        mXScroll = 0;
        return;
    }
    // Compared by where the carets are drawn: in right-to-left text a later
    // position can lie further left.
    const int32_t middle = platform::DoubleToInt32(height() / 2.0);
    const int32_t caret = line->CaretX(mCursor);
    if (line->CaretX(charPosAtXY(room, middle)) < caret) {
        mXScroll = platform::ClampToInt32(static_cast<int64_t>(room) - caret - 1);
        return;
    }
    if (caret < line->CaretX(charPosAtXY(mLeftMargin + 1, middle)))
        mXScroll = platform::ClampToInt32(-static_cast<int64_t>(caret));
}

VireoStandardProperties::PropertyTable SLTEView::Properties()
{
    return {{VireoStandardProperties::kTextKey, [this] { return platform::Variant(Text()); },
             [this](const platform::Variant& value) {
                 Text(false, value.StringValue());
                 selectAll(true);
             }}};
}

bool SLTEView::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool SLTEView::PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool SLTEView::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}

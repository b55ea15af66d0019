#include "toolkit/controls/SLTEView.h"

#include "platform/Text.h"
#include "toolkit/geometry/VireoColor.h"

namespace {

constexpr platform::Color kDarkGrey{0x777777};
constexpr platform::Color kLightGrey{0xC7C7C7};
constexpr platform::Color kFrameGrey{0xC3C3C3};
constexpr platform::Color kTopLineGrey{0x7C7C7C};
constexpr platform::Color kBlack{0x000000};
constexpr int32_t kPlainMargin = 3;

}  // namespace

bool SLTEView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    const int32_t w = g->Width;
    const int32_t h = g->Height;
    if (RoundAppearance) {
        mLeftMargin = mRightMargin = platform::WrapAdd(height(), 6);
        g->SetForeColor(kDarkGrey);
        g->DrawRoundRect(0, 0, w, h, h, h);
        g->SetForeColor(kLightGrey);
        g->DrawRoundRect(0, 1, w, h - 1, h - 1, h - 1);
        g->SetForeColor(mBackgroundColor);
        g->FillRoundRect(2, 2, w - 4, h - 4, h - 4, h - 4);
    } else {
        mLeftMargin = mRightMargin = kPlainMargin;
        if (mHasBackColor) {
            g->SetForeColor(mBackgroundColor);
            g->FillRect(0, 0, w, h);
        }
    }

    setupGraphicsForStyle(g);
    const int32_t lineHeight = g->TextHeight();
    const int32_t ascent = g->TextAscent();
    const int32_t y = platform::DoubleToInt32(h / 2.0 - lineHeight / 2.0 + ascent);
    const int32_t x0 = platform::WrapAdd(mXScroll, mLeftMargin);
    const auto line = g->LayOutLine(mText);
    const int32_t caret = platform::WrapAdd(x0, line->CaretX(mCursor));

    if (mSelectionCount == 0) {
        if (mHasFocus && mCursorShow) {
            g->SetForeColor(kBlack);
            g->DrawLine(caret, y - ascent, caret, y + lineHeight - ascent);
        }
    } else {
        // Without the focus the selection stays visible but quiet.
        g->SetForeColor(mHasFocus ? platform::HighlightColor() : kUnfocusedSelection);
        // One box per stretch of the selected characters on screen: a selection
        // across runs of both directions can lie in several pieces.
        for (const auto& span : line->Spans(mCursor, mCursor + mSelectionCount))
            g->FillRect(platform::WrapAdd(x0, span.left), y - ascent, span.right - span.left + 1, lineHeight);
    }

    g->SetForeColor(mTextColor);
    g->DrawString(mText, x0, y, -1, false);

    if (mText.empty() && !EmptyMessage.empty() && !mHasFocus) {
        g->SetForeColor(kDarkGrey);
        g->DrawString(EmptyMessage, x0, y, -1, false);
    }

    if (RoundAppearance) {
        PaintRoundEnds(g);
    } else if (Border) {
        g->SetForeColor(kFrameGrey);
        g->DrawRect(0, 1, w, h - 1);
        g->SetForeColor(kTopLineGrey);
        g->DrawLine(0, 0, w, 0);
    }
    return true;
}

// The right end's interior over any text that reaches it, the clear button and the search glyph.
void SLTEView::PaintRoundEnds(const std::shared_ptr<VR2Graphics>& g)
{
    const int32_t w = width();
    const int32_t h = height();
    g->SetForeColor(mBackgroundColor);
    g->FillRect(w - mRightMargin, 3, mRightMargin - 6, h - 6);
    g->FillOval(w - h, 3, h - 6, h - 6);

    if (!mText.empty()) {
        g->SetForeColor(mMouseDownInClearBtn ? kDarkGrey : kLightGrey);
        g->FillOval(w - h + 1, 4, h - 8, h - 8);
        g->SetForeColor(mMouseDownInClearBtn ? kLightGrey : VireoColor::kWhite);
        g->DrawString("x", w - h + 4, h - 8, -1, false);
    }

    g->SetForeColor(kDarkGrey);
    g->FillOval(6, 4, 10, 10);
    g->DrawLine(11, 10, 18, 18);
    g->DrawLine(12, 10, 19, 18);
    g->SetForeColor(VireoColor::kWhite);
    g->FillOval(8, 6, 6, 6);
    g->FillPolygon({0, 19, 10, 25, 10, 22, 15, 19, 10});
}

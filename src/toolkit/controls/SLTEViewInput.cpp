#include "toolkit/controls/SLTEView.h"

#include "platform/Clipboard.h"
#include "platform/Codes.h"
#include "platform/EventLoop.h"
#include "platform/Keyboard.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "platform/Ticks.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Utilities.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

constexpr int64_t kTicksPerScrollStep = 10;
constexpr int32_t kFirstScrollStep = 5;
constexpr int32_t kScrollStepFloor = 50;

// Shared by every text edit: the pace of scrolling while a drag rests beyond the text.
std::optional<int64_t> gWaitToScroll;
int32_t gDragAccelerator = 0;

bool IsKey(const std::string& key, int32_t code) { return key == platform::Chr(code); }

// Letters compare as the platform compares text, ignoring case.
bool IsLetter(const std::string& key, char letter)
{
    return key.size() == 1 && (key[0] == letter || key[0] == letter - 'a' + 'A');
}

}  // namespace

bool SLTEView::KeyDown(const std::string& key)
{
    if (platform::Keyboard::CommandKey())
        return HandleCommandKey(key);
    if (platform::System::MouseDown())
        return false;
    if (IsKey(key, codes::kKeyEscape)) {
        EventHandlerTable->triggerHandler(codes::kEventCancel, Self(), nullptr);
        return true;
    }
    if (IsKey(key, codes::kKeyTab))
        return false;
    if (IsKey(key, codes::kKeyBackspace) || IsKey(key, codes::kKeyDelete)) {
        if (mSelectionCount > 0) {
            SelText(true, "");
        } else if (IsKey(key, codes::kKeyBackspace)) {
            if (mCursor > 0)
                mText = platform::Mid(mText, 1, mCursor - 1) + platform::Mid(mText, mCursor + 1);
            decrementCursor();
        } else {
            mText = platform::Mid(mText, 1, mCursor) + platform::Mid(mText, mCursor + 2);
        }
        refresh();
        return true;
    }
    for (const int32_t arrow : {codes::kKeyLeft, codes::kKeyRight, codes::kKeyUp, codes::kKeyDown})
        if (IsKey(key, arrow))
            return HandleArrowKey(arrow);
    // Home and End move to the start and the end of the line, as Up and Down do.
    if (IsKey(key, codes::kKeyHome))
        return HandleArrowKey(codes::kKeyUp);
    if (IsKey(key, codes::kKeyEnd))
        return HandleArrowKey(codes::kKeyDown);
    if (IsKey(key, codes::kKeyReturn) || IsKey(key, codes::kKeyEnter)) {
        selectAll(true);
        EventHandlerTable->triggerHandler(codes::kEventAction, Self(), nullptr);
        return true;
    }
    SelText(true, key);
    mCursorShow = true;
    if (mCursorTimer)
        mCursorTimer->Reset();
    Vireo2Utilities::VR2ObscureCursor();
    return true;
}

bool SLTEView::HandleCommandKey(const std::string& key)
{
    if (IsLetter(key, 'a')) {
        selectAll(true);
    } else if (IsLetter(key, 'v')) {
        SelText(true, platform::Clipboard::Create()->Text());
    } else if ((IsLetter(key, 'c') || IsLetter(key, 'x')) && mSelectionCount > 0) {
        // An empty selection leaves the clipboard as it was.
        platform::Clipboard::Create()->SetText(SelText());
        if (IsLetter(key, 'x'))
            SelText(true, "");
    }
    refresh();
    return true;
}

bool SLTEView::HandleArrowKey(int32_t code)
{
    const bool shift = platform::Keyboard::AsyncShiftKey();
    const int32_t length = platform::Len(mText);
    if (code == codes::kKeyLeft) {
        if (shift) {
            // At the start there is nothing left of the insertion point to take in.
            if (mCursor > 0) {
                decrementCursor();
                incrementSelectionCount();
            }
        } else {
            if (mSelectionCount == 0)
                decrementCursor();
            mSelectionCount = 0;
        }
    } else if (code == codes::kKeyRight) {
        if (shift) {
            incrementSelectionCount();
        } else {
            if (mSelectionCount > 0)
                mCursor += mSelectionCount;
            else
                incrementCursor();
            mSelectionCount = 0;
        }
    } else if (code == codes::kKeyUp) {
        if (shift) {
            mSelectionCount = mCursor;
            mCursor = 0;
        } else if (mSelectionCount > 0) {
            mSelectionCount = 0;
        } else {
            mCursor = 0;
        }
    } else {
        if (shift) {
            mSelectionCount = length - mCursor;
        } else if (mSelectionCount > 0) {
            mCursor += mSelectionCount;
            mSelectionCount = 0;
        } else {
            mCursor = length;
        }
    }
    scrollToCursor();
    refresh();
    return true;
}

bool SLTEView::MouseDown(int32_t x, int32_t y)
{
    if (platform::IsCMMClick()) {
        ContextualMenuClick(x, y);
        return false;
    }
    if (x <= mLeftMargin) {
        FrameClick(1);
        return true;
    }
    BlinkMode(platform::Timer::kModeOff);
    const int32_t pos = charPosAtXY(x, y);
    int32_t count = 0;
    if (Vireo2Utilities::VR2CheckClickCount(platform::Variant(Self()), count) && pos == mMouseDownPos) {
        if (count == 2 && selectWordAtPosition(pos)) {
            refresh();
            return false;
        }
        if (count == 3) {
            selectAll(true);
            return false;
        }
        if (count == 4)
            return false;
    }
    if (x > width() - mRightMargin) {
        HoldClearButton(x, y);
        return true;
    }
    if (!platform::Keyboard::AsyncShiftKey()) {
        mMouseDownPos = pos;
        mSelectionCount = 0;
        selStart(pos);
    }
    changeFocus(codes::kFocusGive);
    return true;
}

void SLTEView::HoldClearButton(int32_t x, int32_t y)
{
    // The loop yields: keep the view alive, and stop if it is released meanwhile.
    const auto keep = Self();
    while (platform::System::MouseDown() && !isReleased()) {
        mMouseDownInClearBtn = width() - mRightMargin < x && x < width() && 4 < y && y < height() - 3;
        refreshRect(VR2Rect::Create(width() - mRightMargin, 0, mRightMargin, height()), nullptr);
        platform::YieldToEventLoop();
    }
    if (isReleased())
        return;
    if (mMouseDownInClearBtn)
        FrameClick(0);
    mMouseDownInClearBtn = false;
}

void SLTEView::MouseDrag(int32_t x, int32_t y)
{
    const int32_t pos = charPosAtXY(x, y);
    mCursor = std::min(pos, mMouseDownPos);
    mSelectionCount = std::abs(pos - mMouseDownPos);
    if (x < mLeftMargin || x > width() - (mLeftMargin + mRightMargin))
        ScrollWhileDragging(x);
    else
        gDragAccelerator = kFirstScrollStep;
    refresh();
}

void SLTEView::ScrollWhileDragging(int32_t x)
{
    const int32_t room = TextAreaWidth();
    const int32_t textWidth = Line()->Width();
    if (textWidth <= room)
        return;
    if (!gWaitToScroll)
        gWaitToScroll = platform::Ticks();
    if (platform::Ticks() - *gWaitToScroll <= kTicksPerScrollStep)
        return;
    if (x < mLeftMargin)
        mXScroll = std::min(platform::WrapAdd(mXScroll, gDragAccelerator), 0);
    else
        mXScroll = std::max(platform::WrapSub(mXScroll, gDragAccelerator), room - textWidth - 1);
    gWaitToScroll = platform::Ticks();
    // A floor of 50, not a cap: the steps go 5, 50, 75, 112 ...
    gDragAccelerator = platform::DoubleToInt32(std::max(gDragAccelerator * 1.5, double{kScrollStepFloor}));
}

void SLTEView::MouseUp(int32_t, int32_t)
{
    if (mSelectionCount != 0 || !mHasFocus)
        return;
    if (!mCursorShow) {
        mCursorShow = true;
        refresh();
    }
    BlinkMode(platform::Timer::kModeMultiple);
}

void SLTEView::MouseEnter()
{
    if (const auto surface = parent(false))
        surface->ChangeMouseCursor(platform::System::Cursors::IBeam());
}

void SLTEView::MouseExit()
{
    if (const auto surface = parent(false))
        surface->ChangeMouseCursor(nullptr);
}

void SLTEView::GotFocus()
{
    mHasFocus = true;
    refresh();
    BlinkMode(platform::Timer::kModeMultiple);
}

void SLTEView::LostFocus()
{
    BlinkMode(platform::Timer::kModeOff);
    mHasFocus = false;
    refresh();
}

void SLTEView::HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message)
{
    if (message->category == kTimerCategory && message->selector == codes::kEventAction) {
        message->result = codes::kResultHandled;
        if (mSelectionCount == 0)
            ToggleCursorShow();
    } else if (message->category == kCategory && message->selector == kSelectAll) {
        message->result = codes::kResultHandled;
        selectAll(true);
    }
}

#pragma once

#include "platform/Color.h"
#include "platform/FourCC.h"
#include "platform/TextLine.h"
#include "toolkit/core/VR2Timer.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VireoColor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A single-line text edit: one line of text with an insertion point and a
// forward selection (both counted in code points), scrolled sideways to keep
// the insertion point in view, drawn in a plain or a round search-field look.
// Return and Enter trigger 'actn', Esc 'canc' on its event-handler table.
//
// Caret positions come from one layout of the whole line (TextLine), so a
// click into a long text costs one layout, not one measure per character.
class SLTEView : public VR2View {
public:
    using Ref = std::shared_ptr<SLTEView>;
    static Ref Create() { return VR2View::Create<SLTEView>(); }

    // The message that selects the whole text.
    static constexpr const char* kCategory = "slte";
    static constexpr int32_t kSelectAll = platform::FourCC("sall");

    // Set by builders.
    bool RoundAppearance = false;  // capsule with a search glyph and a clear button
    std::string EmptyMessage;      // placeholder while empty and unfocused
    bool Border = true;            // plain look: draw the frame

    // Cursor and selection. The setters clamp to the text and repaint on a change.
    virtual void decrementCursor();
    virtual void incrementCursor();
    virtual int32_t charPosAtXY(int32_t x, int32_t y);
    virtual void selStart(int32_t value);
    virtual void selLength(int32_t value);
    virtual std::string SelText();
    virtual void incrementSelectionCount();
    virtual void decrementSelectionCount();
    virtual void selectAll(bool redraw);
    // Replaces the selection, the insertion point ending behind value. Line
    // breaks and tabs become spaces and other control characters are left
    // out: the text stays one line of printable characters.
    virtual void SelText(bool redraw, const std::string& value);
    virtual void ToggleCursorShow();
    virtual void TextFont(const std::string& value);
    // Selects the space-delimited word around position; false past the end.
    virtual bool selectWordAtPosition(int32_t position);
    virtual std::string Text();
    // Stores the text; the cursor and selection are clamped to it, the scroll stays.
    virtual void Text(bool redraw, const std::string& value);
    virtual void TextSize(int32_t value);

    void setupGraphicsForStyle(const VR2Graphics::Ref& g);
    // Scrolls so that the insertion point shows; does not repaint.
    void scrollToCursor();

    // State, for the field's owner and for inspection.
    int32_t cursor() const { return mCursor; }
    int32_t selectionCount() const { return mSelectionCount; }
    int32_t xScroll() const { return mXScroll; }
    int32_t leftMargin() const { return mLeftMargin; }
    int32_t rightMargin() const { return mRightMargin; }
    bool cursorShown() const { return mCursorShow; }
    // The blink timer runs (repeating).
    bool isBlinking() const;
    void BackgroundColor(platform::Color color) { mBackgroundColor = color; }
    void TextColor(platform::Color color) { mTextColor = color; }
    bool HasBackColor() const { return mHasBackColor; }
    void HasBackColor(bool value) { mHasBackColor = value; }

    // The selection's colour while the view lacks the focus.
    static constexpr platform::Color kUnfocusedSelection = VireoColor::kUnfocusedSelection;
    static constexpr int32_t kBlinkMilliseconds = 350;

protected:
    // Events of this class; the defaults do nothing.
    virtual bool ContextualMenuClick(int32_t /*x*/, int32_t /*y*/) { return false; }
    // part 1: a click in the left margin; part 0: the clear button was released.
    virtual void FrameClick(int32_t /*part*/) {}

    void Created() override;
    void ViewWillRelease() override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;
    bool KeyDown(const std::string& key) override;
    bool MouseDown(int32_t x, int32_t y) override;
    void MouseDrag(int32_t x, int32_t y) override;
    void MouseUp(int32_t x, int32_t y) override;
    void MouseEnter() override;
    void MouseExit() override;
    void GotFocus() override;
    void LostFocus() override;
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;

private:
    // The blink timer's messages.
    static constexpr const char* kTimerCategory = "slte_timer";

    VireoStandardProperties::PropertyTable Properties();
    // The text laid out in the view's font.
    platform::TextLine::Ref Line();
    int32_t TextAreaWidth() const;
    void BlinkMode(int32_t mode);
    bool HandleCommandKey(const std::string& key);
    bool HandleArrowKey(int32_t code);
    void HoldClearButton(int32_t x, int32_t y);
    void ScrollWhileDragging(int32_t x);
    void PaintRoundEnds(const std::shared_ptr<VR2Graphics>& g);

    platform::Color mBackgroundColor = VireoColor::kWhite;
    std::string mText;
    int32_t mLeftMargin = 3;
    platform::Color mTextColor{0x000000};
    int32_t mCursor = 0;
    int32_t mSelectionCount = 0;
    std::string mTextFont = "System";
    int32_t mTextSize = 0;
    int32_t mMouseDownPos = 0;
    bool mHasFocus = false;
    bool mCursorShow = true;
    int32_t mRightMargin = 0;
    VR2Timer::Ref mCursorTimer;
    int32_t mXScroll = 0;
    bool mMouseDownInClearBtn = false;
    bool mHasBackColor = true;
};

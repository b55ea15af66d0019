#pragma once

#include "platform/Color.h"
#include "platform/Object.h"
#include "platform/Object2D.h"
#include "platform/Picture.h"
#include "platform/TextLine.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QFont;
class QPainter;

namespace platform {

// The drawing port of a picture. Coordinates are pixels, (0, 0) the top-left
// corner, y growing downwards; there is no clipping beyond the picture.
//
// Pixel conventions:
// - FillRect(x, y, w, h) covers exactly [x, x+w) x [y, y+h); nothing for a
//   width or height of 0 or less. ClearRect does the same in white.
// - DrawRect frames exactly that box; the pen (PenWidth by PenHeight, 1 by 1
//   when new) lies inside it.
// - DrawLine covers both end points; the pen hangs right of and below the
//   line's path.
// - Ovals and round rectangles lie inside their box.
// - Rectangles, lines and polygons are not antialiased; ovals, round
//   rectangles, arcs and text are.
// - Text: y is the baseline. "System" is DejaVu Sans at 13 pixels,
//   "SmallSystem" DejaVu Sans at 11; a TextSize of 0 means the font's standard
//   size (13 for any other font); unknown fonts fall back to DejaVu Sans.
//
// A new port draws in black, with a 1-pixel pen, "System" at size 0, plain.
class Graphics : public Object {
public:
    using Ref = std::shared_ptr<Graphics>;

    // The marker for "the picture's own size" in DrawPicture's sizes, here
    // and in the toolkit's drawing context alike.
    static constexpr int32_t kOwnSize = -1;

    ~Graphics() override;

    int32_t Width() const;
    int32_t Height() const;

    Color ForeColor() const { return mForeColor; }
    void SetForeColor(Color color) { mForeColor = color; }
    int32_t PenWidth() const { return mPenWidth; }
    void SetPenWidth(int32_t width) { mPenWidth = width; }
    int32_t PenHeight() const { return mPenHeight; }
    void SetPenHeight(int32_t height) { mPenHeight = height; }
    // Kept for callers that switch it around their drawing; there is one
    // renderer, so it selects nothing.
    bool UseOldRenderer() const { return mUseOldRenderer; }
    void SetUseOldRenderer(bool value) { mUseOldRenderer = value; }

    const std::string& TextFont() const { return mTextFont; }
    void SetTextFont(const std::string& name);
    int32_t TextSize() const { return mTextSize; }
    void SetTextSize(int32_t size);
    bool Bold() const { return mBold; }
    void SetBold(bool value);
    bool Italic() const { return mItalic; }
    void SetItalic(bool value);
    bool Underline() const { return mUnderline; }
    void SetUnderline(bool value);

    void ClearRect(int32_t x, int32_t y, int32_t width, int32_t height);
    void FillRect(int32_t x, int32_t y, int32_t width, int32_t height);
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height);
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void DrawRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth, int32_t ovalHeight);
    void FillRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth, int32_t ovalHeight);
    void DrawOval(int32_t x, int32_t y, int32_t width, int32_t height);
    void FillOval(int32_t x, int32_t y, int32_t width, int32_t height);
    // Points in the platform's polygon form: element 0 is not a coordinate,
    // then x1, y1, x2, y2 ...; a trailing odd element is ignored. The outline
    // is closed.
    void DrawPolygon(const std::vector<int32_t>& points);
    void FillPolygon(const std::vector<int32_t>& points);

    // Draws the source part (sourceX, sourceY, sourceWidth, sourceHeight) of
    // the picture scaled into (x, y, destWidth, destHeight), through the
    // picture's mask. kOwnSize in a size stands for the picture's own width or
    // height; other sizes of 0 or less draw nothing. A nil picture raises
    // NilObjectException.
    void DrawPicture(const Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth, int32_t destHeight,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);
    // The whole picture at its own size, blended at opacity (0 to 1) on top of its mask.
    void DrawPicture(const Picture::Ref& picture, int32_t x, int32_t y, double opacity = 1.0);

    // y is the baseline. wrapWidth 0 or less: one line, no limit. Otherwise
    // the text wraps at spaces (or inside words longer than the width) with
    // TextHeight between baselines; with condense it stays on one line,
    // shortened with an ellipsis to fit the width.
    void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth = 0, bool condense = false);
    int32_t StringWidth(const std::string& text);
    // The height of the text wrapped as DrawString wraps it.
    int32_t StringHeight(const std::string& text, int32_t wrapWidth);
    // One line of text laid out once in the current font, for caret positions;
    // recent layouts are shared, and DrawString of the same text draws from it.
    TextLine::Ref LayOutLine(const std::string& text);
    // Line height (baseline to baseline) and ascent of the current font.
    int32_t TextHeight();
    int32_t TextAscent();

    // Draws the shape with its centre at (x, y). A nil object raises NilObjectException.
    void DrawObject(const std::shared_ptr<Object2D>& object, int32_t x, int32_t y);

    // 32 by 32 alert icons with their top-left corner at (x, y).
    void DrawCautionIcon(int32_t x, int32_t y);
    void DrawNoteIcon(int32_t x, int32_t y);
    void DrawStopIcon(int32_t x, int32_t y);

    // Back to the state of a new port: black, a 1-by-1 pen, "System" at size
    // 0, plain. Lets one port serve several painters that each expect a fresh one.
    void ResetState();

    // The picture this port paints.
    Picture::Ref Target() const;

    // The port has no native handle to offer: 0 for every kind.
    int32_t Handle(int32_t kind) const;

private:
    friend class Picture;
    explicit Graphics(Picture& picture);

    struct TextState;
    QPainter* Painter();
    // The painter set up for an antialiased outline or fill; nil when there is nothing to draw.
    void DrawIcon(int32_t x, int32_t y, void (*draw)(QPainter& painter));
    QPainter* CurvePainter(int32_t x, int32_t y, int32_t width, int32_t height, bool outline);
    const QFont& Font();
    void FontChanged();
    void FillBox(int64_t x, int64_t y, int64_t width, int64_t height, Color color);
    void Blit(const Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth, int32_t destHeight,
              int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, double opacity);

    Picture& mPicture;
    Color mForeColor;
    int32_t mPenWidth = 1;
    int32_t mPenHeight = 1;
    bool mUseOldRenderer = false;
    std::string mTextFont = "System";
    int32_t mTextSize = 0;
    bool mBold = false;
    bool mItalic = false;
    bool mUnderline = false;
    std::unique_ptr<TextState> mText;
};

}  // namespace platform

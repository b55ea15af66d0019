#pragma once

#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "toolkit/geometry/VR2GraphicsInterface.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The drawing context handed to everything that paints: a platform Graphics
// port plus an x and y offset added to every coordinate before the call is
// passed on to the port operation of the same name. Sizes, texts and colours
// pass unchanged. No clipping: what is drawn outside lands wherever the port
// allows.
//
// Also keeps a pen-size stack (seeded with the port's pen), the drawing
// area's Width and Height, and a Background picture of the whole surface.
class VR2Graphics : public VR2GraphicsInterface {
public:
    using Ref = std::shared_ptr<VR2Graphics>;

    // Raises NilObjectException for a nil port.
    static Ref Create(const platform::Graphics::Ref& port);
    // A measuring context over the shared 1-by-1 picture, its port back at
    // the defaults (the last measuring context's settings are gone).
    static Ref Create();
    // One per program, made on first use.
    static platform::Picture::Ref getSharedMeasuringPic();

    int32_t xoffset = 0;
    int32_t yoffset = 0;
    // The drawing area; callers overwrite them (the compositor sets the view's size).
    int32_t Width = 0;
    int32_t Height = 0;
    platform::Picture::Ref Background;

    const platform::Graphics::Ref& Port() const { return mContext; }

    // A new context on the same port with the same offsets and Background;
    // Width, Height and the pen stack start afresh from the port.
    Ref Copy() const override;
    void Offset(int32_t dx, int32_t dy) override;
    // Raises NilObjectException for nil, the offsets unchanged.
    void Offset(const VR2Point::Ref& delta) override;
    // Re-targets in place: a nil port means the measuring picture's, at the
    // defaults. The offsets are set, not added; the pen stack starts afresh.
    void Reset(const platform::Graphics::Ref& port, int32_t x, int32_t y,
               const platform::Picture::Ref& background) override;

    void PushPenSize(int32_t width, int32_t height) override;
    // Restores the pen of the latest unpaired push (or, once, the seed);
    // raises OutOfBoundsException when nothing is left.
    void PopPenSize() override;

    void SetForeColor(platform::Color color) override;
    void SetTextFont(const std::string& name) override;
    void SetTextSize(int32_t size) override;
    void SetBold(bool value) override;
    void SetUnderline(bool value) override;
    void SetItalic(bool value) override;
    int32_t StringWidth(const std::string& text) override;
    int32_t StringHeight(const std::string& text, int32_t wrapWidth) override;
    int32_t TextHeight() override;
    int32_t TextAscent() override;
    // One line laid out once in the current font, for caret positions.
    platform::TextLine::Ref LayOutLine(const std::string& text) { return mContext->LayOutLine(text); }

    void ClearRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void FillRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    // Raise NilObjectException for nil. (The port's UseOldRenderer switches
    // around rectangles and gradients select nothing here: there is one renderer.)
    void DrawRect(const VR2Rect::Ref& rect);
    void FillRect(const VR2Rect::Ref& rect);
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void DrawOval(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void FillOval(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void DrawRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                       int32_t ovalHeight) override;
    void FillRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                       int32_t ovalHeight) override;
    // Points in the platform's polygon form (element 0 is not a coordinate).
    void DrawPolygon(const std::vector<int32_t>& points) override;
    void FillPolygon(const std::vector<int32_t>& points) override;
    // Direction one of codes::kArrowDown, kArrowUp, kArrowLeft, kArrowRight;
    // any other draws nothing.
    void DrawArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction) override;
    void FillArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction) override;
    // DrawArc places the arc shape at the box's corner, FillArc at its centre.
    void DrawArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle, double arcAngle) override;
    void FillArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle, double arcAngle) override;
    // One line per column (columns) or row in the colours of VR2Gradient::Steps;
    // the port's ForeColor is left at the last colour. Only the lines that
    // land in the port are drawn, so the cost follows the port, not the rectangle.
    void FillGradientRect(int32_t x, int32_t y, int32_t width, int32_t height, platform::Color startColor,
                          platform::Color endColor, bool columns) override;
    // destWidth kOwnSize: the whole picture at its own size, the other sizes
    // and the source ignored.
    void DrawPicture(const platform::Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth,
                     int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                     int32_t sourceHeight) override;
    // Copies the part of Background under a picture that will be placed at
    // (x, y) into that picture; nothing without a Background.
    void PutBackground(const platform::Picture::Ref& target, int32_t x, int32_t y) override;
    // The wrap width that draws one unwrapped line, condense off.
    static constexpr int32_t kOneLine = -1;
    // y is the baseline; wrapWidth kOneLine draws one unwrapped line, condense off.
    void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense) override;
    void DrawObject(const std::shared_ptr<platform::Object2D>& object, int32_t x, int32_t y) override;
    void DrawCautionIcon(int32_t x, int32_t y) override;
    void DrawNoteIcon(int32_t x, int32_t y) override;
    void DrawStopIcon(int32_t x, int32_t y) override;
    int32_t Handle() const override;

private:
    VR2Graphics() = default;
    static platform::Graphics::Ref MeasuringPort();
    void Target(const platform::Graphics::Ref& port);
    int32_t X(int32_t x) const;
    int32_t Y(int32_t y) const;
    std::vector<int32_t> Arrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction) const;

    platform::Graphics::Ref mContext;
    std::vector<int32_t> mPenWidth;
    std::vector<int32_t> mPenHeight;
};

#pragma once

#include "platform/Color.h"
#include "platform/Graphics.h"
#include "platform/Object.h"
#include "platform/Object2D.h"
#include "platform/Picture.h"
#include "toolkit/geometry/VR2Point.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2Graphics;

// The operations of the toolkit's drawing context. VR2Graphics is the one
// implementation, and callers hold VR2Graphics itself.
class VR2GraphicsInterface : public virtual platform::Object {
public:
    virtual void ClearRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void DrawCautionIcon(int32_t x, int32_t y) = 0;
    virtual void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void DrawObject(const std::shared_ptr<platform::Object2D>& object, int32_t x, int32_t y) = 0;
    virtual void DrawOval(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void DrawPicture(const platform::Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth,
                             int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                             int32_t sourceHeight) = 0;
    virtual void DrawPolygon(const std::vector<int32_t>& points) = 0;
    virtual void DrawNoteIcon(int32_t x, int32_t y) = 0;
    virtual void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void DrawRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                               int32_t ovalHeight) = 0;
    virtual void DrawStopIcon(int32_t x, int32_t y) = 0;
    virtual void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense) = 0;
    virtual void FillOval(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void SetForeColor(platform::Color color) = 0;
    virtual void FillRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void SetTextFont(const std::string& name) = 0;
    virtual void SetTextSize(int32_t size) = 0;
    virtual int32_t StringWidth(const std::string& text) = 0;
    virtual int32_t TextHeight() = 0;
    virtual int32_t TextAscent() = 0;
    virtual void SetBold(bool value) = 0;
    virtual void SetUnderline(bool value) = 0;
    virtual void SetItalic(bool value) = 0;
    virtual std::shared_ptr<VR2Graphics> Copy() const = 0;
    virtual void Offset(const VR2Point::Ref& delta) = 0;
    virtual int32_t StringHeight(const std::string& text, int32_t wrapWidth) = 0;
    virtual void FillRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                               int32_t ovalHeight) = 0;
    virtual void FillPolygon(const std::vector<int32_t>& points) = 0;
    virtual void DrawArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction) = 0;
    virtual void FillArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction) = 0;
    virtual void PutBackground(const platform::Picture::Ref& target, int32_t x, int32_t y) = 0;
    virtual void DrawArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle,
                         double arcAngle) = 0;
    virtual void FillArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle,
                         double arcAngle) = 0;
    virtual void FillGradientRect(int32_t x, int32_t y, int32_t width, int32_t height, platform::Color startColor,
                                  platform::Color endColor, bool columns) = 0;
    virtual int32_t Handle() const = 0;
    virtual void PushPenSize(int32_t width, int32_t height) = 0;
    virtual void PopPenSize() = 0;
    virtual void Reset(const platform::Graphics::Ref& port, int32_t x, int32_t y,
                       const platform::Picture::Ref& background) = 0;
    virtual void Offset(int32_t dx, int32_t dy) = 0;
};

namespace codes {

// Arrow directions of DrawArrow and FillArrow.
constexpr int32_t kArrowDown = 0;
constexpr int32_t kArrowUp = 1;
constexpr int32_t kArrowLeft = 2;
constexpr int32_t kArrowRight = 3;

}  // namespace codes

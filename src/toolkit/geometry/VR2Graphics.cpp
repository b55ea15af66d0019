#include "toolkit/geometry/VR2Graphics.h"

#include "platform/ArcShape.h"
#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Gradient.h"

#include <algorithm>
#include <array>

using platform::WrapAdd;

VR2Graphics::Ref VR2Graphics::Create(const platform::Graphics::Ref& port)
{
    platform::Require(port);
    Ref context(new VR2Graphics());
    context->Target(port);
    return context;
}

VR2Graphics::Ref VR2Graphics::Create() { return Create(MeasuringPort()); }

platform::Graphics::Ref VR2Graphics::MeasuringPort()
{
    // Every measuring context shares the one port: none inherits the font of the one before.
    auto port = getSharedMeasuringPic()->Graphics();
    port->ResetState();
    return port;
}

platform::Picture::Ref VR2Graphics::getSharedMeasuringPic()
{
    // Never destroyed: it must outlive every context, including those in static storage.
    static auto* const measuring = new platform::Picture::Ref(platform::Picture::NewPicture(1, 1, 32));
    return *measuring;
}

void VR2Graphics::Target(const platform::Graphics::Ref& port)
{
    mContext = port;
    Width = port->Width();
    Height = port->Height();
    mPenWidth = {port->PenWidth()};
    mPenHeight = {port->PenHeight()};
}

int32_t VR2Graphics::X(int32_t x) const { return WrapAdd(x, xoffset); }
int32_t VR2Graphics::Y(int32_t y) const { return WrapAdd(y, yoffset); }

VR2Graphics::Ref VR2Graphics::Copy() const
{
    auto copy = Create(mContext);
    copy->xoffset = xoffset;
    copy->yoffset = yoffset;
    copy->Background = Background;
    return copy;
}

void VR2Graphics::Offset(int32_t dx, int32_t dy)
{
    xoffset = WrapAdd(xoffset, dx);
    yoffset = WrapAdd(yoffset, dy);
}

void VR2Graphics::Offset(const VR2Point::Ref& delta)
{
    const auto& move = platform::Require(delta);
    Offset(move.x, move.y);
}

void VR2Graphics::Reset(const platform::Graphics::Ref& port, int32_t x, int32_t y,
                        const platform::Picture::Ref& background)
{
    Target(port ? port : MeasuringPort());
    xoffset = x;
    yoffset = y;
    Background = background;
}

void VR2Graphics::PushPenSize(int32_t width, int32_t height)
{
    mPenWidth.push_back(mContext->PenWidth());
    mPenHeight.push_back(mContext->PenHeight());
    mContext->SetPenWidth(width);
    mContext->SetPenHeight(height);
}

void VR2Graphics::PopPenSize()
{
    if (mPenWidth.empty() || mPenHeight.empty())
        throw platform::OutOfBoundsException("PopPenSize without a matching PushPenSize");
    mContext->SetPenWidth(mPenWidth.back());
    mPenWidth.pop_back();
    mContext->SetPenHeight(mPenHeight.back());
    mPenHeight.pop_back();
}

void VR2Graphics::SetForeColor(platform::Color color) { mContext->SetForeColor(color); }
void VR2Graphics::SetTextFont(const std::string& name) { mContext->SetTextFont(name); }
void VR2Graphics::SetTextSize(int32_t size) { mContext->SetTextSize(size); }
void VR2Graphics::SetBold(bool value) { mContext->SetBold(value); }
void VR2Graphics::SetUnderline(bool value) { mContext->SetUnderline(value); }
void VR2Graphics::SetItalic(bool value) { mContext->SetItalic(value); }
int32_t VR2Graphics::StringWidth(const std::string& text) { return mContext->StringWidth(text); }
int32_t VR2Graphics::StringHeight(const std::string& text, int32_t wrapWidth)
{
    return mContext->StringHeight(text, wrapWidth);
}
int32_t VR2Graphics::TextHeight() { return mContext->TextHeight(); }
int32_t VR2Graphics::TextAscent() { return mContext->TextAscent(); }

void VR2Graphics::ClearRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    mContext->ClearRect(X(x), Y(y), width, height);
}

void VR2Graphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    mContext->SetUseOldRenderer(true);
    mContext->DrawRect(X(x), Y(y), width, height);
    mContext->SetUseOldRenderer(false);
}

void VR2Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    mContext->SetUseOldRenderer(true);
    mContext->FillRect(X(x), Y(y), width, height);
    mContext->SetUseOldRenderer(false);
}

void VR2Graphics::DrawRect(const VR2Rect::Ref& rect)
{
    // The renderer switch goes on before the rectangle is read, and stays on when it is nil.
    mContext->SetUseOldRenderer(true);
    const auto& box = platform::Require(rect);
    DrawRect(box.left, box.top, box.width, box.height);
}

void VR2Graphics::FillRect(const VR2Rect::Ref& rect)
{
    mContext->SetUseOldRenderer(true);
    const auto& box = platform::Require(rect);
    FillRect(box.left, box.top, box.width, box.height);
}

void VR2Graphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    mContext->DrawLine(X(x1), Y(y1), X(x2), Y(y2));
}

void VR2Graphics::DrawOval(int32_t x, int32_t y, int32_t width, int32_t height)
{
    mContext->DrawOval(X(x), Y(y), width, height);
}

void VR2Graphics::FillOval(int32_t x, int32_t y, int32_t width, int32_t height)
{
    mContext->FillOval(X(x), Y(y), width, height);
}

void VR2Graphics::DrawRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                                int32_t ovalHeight)
{
    mContext->DrawRoundRect(X(x), Y(y), width, height, ovalWidth, ovalHeight);
}

void VR2Graphics::FillRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                                int32_t ovalHeight)
{
    mContext->FillRoundRect(X(x), Y(y), width, height, ovalWidth, ovalHeight);
}

namespace {

// A new array in the polygon form, moved by the offsets; the caller's is not changed.
std::vector<int32_t> Moved(const std::vector<int32_t>& points, int32_t dx, int32_t dy)
{
    std::vector<int32_t> moved;
    moved.reserve(std::max<size_t>(points.size(), 1));
    moved.push_back(0);
    for (size_t i = 1; i < points.size(); ++i)
        moved.push_back(WrapAdd(points[i], i % 2 == 1 ? dx : dy));
    return moved;
}

}  // namespace

void VR2Graphics::DrawPolygon(const std::vector<int32_t>& points)
{
    mContext->DrawPolygon(Moved(points, xoffset, yoffset));
}

void VR2Graphics::FillPolygon(const std::vector<int32_t>& points)
{
    mContext->FillPolygon(Moved(points, xoffset, yoffset));
}

std::vector<int32_t> VR2Graphics::Arrow(int32_t x, int32_t y, int32_t width, int32_t height,
                                        int32_t direction) const
{
    const int32_t left = X(x), top = Y(y);
    const int32_t right = WrapAdd(left, width), bottom = WrapAdd(top, height);
    const int32_t halfWidth = width / 2, halfHeight = height / 2;
    switch (direction) {
    case codes::kArrowDown:
        return {0, left, top, right, top, WrapAdd(left, halfWidth), bottom};
    case codes::kArrowUp:
        return {0, left, bottom, right, bottom, WrapAdd(left, halfWidth), top};
    case codes::kArrowLeft:
        return {0, right, top, right, bottom, left, WrapAdd(top, halfHeight)};
    case codes::kArrowRight:
        return {0, left, top, left, bottom, right, WrapAdd(top, halfHeight)};
    default:
        return {};
    }
}

void VR2Graphics::DrawArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction)
{
    mContext->DrawPolygon(Arrow(x, y, width, height, direction));
}

void VR2Graphics::FillArrow(int32_t x, int32_t y, int32_t width, int32_t height, int32_t direction)
{
    mContext->FillPolygon(Arrow(x, y, width, height, direction));
}

namespace {

platform::ArcShape::Ref MakeArc(int32_t width, int32_t height, double startAngle, double arcAngle)
{
    auto arc = platform::ArcShape::Create();
    arc->Width = width;
    arc->Height = height;
    arc->StartAngle = startAngle;
    arc->ArcAngle = arcAngle;
    return arc;
}

}  // namespace

void VR2Graphics::DrawArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle, double arcAngle)
{
    auto arc = MakeArc(width, height, startAngle, arcAngle);
    arc->Fill = 0;
    arc->BorderColor = mContext->ForeColor();
    arc->Border = 100;
    // Placed at the box's corner, unlike FillArc.
    mContext->DrawObject(arc, X(x), Y(y));
}

void VR2Graphics::FillArc(int32_t x, int32_t y, int32_t width, int32_t height, double startAngle, double arcAngle)
{
    auto arc = MakeArc(width, height, startAngle, arcAngle);
    arc->Fill = 100;
    arc->FillColor = mContext->ForeColor();
    arc->BorderColor = mContext->ForeColor();
    arc->Border = 100;
    const int32_t centreX = platform::DoubleToInt32(x + 0.5 * width + xoffset);
    const int32_t centreY = platform::DoubleToInt32(y + 0.5 * height + yoffset);
    mContext->DrawObject(arc, centreX, centreY);
}

namespace {

// A run of gradient steps, [first, end).
struct StepRun {
    int64_t first = 0;
    int64_t end = 0;
};

// The steps i of [0, n) whose line, at the wrapped position start + i and pen
// pixels thick, reaches [0, extent): one run for the positions up to
// INT32_MAX, one for those that wrapped past it.
std::array<StepRun, 2> StepsInPort(int32_t start, int32_t n, int64_t pen, int64_t extent)
{
    if (pen <= 0)
        return {};
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    constexpr int64_t kWrap = int64_t{1} << 32;
    const int64_t from = start, to = from + n;
    // Unwrapped positions [low, high) land at position - shift.
    auto run = [&](int64_t low, int64_t high, int64_t shift) {
        const int64_t first = std::max(low, shift - pen + 1), end = std::min(high, shift + extent);
        return first < end ? StepRun{first - from, end - from} : StepRun{};
    };
    return {run(from, std::min(to, kLimit), 0), run(std::max(from, kLimit), to, kWrap)};
}

}  // namespace

void VR2Graphics::FillGradientRect(int32_t x, int32_t y, int32_t width, int32_t height, platform::Color startColor,
                                   platform::Color endColor, bool columns)
{
    mContext->SetUseOldRenderer(true);
    auto gradient = VR2Gradient::Create();
    gradient->StartColor = startColor;
    gradient->EndColor = endColor;
    const int32_t count = columns ? width : height;
    const int32_t left = X(x), top = Y(y);
    const int32_t lastX = platform::WrapSub(WrapAdd(left, width), 1);
    const int32_t lastY = platform::WrapSub(WrapAdd(top, height), 1);
    const int32_t start = columns ? left : top;
    const int64_t pen = columns ? mContext->PenWidth() : mContext->PenHeight();
    const int64_t extent = columns ? mContext->Width() : mContext->Height();
    if (count > 0) {
        for (const auto& run : StepsInPort(start, count, pen, extent)) {
            for (int64_t i = run.first; i < run.end; ++i) {
                const auto step = static_cast<int32_t>(i);
                const int32_t at = WrapAdd(start, step);
                mContext->SetForeColor(gradient->Step(step, count));
                if (columns)
                    mContext->DrawLine(at, top, at, lastY);
                else
                    mContext->DrawLine(left, at, lastX, at);
            }
        }
        // Left in the last colour, as if every line had been drawn.
        mContext->SetForeColor(gradient->Step(count - 1, count));
    }
    mContext->SetUseOldRenderer(false);
}

void VR2Graphics::DrawPicture(const platform::Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth,
                              int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                              int32_t sourceHeight)
{
    constexpr int32_t own = platform::Graphics::kOwnSize;
    if (destWidth == own)
        mContext->DrawPicture(picture, X(x), Y(y), own, own, 0, 0, own, own);
    else
        mContext->DrawPicture(picture, X(x), Y(y), destWidth, destHeight, sourceX, sourceY, sourceWidth,
                              sourceHeight);
}

void VR2Graphics::PutBackground(const platform::Picture::Ref& target, int32_t x, int32_t y)
{
    if (!Background)
        return;
    auto port = platform::Require(target).Graphics();
    port->SetUseOldRenderer(true);
    const int32_t width = target->Width(), height = target->Height();
    port->DrawPicture(Background, 0, 0, width, height, X(x), Y(y), width, height);
    port->SetUseOldRenderer(false);
}

void VR2Graphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense)
{
    if (wrapWidth == kOneLine)
        mContext->DrawString(text, X(x), Y(y), 0, false);
    else
        mContext->DrawString(text, X(x), Y(y), wrapWidth, condense);
}

void VR2Graphics::DrawObject(const std::shared_ptr<platform::Object2D>& object, int32_t x, int32_t y)
{
    mContext->DrawObject(object, X(x), Y(y));
}

void VR2Graphics::DrawCautionIcon(int32_t x, int32_t y) { mContext->DrawCautionIcon(X(x), Y(y)); }
void VR2Graphics::DrawNoteIcon(int32_t x, int32_t y) { mContext->DrawNoteIcon(X(x), Y(y)); }
void VR2Graphics::DrawStopIcon(int32_t x, int32_t y) { mContext->DrawStopIcon(X(x), Y(y)); }
int32_t VR2Graphics::Handle() const { return mContext->Handle(2); }

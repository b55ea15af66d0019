#include "platform/Graphics.h"

#include "platform/ArcShape.h"
#include "platform/Exceptions.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace platform {

namespace {

QColor ToQColor(Color color) { return QColor(color.Red(), color.Green(), color.Blue()); }

// Coordinates as far out as this are clipped before they reach Qt, whose
// rectangles overflow near the Int32 limits.
constexpr int64_t kFar = 1 << 24;

bool Reasonable(int64_t value) { return value > -kFar && value < kFar; }

// Points of the platform's polygon form: pairs from index 1 on.
QPolygon PolygonOf(const std::vector<int32_t>& points)
{
    QPolygon polygon;
    for (size_t i = 1; i + 1 < points.size(); i += 2)
        polygon << QPoint(points[i], points[i + 1]);
    return polygon;
}

bool PolygonIsReasonable(const QPolygon& polygon)
{
    return std::all_of(polygon.begin(), polygon.end(),
                       [](const QPoint& point) { return Reasonable(point.x()) && Reasonable(point.y()); });
}

}  // namespace

int32_t Graphics::Width() const { return mPicture.Width(); }
int32_t Graphics::Height() const { return mPicture.Height(); }

Picture::Ref Graphics::Target() const { return std::static_pointer_cast<Picture>(mPicture.shared_from_this()); }

QPainter* Graphics::Painter() { return &mPicture.BeginPainting(); }

void Graphics::FillBox(int64_t x, int64_t y, int64_t width, int64_t height, Color color)
{
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(x + width, mPicture.Width());
    const int64_t bottom = std::min<int64_t>(y + height, mPicture.Height());
    if (right <= left || bottom <= top)
        return;
    QPainter* painter = Painter();
    painter->fillRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                            static_cast<int>(bottom - top)),
                      ToQColor(color));
    // A picture filled whole with one colour can serve as a plain opacity when it is a mask.
    if (left == 0 && top == 0 && right == mPicture.Width() && bottom == mPicture.Height())
        mPicture.SetUniformLevel(Picture::GreyLevel(color));
}

void Graphics::ClearRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    FillBox(x, y, width, height, RGB(255, 255, 255));
}

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    FillBox(x, y, width, height, mForeColor);
}

void Graphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const int64_t pw = mPenWidth, ph = mPenHeight;
    if (width <= 0 || height <= 0 || pw <= 0 || ph <= 0)
        return;
    if (2 * pw >= width || 2 * ph >= height) {
        FillBox(x, y, width, height, mForeColor);
        return;
    }
    const int64_t left = x, top = y, right = left + width, bottom = top + height;
    FillBox(left, top, width, ph, mForeColor);
    FillBox(left, bottom - ph, width, ph, mForeColor);
    FillBox(left, top + ph, pw, height - 2 * ph, mForeColor);
    FillBox(right - pw, top + ph, pw, height - 2 * ph, mForeColor);
}

void Graphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const int64_t pw = mPenWidth, ph = mPenHeight;
    if (pw <= 0 || ph <= 0)
        return;
    if (x1 == x2 || y1 == y2) {
        FillBox(std::min(x1, x2), std::min(y1, y2), std::abs(int64_t{x2} - x1) + pw, std::abs(int64_t{y2} - y1) + ph,
                mForeColor);
        return;
    }
    if (!Reasonable(x1) || !Reasonable(y1) || !Reasonable(x2) || !Reasonable(y2))
        return;
    // Bresenham over the pen's top-left corner; each run of one row (or
    // column) becomes one pen-high (or pen-wide) box.
    const int64_t dx = std::abs(int64_t{x2} - x1), dy = std::abs(int64_t{y2} - y1);
    const int64_t sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int64_t x = x1, y = y1, error = dx - dy;
    int64_t runStartX = x, runStartY = y;
    const bool rows = dx >= dy;
    auto flush = [&](int64_t endX, int64_t endY) {
        if (rows)
            FillBox(std::min(runStartX, endX), endY, std::abs(endX - runStartX) + pw, ph, mForeColor);
        else
            FillBox(endX, std::min(runStartY, endY), pw, std::abs(endY - runStartY) + ph, mForeColor);
    };
    while (true) {
        if (x == x2 && y == y2) {
            flush(x, y);
            return;
        }
        const int64_t doubled = 2 * error;
        int64_t nextX = x, nextY = y;
        if (doubled > -dy) {
            error -= dy;
            nextX += sx;
        }
        if (doubled < dx) {
            error += dx;
            nextY += sy;
        }
        if ((rows && nextY != y) || (!rows && nextX != x)) {
            flush(x, y);
            runStartX = nextX;
            runStartY = nextY;
        }
        x = nextX;
        y = nextY;
    }
}

QPainter* Graphics::CurvePainter(int32_t x, int32_t y, int32_t width, int32_t height, bool outline)
{
    if (width <= 0 || height <= 0 || (outline && mPenWidth <= 0) || !Reasonable(x) || !Reasonable(y) ||
        !Reasonable(width) || !Reasonable(height))
        return nullptr;
    QPainter* painter = Painter();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (outline) {
        painter->setPen(QPen(ToQColor(mForeColor), mPenWidth));
        painter->setBrush(Qt::NoBrush);
    } else {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ToQColor(mForeColor));
    }
    return painter;
}

void Graphics::DrawRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                             int32_t ovalHeight)
{
    // The pen's centre line runs half a pen inside the box.
    if (QPainter* painter = CurvePainter(x, y, width, height, true)) {
        const double pen = mPenWidth;
        painter->drawRoundedRect(QRectF(x + pen / 2, y + pen / 2, width - pen, height - pen),
                                 std::max(0.0, (ovalWidth - pen) / 2), std::max(0.0, (ovalHeight - pen) / 2));
    }
}

void Graphics::FillRoundRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t ovalWidth,
                             int32_t ovalHeight)
{
    if (QPainter* painter = CurvePainter(x, y, width, height, false))
        painter->drawRoundedRect(QRectF(x, y, width, height), std::max(0, ovalWidth) / 2.0,
                                 std::max(0, ovalHeight) / 2.0);
}

void Graphics::DrawOval(int32_t x, int32_t y, int32_t width, int32_t height)
{
    if (QPainter* painter = CurvePainter(x, y, width, height, true)) {
        const double pen = mPenWidth;
        painter->drawEllipse(QRectF(x + pen / 2, y + pen / 2, width - pen, height - pen));
    }
}

void Graphics::FillOval(int32_t x, int32_t y, int32_t width, int32_t height)
{
    if (QPainter* painter = CurvePainter(x, y, width, height, false))
        painter->drawEllipse(QRectF(x, y, width, height));
}

void Graphics::DrawPolygon(const std::vector<int32_t>& points)
{
    const QPolygon polygon = PolygonOf(points);
    for (int i = 0; i < polygon.size(); ++i) {
        const QPoint& from = polygon[i];
        const QPoint& to = polygon[(i + 1) % polygon.size()];
        DrawLine(from.x(), from.y(), to.x(), to.y());
    }
}

void Graphics::FillPolygon(const std::vector<int32_t>& points)
{
    const QPolygon polygon = PolygonOf(points);
    if (polygon.size() < 3 || !PolygonIsReasonable(polygon))
        return;
    QPainter* painter = Painter();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(ToQColor(mForeColor));
    painter->drawPolygon(polygon);
}

void Graphics::DrawPicture(const Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth,
                           int32_t destHeight, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                           int32_t sourceHeight)
{
    Blit(picture, x, y, destWidth, destHeight, sourceX, sourceY, sourceWidth, sourceHeight, 1.0);
}

void Graphics::DrawPicture(const Picture::Ref& picture, int32_t x, int32_t y, double opacity)
{
    Blit(picture, x, y, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize, opacity);
}

void Graphics::Blit(const Picture::Ref& picture, int32_t x, int32_t y, int32_t destWidth, int32_t destHeight,
                    int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, double opacity)
{
    if (!picture)
        throw NilObjectException("DrawPicture: no picture");
    auto own = [](int32_t size, int32_t ownSize) { return size == kOwnSize ? ownSize : size; };
    destWidth = own(destWidth, picture->Width());
    destHeight = own(destHeight, picture->Height());
    sourceWidth = own(sourceWidth, picture->Width());
    sourceHeight = own(sourceHeight, picture->Height());
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || !(opacity > 0))
        return;
    if (!Reasonable(x) || !Reasonable(y) || !Reasonable(destWidth) || !Reasonable(destHeight) ||
        !Reasonable(sourceX) || !Reasonable(sourceY) || !Reasonable(sourceWidth) || !Reasonable(sourceHeight))
        return;
    if (int64_t{x} + destWidth <= 0 || int64_t{y} + destHeight <= 0 || x >= Width() || y >= Height())
        return;

    // A uniform mask is a plain opacity; only a mask with varying levels
    // needs the image rebuilt with an alpha channel.
    const QImage* source = &picture->ImageForReading();
    if (picture->HasMask()) {
        const int32_t level = picture->Mask()->UniformLevel();
        if (level == 255)
            return;
        if (level > 0)
            opacity *= (255 - level) / 255.0;
        else if (level < 0)
            source = &picture->MaskedImage();
    }
    QImage ownCopy;
    if (picture.get() == &mPicture) {
        ownCopy = source->copy();
        source = &ownCopy;
    }
    QPainter* painter = Painter();
    const QRect target(x, y, destWidth, destHeight);
    const QRect from(sourceX, sourceY, sourceWidth, sourceHeight);
    if (opacity < 1.0) {
        painter->setOpacity(opacity);
        painter->drawImage(target, *source, from);
        painter->setOpacity(1.0);
    } else {
        painter->drawImage(target, *source, from);
    }
}

void Graphics::DrawObject(const std::shared_ptr<Object2D>& object, int32_t x, int32_t y)
{
    if (!object)
        throw NilObjectException("DrawObject: no object");
    const auto arc = std::dynamic_pointer_cast<ArcShape>(object);
    if (!arc || !Reasonable(x) || !Reasonable(y) || !(std::abs(arc->Width) < kFar) || !(std::abs(arc->Height) < kFar))
        return;
    const QRectF box(x - arc->Width / 2, y - arc->Height / 2, arc->Width, arc->Height);
    // Qt counts degrees counter-clockwise; ours run clockwise on the screen.
    const double start = -arc->StartAngle * 180 / std::numbers::pi;
    const double sweep = -arc->ArcAngle * 180 / std::numbers::pi;
    QPainter* painter = Painter();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (arc->Fill > 0) {
        QPainterPath slice;
        slice.moveTo(box.center());
        slice.arcTo(box, start, sweep);
        slice.closeSubpath();
        QColor fill = ToQColor(arc->FillColor);
        fill.setAlphaF(static_cast<float>(std::min(arc->Fill, 100.0) / 100));
        painter->fillPath(slice, fill);
    }
    if (arc->Border > 0 && arc->BorderWidth > 0) {
        // The border runs inside the shape's box, as an oval's does.
        const double inset = arc->BorderWidth / 2;
        const QRectF path = box.adjusted(inset, inset, -inset, -inset);
        QPainterPath edge;
        edge.arcMoveTo(path, start);
        edge.arcTo(path, start, sweep);
        QColor border = ToQColor(arc->BorderColor);
        border.setAlphaF(static_cast<float>(std::min(arc->Border, 100.0) / 100));
        painter->strokePath(edge, QPen(border, arc->BorderWidth));
    }
}

int32_t Graphics::Handle(int32_t /*kind*/) const { return 0; }

}  // namespace platform

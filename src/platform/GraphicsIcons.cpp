#include "platform/Graphics.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace platform {

namespace {

constexpr int kIconSize = 32;

void DrawMark(QPainter& painter, const QRectF& box, const QString& mark, const QColor& colour)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, mark);
}

void Caution(QPainter& painter)
{
    const QPolygonF triangle({QPointF(16, 1.5), QPointF(30.5, 29.5), QPointF(1.5, 29.5)});
    painter.setPen(QPen(QColor(0x60, 0x48, 0x00), 1.5));
    painter.setBrush(QColor(0xF5, 0xC8, 0x18));
    painter.drawPolygon(triangle);
    DrawMark(painter, QRectF(0, 8, kIconSize, 22), "!", Qt::black);
}

void Note(QPainter& painter)
{
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(1.5, 1.5, 29, 23), 6, 6);
    balloon.moveTo(8, 24.5);
    balloon.lineTo(6, 30.5);
    balloon.lineTo(15, 24.5);
    painter.setPen(QPen(QColor(0x30, 0x50, 0x90), 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(balloon.simplified());
    DrawMark(painter, QRectF(0, 1, kIconSize, 23), "i", QColor(0x30, 0x50, 0x90));
}

void Stop(QPainter& painter)
{
    const QPolygonF octagon({QPointF(10, 1.5), QPointF(22, 1.5), QPointF(30.5, 10), QPointF(30.5, 22),
                             QPointF(22, 30.5), QPointF(10, 30.5), QPointF(1.5, 22), QPointF(1.5, 10)});
    painter.setPen(QPen(QColor(0x70, 0x00, 0x00), 1.5));
    painter.setBrush(QColor(0xD8, 0x20, 0x20));
    painter.drawPolygon(octagon);
    DrawMark(painter, QRectF(0, 0, kIconSize, kIconSize), "!", Qt::white);
}

}  // namespace

void Graphics::DrawIcon(int32_t x, int32_t y, void (*draw)(QPainter& painter))
{
    if (x <= -kIconSize || y <= -kIconSize || x >= Width() || y >= Height())
        return;
    QPainter* painter = Painter();
    // save/restore also gives the text font back to the port.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(x, y);
    draw(*painter);
    painter->restore();
}

void Graphics::DrawCautionIcon(int32_t x, int32_t y) { DrawIcon(x, y, Caution); }
void Graphics::DrawNoteIcon(int32_t x, int32_t y) { DrawIcon(x, y, Note); }
void Graphics::DrawStopIcon(int32_t x, int32_t y) { DrawIcon(x, y, Stop); }

}  // namespace platform

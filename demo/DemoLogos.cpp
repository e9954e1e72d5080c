#include "demo/DemoLogos.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int kSize = 64;

std::string Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

QImage Canvas()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

std::string DemoTeamLogoPng(std::string_view teamId)
{
    const std::size_t h = std::hash<std::string_view>{}(teamId);
    const QColor main = QColor::fromHsv(int(h % 360), 170 + int((h >> 9) % 80), 150 + int((h >> 17) % 90));
    const QColor second = QColor::fromHsv(int((h % 360 + 150 + (h >> 5) % 60) % 360), 60, 245);
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(8, 6);
    shield.lineTo(56, 6);
    shield.lineTo(56, 32);
    shield.quadTo(56, 50, 32, 60);
    shield.quadTo(8, 50, 8, 32);
    shield.closeSubpath();
    p.fillPath(shield, main);
    p.setClipPath(shield);
    const int stripes = 1 + int((h >> 23) % 3);
    for (int i = 0; i < stripes; ++i)
        p.fillRect(QRectF(14 + i * 36.0 / stripes, 0, 18.0 / stripes, kSize), second);
    p.setClipping(false);
    p.setPen(QPen(main.darker(160), 3));
    p.drawPath(shield);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xE8, 0x7A, 0x1E));
    p.drawEllipse(QPointF(32, 30), 11, 11);
    p.drawLine(QPointF(21, 30), QPointF(43, 30));
    p.drawLine(QPointF(32, 19), QPointF(32, 41));
    p.end();
    return Png(image);
}

std::string DemoFallbackLogoPng()
{
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x18, 0x08), 2.5));
    p.setBrush(QColor(0xEE, 0x7F, 0x22));
    p.drawEllipse(QPointF(32, 32), 28, 28);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 32), QPointF(60, 32));
    p.drawLine(QPointF(32, 4), QPointF(32, 60));
    p.drawArc(QRectF(-16, 8, 40, 48), -60 * 16, 120 * 16);
    p.drawArc(QRectF(40, 8, 40, 48), 120 * 16, 120 * 16);
    p.end();
    return Png(image);
}

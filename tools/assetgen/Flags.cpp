#include "AssetGen.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <set>

namespace {

constexpr int kSize = 16;
constexpr int kBig = 64;

// Images drawn as plain framed squares rather than glossy rounded ones.
const std::set<int> kPlain = {90, 92, 93, 94, 95, 96, 97, 98, 99, 101, 107, 108, 109};
// Second copies of earlier images.
const std::pair<int, int> kCopies[] = {{102, 49}, {103, 11}};

QImage Glossy(const QImage& flag)
{
    QImage big(kBig, kBig, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF box(2, 2, 60, 60);
        QPainterPath shape;
        shape.addRoundedRect(box, 13, 13);
        p.setClipPath(shape);
        p.drawImage(box, flag);
        // Gloss: a soft light band over the upper half, a little shade below.
        QLinearGradient light(0, 2, 0, 34);
        light.setColorAt(0, QColor(255, 255, 255, 150));
        light.setColorAt(1, QColor(255, 255, 255, 25));
        QPainterPath upper;
        upper.addRoundedRect(QRectF(4, 4, 56, 28), 10, 10);
        p.fillPath(upper, light);
        QLinearGradient shade(0, 40, 0, 62);
        shade.setColorAt(0, QColor(0, 0, 0, 0));
        shade.setColorAt(1, QColor(0, 0, 0, 60));
        p.fillRect(box, shade);
        p.setClipping(false);
        p.setPen(QPen(QColor(0, 0, 0, 150), 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    return Binarize(big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage Plain(const QImage& flag)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(QColor(96, 96, 96));
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(1, 1, kSize - 2, kSize - 2),
                flag.scaled(kSize - 2, kSize - 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return image;
}

} // namespace

QImage FlagStrip(const QString& rendered, QString& error)
{
    constexpr int count = 110;
    QImage strip(4 * kSize, ((count + 3) / 4) * kSize, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    std::vector<QImage> images(count);
    images[0] = Binarize(Basketball(kSize, 1.4));
    for (int i = 1; i < count; ++i) {
        const QString file = QDir(rendered).filePath(QStringLiteral("flag-%1.png").arg(i, 3, 10, QLatin1Char('0')));
        const QImage flag(file);
        if (flag.isNull()) {
            error = QStringLiteral("cannot read %1").arg(file);
            return {};
        }
        images[i] = kPlain.count(i) ? Plain(flag) : Glossy(flag);
    }
    for (const auto& [copy, original] : kCopies)
        images[copy] = images[original];
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < count; ++i)
        p.drawImage((i % 4) * kSize, (i / 4) * kSize, images[i]);
    return strip;
}

#include "toolkit/ImageList.h"

#include <QPainter>

TImageList::TImageList(QObject* parent, int width, int height)
    : QObject(parent), width_(width), height_(height)
{
}

void TImageList::LoadStrip(const QImage& strip, int columns, int count)
{
    images_.clear();
    if (strip.isNull() || columns <= 0)
        return;
    const int rows = strip.height() / height_;
    const int capacity = rows * columns;
    const int n = count < 0 ? capacity : std::min(count, capacity);
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < n; ++i)
        images_.push_back(argb.copy((i % columns) * width_, (i / columns) * height_, width_, height_));
}

void TImageList::Add(const QImage& image)
{
    images_.push_back(image.scaled(width_, height_).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TImageList::Clear()
{
    images_.clear();
}

QImage TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? images_[index] : QImage();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    if (enabled) {
        painter.drawImage(x, y, images_[index]);
        return;
    }
    // Disabled pictures are drawn grey, as the classic image list does.
    QImage grey = images_[index].convertToFormat(QImage::Format_ARGB32);
    for (int yy = 0; yy < grey.height(); ++yy) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(yy));
        for (int xx = 0; xx < grey.width(); ++xx) {
            const int g = qGray(line[xx]);
            line[xx] = qRgba(g, g, g, qAlpha(line[xx]));
        }
    }
    painter.drawImage(x, y, grey);
}

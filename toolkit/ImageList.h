#pragma once
// A list of equally sized pictures drawn by index with their transparency.
#include <QImage>
#include <QObject>
#include <QVector>

class QPainter;

class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(QObject* parent = nullptr, int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }

    // Slices `strip` into width x height cells, `columns` per row, row by row,
    // keeping the first `count` of them (all when count < 0). Alpha is the mask.
    void LoadStrip(const QImage& strip, int columns, int count = -1);
    void Add(const QImage& image);
    void Clear();

    // The picture at `index`, null when out of range.
    QImage Image(int index) const;
    // Draws image `index` at (x, y); out-of-range indices draw nothing.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

private:
    int width_;
    int height_;
    QVector<QImage> images_;
};

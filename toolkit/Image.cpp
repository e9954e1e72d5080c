#include "toolkit/Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    resize(105, 105);
}

void TImage::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

bool TImage::LoadFromFile(const QString& fileName)
{
    QImage img;
    const bool ok = img.load(fileName);
    SetPicture(ok ? img : QImage());
    return ok;
}

void TImage::SetStretch(bool v)
{
    stretch_ = v;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    if (stretch_)
        p.drawImage(rect(), picture_);
    else
        p.drawImage(0, 0, picture_);
}

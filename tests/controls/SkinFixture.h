#pragma once
// Skins for control tests: a tiny synthetic one whose picture pixels tell
// where they came from, and the stored Orange skin.
#include "skin/SkinData.h"

#include <QBuffer>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

// Pixel (x, y) of a coded picture has red 10 + x, green 10 + y, blue 200.
inline QImage CodedPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(10 + x, 10 + y, 200));
    return img;
}

// The picture point a coded pixel came from; (-1, -1) for any other colour.
inline QPoint SourceOf(QRgb c)
{
    return qBlue(c) == 200 ? QPoint(qRed(c) - 10, qGreen(c) - 10) : QPoint(-1, -1);
}

// Picture x (row) or y (column) each pixel of a line of `img` came from; "." for others.
inline std::string Line(const QImage& img, int fixed, bool row)
{
    std::string out;
    const int n = row ? img.width() : img.height();
    for (int i = 0; i < n; ++i) {
        const QPoint s = SourceOf(row ? img.pixel(i, fixed) : img.pixel(fixed, i));
        if (!out.empty())
            out += ' ';
        out += s.x() < 0 ? "." : std::to_string(row ? s.x() : s.y());
    }
    return out;
}

inline QByteArray BmpBytes(const QImage& img)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return buffer.data();
}

// A loaded skin from definition text whose active picture 0 is a coded 40 x 30 picture.
inline std::unique_ptr<TskSkinData> SyntheticSkin(const QByteArray& controls)
{
    TskSkinPackage p;
    p.Version = 3;
    p.Picture = BmpBytes(CodedPicture(20, 10));
    p.ActivePictures = {BmpBytes(CodedPicture(40, 30))};
    p.Text =
        "[VERSION]\r\nskinname=Coded\r\n"
        "[PICTURES]\r\npicture=m.bmp\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
        "[FORMINFO]\r\nclientrect=2,3,18,8\r\n"
        "[SKINCOLORS]\r\ncbtnhighlight=16777215\r\ncbtnshadow=8421504\r\n" +
        controls;
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(DeflateSkinStream(EncodeSkinPackage(p)));
    auto skin = std::make_unique<TskSkinData>();
    skin->LoadCompressedStoredSkin(&stored);
    return skin;
}

inline std::unique_ptr<TskSkinData> OrangeSkin()
{
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(OrangeSkinCompressedData());
    auto skin = std::make_unique<TskSkinData>();
    skin->LoadCompressedStoredSkin(&stored);
    return skin;
}

inline QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

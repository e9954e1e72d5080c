#pragma once
// Drawing and encoding steps of the asset generator.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;
class QPointF;

// Artwork.cpp
void DrawBasketball(QPainter& p, const QPointF& centre, double radius, double seamWidth);
QImage Basketball(int size, double seamWidth);
// The same ball as scalable vector text, for desktops that draw the icon at any size.
QByteArray BasketballSvg(int size, double seamWidth);
QImage TabIconStrip();
QImage HeaderGlyph(int which);   // 0 check, 1 flag, 2 video, 3 arrow
QImage Cursor(const QString& name, QPoint& hotSpot);
QStringList CursorNames();
// Alpha reduced to fully opaque or fully transparent, the only two an icon mask knows.
QImage Binarize(const QImage& image);

// AboutPicture.cpp
QImage AboutPicture();

// Flags.cpp: `rendered` holds flag-NNN.png for NNN = 1..109 (square renders).
QImage FlagStrip(const QString& rendered, QString& error);

// IconFiles.cpp
QByteArray IconFile(const std::vector<QImage>& images);
QByteArray CursorFile(const QImage& image, QPoint hotSpot);

// Sounds.cpp
QByteArray ChimeWave();
QByteArray LoginWave();

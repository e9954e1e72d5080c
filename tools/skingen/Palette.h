#pragma once
// 8-bit pictures for the skin: a median-cut palette and a plain BMP writer
// (Qt writes few-colour pictures with 4 bits, the skin wants 8 everywhere).
#include <QImage>
#include <QString>

// An indexed picture of at most 256 colours; exact when the source has no more.
// `keys` stay exact and no other colour is rounded onto them: a piece drawn
// with a transparent colour keeps it to its background.
QImage QuantizeTo256(const QImage& source, const QVector<QRgb>& keys = {});
// Bottom-up 8-bit BMP whose palette holds the picture's colours only.
bool WriteBmp8(const QImage& indexed, const QString& path);

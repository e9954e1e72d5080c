#include "app/TeamLogo.h"

#include <QBuffer>
#include <QImageReader>

QImage DecodeTeamLogo(std::string_view bytes)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxLogoSide || size.height() > kMaxLogoSide)
        return {};
    QImage picture;
    return reader.read(&picture) ? picture : QImage();
}

#include "toolkit/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromAnsi(std::string_view bytes)
{
    QStringDecoder decoder("windows-1251");
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    if (!decoder.isValid())
        return QString::fromLatin1(view);
    return decoder.decode(view);
}

std::string ToAnsi(const QString& text)
{
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(text);
    return {bytes.constData(), std::size_t(bytes.size())};
}

#include "toolkit/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

// Most service text is plain ASCII, which reads the same in the code page:
// both directions spare the converter for it.

QString FromAnsi(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(view);
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        return QString::fromLatin1(view);
    return decoder.decode(view);
}

std::string ToAnsi(const QString& text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        std::string ascii(std::size_t(text.size()), '\0');
        std::transform(text.begin(), text.end(), ascii.begin(), [](QChar c) { return char(c.unicode()); });
        return ascii;
    }
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(text);
    return {bytes.constData(), std::size_t(bytes.size())};
}

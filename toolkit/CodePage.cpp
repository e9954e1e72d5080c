#include "toolkit/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>

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

namespace {
// Unicode forms of the code page's upper half, sorted (Latin-1 without a converter).
const std::array<char16_t, 128>& AnsiUpperHalf()
{
    static const std::array<char16_t, 128> table = [] {
        std::array<char16_t, 128> t{};
        QByteArray bytes(128, '\0');
        for (int i = 0; i < 128; ++i)
            bytes[i] = char(0x80 + i);
        QStringDecoder decoder("windows-1251");
        const QString chars = decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
        for (int i = 0; i < 128 && i < chars.size(); ++i)
            t[std::size_t(i)] = chars[i].unicode();
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}
}  // namespace

QString AnsiRepresentable(const QString& text)
{
    const std::array<char16_t, 128>& upper = AnsiUpperHalf();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        // Unassigned bytes decode to U+FFFD, which must not pass for a character.
        const char16_t u = c.unicode();
        if (u < 0x80 || (u != 0xFFFD && std::binary_search(upper.begin(), upper.end(), u)))
            out += c;
    }
    return out;
}

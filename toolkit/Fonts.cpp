#include "toolkit/Fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>

QString ResolveFontFamily(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n.isEmpty() || n == u"arial" || n == u"ms sans serif" || n == u"tahoma")
        return QStringLiteral("Liberation Sans");
    return name;
}

namespace {
// Windows cell height = ascent + descent; character height = cell height - internal
// leading. Qt takes a pixel size close to the character height, so a positive
// height is scaled down by the family's leading ratio (found once per family).
int PixelSizeFor(const QString& family, int height)
{
    if (height < 0)
        return -height;
    static QHash<QString, double> ratio;
    auto it = ratio.find(family);
    if (it == ratio.end()) {
        QFont probe(family);
        probe.setPixelSize(100);
        const QFontMetrics fm(probe);
        it = ratio.insert(family, 100.0 / std::max(1, fm.ascent() + fm.descent()));
    }
    // The largest size whose line still fits the cell, as the Windows font mapper picks.
    return std::max(1, int(height * it.value()));
}
}  // namespace

QFont MakeFont(const QString& name, int height, TFontStyles style)
{
    const QString family = ResolveFontFamily(name);
    QFont f(family);
    f.setPixelSize(PixelSizeFor(family, height == 0 ? 14 : height));
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    f.setStrikeOut(style & fsStrikeOut);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont MakeFont(const TFontDesc& desc)
{
    return MakeFont(desc.Name, desc.Height, desc.Style);
}

void InstallDefaultApplicationFont()
{
    QApplication::setFont(MakeFont(QStringLiteral("Arial"), 14));
}

#include "LiveData.h"

#include <array>
#include <vector>

namespace {
constexpr std::array<const char*, 12> kTeams = {
    "Real Madrid", "Olympiacos", "Fenerbahce", "Maccabi Tel Aviv", "Partizan", "Zalgiris Kaunas",
    "Monaco", "Barcelona", "Anadolu Efes", "Virtus Bologna", "Baskonia", "Panathinaikos"};
constexpr std::array<const char*, 5> kQuarters = {"1Q", "2Q", "HT", "3Q", "4Q"};
}  // namespace

QString LiveText(int row, int col)
{
    const int seed = row * 31 + col * 7;
    switch (col) {
    case 2: return QStringLiteral("%1:%2").arg(18 + row % 5).arg((row * 15) % 60, 2, 10, QLatin1Char('0'));
    case 3: return QString::fromLatin1(kQuarters[std::size_t(row % 5)]);
    case 4: return QString::number(row % 10) + QStringLiteral("'");
    case 5: return QString::fromLatin1(kTeams[std::size_t(row % 12)]);
    case 6: return QString::fromLatin1(kTeams[std::size_t((row + 5) % 12)]);
    case 7:
    case 8: return QString::number(1.2 + (seed % 90) / 100.0, 'f', 2);
    case 9: return QStringLiteral("%1:%2").arg(40 + seed % 50).arg(38 + (seed / 3) % 50);
    case 10:
    case 11:
    case 12:
    case 13: return QStringLiteral("%1-%2").arg(15 + seed % 15).arg(14 + (seed / 5) % 16);
    case 15: return QString::number(150 + seed % 40) + QStringLiteral(".5");
    case 16: return QString::number(seed % 100) + QLatin1Char('%');
    default: return QString::number(seed % 1000);
    }
}

int LiveFlag(int row)
{
    return 1 + row % 102;
}

const QString& CachedLiveText(int row, int col)
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t(std::size_t(LiveCycle) * LiveColumns);
        for (int r = 0; r < LiveCycle; ++r)
            for (int c = LiveFirstTextColumn; c < LiveColumns; ++c)
                t[std::size_t(r) * LiveColumns + std::size_t(c)] = LiveText(r, c);
        return t;
    }();
    return texts[std::size_t(row % LiveCycle) * LiveColumns + std::size_t(col)];
}

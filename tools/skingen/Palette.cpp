#include "tools/skingen/Palette.h"

#include <QFile>
#include <QDataStream>
#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

struct Entry {
    QRgb color;
    int count;
};

int Channel(QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); }

struct Box {
    std::vector<Entry> entries;
    int Range(int ch) const
    {
        int lo = 255, hi = 0;
        for (const Entry& e : entries) {
            lo = std::min(lo, Channel(e.color, ch));
            hi = std::max(hi, Channel(e.color, ch));
        }
        return hi - lo;
    }
    QRgb Average() const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : entries) {
            r += qRed(e.color) * e.count;
            g += qGreen(e.color) * e.count;
            b += qBlue(e.color) * e.count;
            n += e.count;
        }
        return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
    }
};

std::vector<QRgb> MedianCut(std::vector<Entry> entries, size_t colours)
{
    if (entries.empty())
        return {};
    std::vector<Box> boxes{Box{std::move(entries)}};
    while (boxes.size() < colours) {
        // Split the box with the widest channel spread, at its weighted median.
        int best = -1, bestRange = 0, bestCh = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            for (int ch = 0; ch < 3; ++ch)
                if (int r = boxes[i].Range(ch); r > bestRange)
                    best = int(i), bestRange = r, bestCh = ch;
        }
        if (best < 0)
            break;
        auto& list = boxes[size_t(best)].entries;
        std::sort(list.begin(), list.end(), [ch = bestCh](const Entry& a, const Entry& b) {
            return Channel(a.color, ch) < Channel(b.color, ch);
        });
        long total = 0, half = 0;
        for (const Entry& e : list)
            total += e.count;
        size_t cut = 0;
        while (cut < list.size() - 1 && (half += list[cut].count) < total / 2)
            ++cut;
        cut = std::clamp<size_t>(cut + 1, 1, list.size() - 1);
        Box upper{std::vector<Entry>(list.begin() + long(cut), list.end())};
        list.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes)
        palette.push_back(b.Average());
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, size_t from, QRgb c)
{
    int best = int(from), bestDist = INT_MAX;
    for (size_t i = from; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDist)
            best = int(i), bestDist = d;
    }
    return best;
}

}  // namespace

QImage QuantizeTo256(const QImage& source, const QVector<QRgb>& keys)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    std::unordered_map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    std::vector<QRgb> palette;
    for (QRgb key : keys)
        palette.push_back(key | 0xFF000000u);
    std::vector<Entry> entries;
    for (const auto& [color, count] : counts)
        if (std::find(palette.begin(), palette.end(), color) == palette.end())
            entries.push_back({color, count});
    const std::vector<QRgb> cut = MedianCut(std::move(entries), 256 - palette.size());
    palette.insert(palette.end(), cut.begin(), cut.end());

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QVector<QRgb>(palette.begin(), palette.end()));
    std::unordered_map<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto it = cache.find(c);
            if (it == cache.end()) {
                auto key = std::find(palette.begin(), palette.begin() + keys.size(), c);
                const int index = key != palette.begin() + keys.size()
                                      ? int(key - palette.begin())
                                      : Nearest(palette, size_t(keys.size()), c);
                it = cache.emplace(c, index).first;
            }
            dst[x] = uchar(it->second);
        }
    }
    return out;
}

bool WriteBmp8(const QImage& indexed, const QString& path)
{
    const int w = indexed.width(), h = indexed.height();
    const int stride = (w + 3) & ~3;
    const QVector<QRgb> table = indexed.colorTable();
    const quint32 offBits = 14 + 40 + quint32(table.size()) * 4;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(offBits + quint32(stride * h)) << quint32(0) << offBits;
    out << quint32(40) << qint32(w) << qint32(h) << quint16(1) << quint16(8) << quint32(0)
        << quint32(stride * h) << qint32(2835) << qint32(2835)  // 72 dpi
        << quint32(table.size()) << quint32(0);
    for (const QRgb c : table)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    const QByteArray pad(stride - w, '\0');
    for (int y = h - 1; y >= 0; --y) {
        out.writeRawData(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
        out.writeRawData(pad.constData(), int(pad.size()));
    }
    return out.status() == QDataStream::Ok && file.flush();
}

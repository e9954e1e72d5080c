#include "grid/DgCellClasses.h"

#include "toolkit/CodePage.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace DgConvert {
namespace {

[[noreturn]] void Fail(const QString& text, const char* what)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what)));
}

bool ParseInt(std::string_view s, int& out)
{
    std::size_t i = 0;
    const std::size_t n = std::size_t(s.size());
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    int base = 10;
    if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;
    // Hexadecimal may use all 32 bits; decimal must fit a signed integer.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > limit)
            return false;
    }
    const auto bits = std::uint32_t(value);
    out = negative ? int(std::uint32_t(0) - bits) : int(bits);
    return true;
}

bool ParseFloat(const QString& text, double& out)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    out = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(out);
}

const QDateTime& Epoch()
{
    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return epoch;
}

}  // namespace

int StrToInt(const QString& text)
{
    int value = 0;
    if (!ParseInt(ToAnsi(text), value))
        Fail(text, "integer value");
    return value;
}

bool StrToBool(const QString& text)
{
    double number = 0;
    if (ParseFloat(text, number))
        return number != 0;
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    Fail(text, "boolean value");
}

double StrToFloat(const QString& text)
{
    double value = 0;
    if (!ParseFloat(text, value))
        Fail(text, "floating point value");
    return value;
}

double StrToDateTime(const QString& text)
{
    static const char* const formats[] = {
        "dd.MM.yyyy hh:mm:ss", "dd.MM.yyyy hh:mm", "dd.MM.yyyy", "d.M.yyyy",
        "yyyy-MM-dd hh:mm:ss", "yyyy-MM-ddThh:mm:ss", "yyyy-MM-dd",
    };
    const QString t = text.trimmed();
    for (const char* format : formats) {
        QDateTime dt = QDateTime::fromString(t, QLatin1String(format));
        if (dt.isValid()) {
            dt.setTimeSpec(Qt::UTC);
            return double(Epoch().msecsTo(dt)) / 86400000.0;
        }
    }
    for (const char* format : {"hh:mm:ss", "hh:mm"}) {
        const QTime time = QTime::fromString(t, QLatin1String(format));
        if (time.isValid())
            return time.msecsSinceStartOfDay() / 86400000.0;
    }
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

QString BoolToStr(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString FloatToStr(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString DateTimeToStr(double value)
{
    const QDateTime dt = Epoch().addMSecs(qint64(std::llround(value * 86400000.0)));
    if (dt.time() == QTime(0, 0))
        return dt.toString(QStringLiteral("dd.MM.yyyy"));
    return dt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

int RoundHalfEven(double value)
{
    const double r = std::nearbyint(value);  // the default rounding mode: half to even
    if (!(r >= double(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min();
    if (r > double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(r);
}

}  // namespace DgConvert

namespace {

using namespace DgConvert;

// Value conversions of each kind, as the cells' accessor table gives them.
struct StringKind {
    using Cell = TStringCell;
    static constexpr int Type = ctString;
    static QString AsString(const Cell& c) { return c.Value; }
    static void SetString(Cell& c, const QString& v) { c.Value = v; }
    static int AsInteger(const Cell& c) { return StrToInt(c.Value); }
    static void SetInteger(Cell& c, int v) { c.Value = QString::number(v); }
    static bool AsBoolean(const Cell& c) { return StrToBool(c.Value); }
    static void SetBoolean(Cell& c, bool v) { c.Value = BoolToStr(v); }
    static double AsFloat(const Cell& c) { return StrToFloat(c.Value); }
    static void SetFloat(Cell& c, double v) { c.Value = FloatToStr(v); }
    static double AsDateTime(const Cell& c) { return c.Value.isEmpty() ? 0 : StrToDateTime(c.Value); }
    static void SetDateTime(Cell& c, double v) { c.Value = DateTimeToStr(v); }
    static void Clear(Cell& c) { c.Value.clear(); }
    static void Fill(const Cell& c, TCellInfo& info) { info.AsString = c.Value; }
};

struct IntegerKind {
    using Cell = TIntegerCell;
    static constexpr int Type = ctInteger;
    static QString AsString(const Cell& c) { return QString::number(c.Value); }
    static void SetString(Cell& c, const QString& v) { c.Value = v.isEmpty() ? 0 : StrToInt(v); }
    static int AsInteger(const Cell& c) { return c.Value; }
    static void SetInteger(Cell& c, int v) { c.Value = v; }
    static bool AsBoolean(const Cell& c) { return c.Value > 0; }
    static void SetBoolean(Cell& c, bool v) { c.Value = v ? 1 : 0; }
    static double AsFloat(const Cell& c) { return c.Value; }
    static void SetFloat(Cell& c, double v) { c.Value = RoundHalfEven(v); }
    static double AsDateTime(const Cell&) { return 0; }
    static void SetDateTime(Cell& c, double) { c.Value = 0; }
    static void Clear(Cell& c) { c.Value = 0; }
    static void Fill(const Cell& c, TCellInfo& info) { info.AsInteger = c.Value; }
};

struct BooleanKind {
    using Cell = TBooleanCell;
    static constexpr int Type = ctBoolean;
    static QString AsString(const Cell& c) { return BoolToStr(c.Value); }
    static void SetString(Cell& c, const QString& v)
    {
        c.Value = v == QLatin1String("1") || v.toLower() == QLatin1String("true");
    }
    static int AsInteger(const Cell& c) { return c.Value ? 1 : 0; }
    static void SetInteger(Cell& c, int v) { c.Value = v != 0; }
    static bool AsBoolean(const Cell& c) { return c.Value; }
    static void SetBoolean(Cell& c, bool v) { c.Value = v; }
    static double AsFloat(const Cell& c) { return c.Value ? 1.0 : 0.0; }
    static void SetFloat(Cell& c, double v) { c.Value = v != 0; }
    static double AsDateTime(const Cell&) { return 0; }
    static void SetDateTime(Cell& c, double) { c.Value = false; }
    static void Clear(Cell& c) { c.Value = false; }
    static void Fill(const Cell& c, TCellInfo& info) { info.AsBoolean = c.Value; }
};

template <class Kind>
class TCellListOf final : public TCellList {
    using Cell = typename Kind::Cell;

public:
    int ColumnType() const override { return Kind::Type; }
    int Count() const override { return int(cells_.size()); }

    void Append(int count, TColor color, TFontStyles style) override
    {
        for (int i = 0; i < count; ++i)
            Look(cells_.emplace_back(), color, style);
        if (HasExtras())
            for (int i = 0; i < count; ++i)
                extras_.emplace_back();
    }
    void Insert(int row, TColor color, TFontStyles style) override
    {
        Look(cells_.insert(std::size_t(row)), color, style);
        if (HasExtras())
            extras_.insert(std::size_t(row));
    }
    void Erase(int row) override
    {
        cells_.erase(std::size_t(row));
        if (HasExtras())
            extras_.erase(std::size_t(row));
    }
    void Clear() override
    {
        cells_.clear();
        extras_.clear();
    }
    void Permute(const std::vector<int>& order) override
    {
        cells_.permute(order);
        if (HasExtras())
            extras_.permute(order);
    }
    void Reverse() override
    {
        cells_.reverse();
        extras_.reverse();
    }

    TCellBase& Base(int row) override { return cells_[std::size_t(row)]; }
    const TCellBase& Base(int row) const override { return cells_[std::size_t(row)]; }
    const TCellExtra* Extra(int row) const override
    {
        return HasExtras() ? extras_[std::size_t(row)].get() : nullptr;
    }
    TCellExtra& EnsureExtra(int row) override
    {
        while (extras_.size() < cells_.size())
            extras_.emplace_back();
        std::unique_ptr<TCellExtra>& extra = extras_[std::size_t(row)];
        if (!extra)
            extra = std::make_unique<TCellExtra>();
        return *extra;
    }
    TCellInfo Info(int row) const override
    {
        TCellInfo info;
        Kind::Fill(at(row), info);
        return info;
    }

    QString AsString(int row) const override { return Kind::AsString(at(row)); }
    void SetAsString(int row, const QString& v) override { Kind::SetString(at(row), v); }
    int AsInteger(int row) const override { return Kind::AsInteger(at(row)); }
    void SetAsInteger(int row, int v) override { Kind::SetInteger(at(row), v); }
    bool AsBoolean(int row) const override { return Kind::AsBoolean(at(row)); }
    void SetAsBoolean(int row, bool v) override { Kind::SetBoolean(at(row), v); }
    double AsFloat(int row) const override { return Kind::AsFloat(at(row)); }
    void SetAsFloat(int row, double v) override { Kind::SetFloat(at(row), v); }
    double AsDateTime(int row) const override { return Kind::AsDateTime(at(row)); }
    void SetAsDateTime(int row, double v) override { Kind::SetDateTime(at(row), v); }
    void ClearValue(int row) override { Kind::Clear(at(row)); }

private:
    static void Look(Cell& cell, TColor color, TFontStyles style)
    {
        cell.Color = color;
        cell.FontStyle = style;
    }
    Cell& at(int row) { return cells_[std::size_t(row)]; }
    const Cell& at(int row) const { return cells_[std::size_t(row)]; }

    bool HasExtras() const { return extras_.size() != 0; }

    TCellChunks<Cell> cells_;
    TCellChunks<std::unique_ptr<TCellExtra>> extras_;  // empty, or one per cell
};

}  // namespace

std::unique_ptr<TCellList> MakeCellList(int columnType)
{
    switch (columnType) {
    case ctBoolean: return std::make_unique<TCellListOf<BooleanKind>>();
    case ctInteger: return std::make_unique<TCellListOf<IntegerKind>>();
    default: return std::make_unique<TCellListOf<StringKind>>();
    }
}

#include "app/ListCells.h"

#include "app/CountryFlags.h"
#include "app/HttpClient1.h"
#include "toolkit/CodePage.h"

#include <algorithm>

std::string FetchListDocument(THttpClient& client, const std::string& url)
{
    std::string body;
    try {
        client.GetText(url, body);
    } catch (const std::exception&) {
        body.clear();
    }
    return body;
}

QString ElementText(std::string_view bytes)
{
    // Most texts are plain ASCII, which needs no code page decoder.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return FromAnsi(bytes);
}

void SetElementCell(TDataGrid& grid, int col, int row, std::string_view bytes)
{
    grid.SetCells(col, row, ElementText(bytes));
}

QString CompetitionText(std::string_view country, std::string_view liga)
{
    return ElementText(country) + QStringLiteral(". ") + ElementText(liga);
}

void SetFlagCell(TDataGrid& grid, int col, int row, std::string_view country)
{
    grid.Cell(col, row).SetAsInteger(CountryFlagIndex(country));
}

QString CountCaption(int rows, bool cut)
{
    QString caption = QStringLiteral("Count: ") + QString::number(rows);
    if (cut)
        caption += QStringLiteral(" (list cut at %1)").arg(kMaxListRows);
    return caption;
}

#include "app/ListCells.h"

#include "app/CountryFlags.h"
#include "app/RequestRunner.h"
#include "toolkit/CodePage.h"

#include <algorithm>

TListDocument FetchListDocument(TRequestRunner& requests, THttpClient& client, const std::string& url,
                                const QString& status)
{
    TListDocument document;
    try {
        requests.Run(status, [&] { client.GetText(url, document.body); });
    } catch (const EHttpError& e) {
        document.body.clear();
        document.failure = e;
    }
    return document;
}

QString ElementText(std::string_view bytes)
{
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

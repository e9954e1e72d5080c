#include "app/ListCells.h"

#include "app/CountryFlags.h"
#include "app/HttpClient1.h"
#include "toolkit/CodePage.h"

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

QString CountCaption(int rows)
{
    return QStringLiteral("Count: ") + QString::number(rows);
}

#pragma once
// What the match lists share: fetching a list document and writing element
// texts and flags into grid cells.
#include "app/HttpClient1.h"
#include "app/TaggedText.h"
#include "grid/DgGrid.h"

#include <optional>
#include <string>
#include <string_view>

class TRequestRunner;

// A list document as fetched: the body, or the failure and an empty body, so
// a half-received document never shows as a short list.
struct TListDocument {
    std::string body;
    std::optional<EHttpError> failure;
};

// Fetches the list at `url` through `requests`, which shows `status` meanwhile.
TListDocument FetchListDocument(TRequestRunner& requests, THttpClient& client, const std::string& url,
                                const QString& status);

// Element text (Windows-1251) as shown in a cell.
QString ElementText(std::string_view bytes);

// Writes `bytes` into a text cell.
void SetElementCell(TDataGrid& grid, int col, int row, std::string_view bytes);

// "country. liga", the competition as the lists show it.
QString CompetitionText(std::string_view country, std::string_view liga);

// The flag image of `country` into an image cell.
void SetFlagCell(TDataGrid& grid, int col, int row, std::string_view country);

// Far above any real list (an upcoming list holds a few hundred matches), low
// enough that a hostile document cannot exhaust memory.
constexpr int kMaxListRows = 20000;

// Hands the records of a list document to `addRow` in order, at most
// kMaxListRows of them; true when the document held more.
template <class AddRow>
bool AddListRows(std::string_view body, AddRow&& addRow)
{
    TListWalk walk(body);
    int rows = 0;
    for (std::string_view record; walk.Next(record); ++rows) {
        if (rows == kMaxListRows)
            return true;
        addRow(record);
    }
    return false;
}

// "Count: n" for a count label; a list cut at kMaxListRows says so.
QString CountCaption(int rows, bool cut = false);

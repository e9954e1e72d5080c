#pragma once
// What the match lists share: fetching a list document and writing element
// texts and flags into grid cells.
#include "app/HttpClient1.h"
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

// "Count: n" for a count label.
QString CountCaption(int rows);

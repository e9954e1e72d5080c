// The three lists of past matches in the statistics view: each fills its
// grid, the first six results its form strip, and its summary one row of SG.
#include "app/ListCells.h"
#include "app/TaggedText.h"
#include "app/Unit1.h"

namespace {

constexpr int kStripLength = 6;
constexpr int kRezCol = 6;

struct TResultList {
    const char* element;
    TDataGrid* grid;
    TDataGrid* strip;
    const char* win;
    const char* loss;
    const char* summary;
    int sgRow;
    const char* prefix;
};

void ShowResultList(std::string_view stat, const TResultList& list, TDataGrid& sg)
{
    TDataGrid& grid = *list.grid;
    TDataGrid& strip = *list.strip;
    WalkSubList(ExtractElement(stat, list.element), [&](std::string_view rec, int index) {
        strip.SetRowCount(2);
        const int r = grid.AddRow();
        SetElementCell(grid, 0, r, ExtractElement(rec, "date"));
        grid.Cell(1, r).SetAsInteger(0);
        int col = 2;
        for (const char* name : {"home", "away", "score", "q"})
            SetElementCell(grid, col++, r, ExtractElement(rec, name));

        const std::string_view code = ExtractElement(rec, "itog");
        if (code == list.win || code == list.loss) {
            SetElementCell(grid, kRezCol, r, code);
            grid.Cell(kRezCol, r).SetColor(code == list.win ? clLime : clRed);
        }
        if (index < kStripLength) {
            // The strip shows any code, even one the grid leaves out.
            SetElementCell(strip, index, 0, code);
            strip.Cell(index, 0).SetColor(grid.Cell(kRezCol, r).Color());
            SetElementCell(strip, index, 1, ExtractElement(rec, "score"));
        }
    });

    const std::string_view summary = ExtractElement(stat, list.summary);
    sg.SetCells(1, list.sgRow, ElementText(ExtractElement(summary, "winner1")) + QStringLiteral("%"));
    const std::string p = list.prefix;
    int col = 2;
    for (const char* suffix : {"_win", "_loss", "_t1", "_t2", "_at", "_q1", "_q2", "_q3", "_q4"})
        SetElementCell(sg, col++, list.sgRow, ExtractElement(summary, p + suffix));
}

}  // namespace

void TForm1::ShowRecentResults(std::string_view stat)
{
    const TResultList lists[] = {
        {"Latest1", LGrid1, LG1, "W", "L", "stat1", 1, "l1"},
        {"Latest2", LGrid2, LG2, "W", "L", "stat2", 2, "l2"},
        {"H2H", HX, LG3, "1", "2", "stat0", 0, "h2h"},
    };
    for (const TResultList& list : lists)
        ShowResultList(stat, list, *SG);
}

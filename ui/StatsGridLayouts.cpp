// The fifteen grids of the Stats page. The column indices are what the list and
// statistics code writes to (RX's by the names of ui/MatchGridColumns.h), so rows
// must never be reordered.
#include "ui/GridLayout.h"
#include "ui/GridTableNames.h"
#include "ui/MatchGridColumns.h"

using namespace gridtable;

namespace {

// clang-format off
// Name, kind, caption, glyph, header align, width, align, shown, enabled, font, cell colour,
// header colour, added options, sort [, flag images, default value, cursor, header hint]

constexpr TColumnLayout RX[] = {
    {"DgTextColumn1",     Text,  "ID",      {},         C, 25, L, Hidden, Enabled, Arial14, clWindow,  LightOrange, Default,           stAlphabetic},
    {"DgCheckBoxColumn1", Check, "",        CheckGlyph, C, 20, C, Hidden, Enabled, Arial14, clWindow,  LightOrange, coEditing,         stBoolean, false, nullptr, crHandPoint},
    {"DgImageColumn1",    Image, "",        FlagGlyph,  C, 26, C, Shown,  Enabled, Arial14, clWindow,  LightOrange, Default,           stNumeric, true, "0"},
    {"DgTextColumn2",     Text,  "DATE",    {},         C, 60, C, Shown,  Enabled, Arial14, clWindow,  LightOrange, Default,           stAlphabetic},
    {"DgTextColumn3",     Text,  "TIME",    {},         C, 36, C, Shown,  Enabled, Arial14, clWindow,  LightOrange, Default,           stAlphabetic},
    {"DgTextColumn5",     Text,  "HOME",    {},         C, 87, L, Shown,  Enabled, Arial14, clWindow,  LightOrange, coAutoSize,        stAlphabetic},
    {"DgTextColumn6",     Text,  "AWAY",    {},         C, 88, L, Shown,  Enabled, Arial14, clWindow,  LightOrange, coAutoSize,        stAlphabetic},
    {"DgTextColumn8",     Text,  "1",       {},         C, 34, C, Shown,  Enabled, Arial14, cl3DLight, LightOrange, Default,           stAlphabetic},
    {"DgTextColumn9",     Text,  "2",       {},         C, 34, C, Shown,  Enabled, Arial14, cl3DLight, LightOrange, Default,           stAlphabetic},
    {"DgTextColumn7",     Image, "TV",      VideoGlyph, C, 25, C, Hidden, Enabled, Arial14, clWindow,  LightOrange, coShowTextFitHint, stNumeric, false, "0", crHandPoint},
    {"DgImageColumn7",    Image, "",        ArrowGlyph, C, 24, C, Hidden, Enabled, Arial14, clWindow,  LightOrange, Default,           stNumeric, false, "0"},
    {"DgTextColumn67",    Text,  "myscore", {},         L, 80, L, Hidden, Enabled, Arial14, clWindow,  LightOrange, Default,           stAlphabetic},
    {"DgTextColumn146",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn147",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn148",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn149",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn150",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn151",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
    {"DgTextColumn152",   Text,  "",        {},         L, 40, L, Hidden, Enabled, Arial14, clWindow,  clBtnFace,   Default,           stAlphabetic},
};

static_assert(std::size(RX) == rxColumnCount);
static_assert(ColumnIs(RX, rxId, "ID") && ColumnIs(RX, rxPick, "") && ColumnIs(RX, rxDate, "DATE")
              && ColumnIs(RX, rxTime, "TIME") && ColumnIs(RX, rxHome, "HOME") && ColumnIs(RX, rxAway, "AWAY")
              && ColumnIs(RX, rxOdds1, "1") && ColumnIs(RX, rxOdds2, "2") && ColumnIs(RX, rxTv, "TV")
              && ColumnIs(RX, rxMyScore, "myscore") && ColumnIs(RX, rxHand1, "") && ColumnIs(RX, rxOver, ""));
static_assert(RX[rxFlag].Glyph == FlagGlyph && RX[rxArrow].Glyph == ArrowGlyph);

// No header row: the captions are never seen.
constexpr TColumnLayout MatchGrid[] = {
    {"DgTextColumn13", Text,  "ID",         {}, L, 80,  L, Hidden, Enabled, Arial14,                   clWindow, Yellow, Default,           stAlphabetic},
    {"DgTextColumn4",  Text,  "Date",       {}, C, 60,  C, Shown,  Enabled, Arial14,                   clWindow, Yellow, Default,           stAlphabetic},
    {"DgTextColumn10", Text,  "Time",       {}, C, 45,  C, Shown,  Enabled, Arial14,                   clWindow, Yellow, Default,           stAlphabetic},
    {"DgImageColumn2", Image, "Flag",       {}, C, 20,  C, Shown,  Enabled, Arial14,                   clWindow, Yellow, Default,           stNumeric, true, "0"},
    {"DgTextColumn11", Text,  "Tournament", {}, L, 445, L, Shown,  Enabled, Arial14Bold,               clWindow, Yellow, coAutoSize,        stAlphabetic},
    {"DgTextColumn14", Image, "TV",         {}, L, 25,  C, Shown,  Enabled, Arial14,                   clWindow, Yellow, coShowTextFitHint, stNumeric, false, "0", crHandPoint},
    {"DgTextColumn15", Text,  "Status",     {}, L, 40,  C, Shown,  Enabled, {14, fsBold, Yellow},      clWindow, Yellow, Default,           stAlphabetic},
};

constexpr TColumnLayout TableName1[] = {
    {"DgImageColumn4", Image, "", {}, C, 25,  C, Shown,  Disabled, Arial14, clWindow, clBtnFace, Default,    stNumeric, true, "0"},
    {"DgTextColumn46", Text,  "", {}, L, 221, L, Shown,  Disabled, Arial14, clWindow, clBtnFace, coAutoSize, stAlphabetic},
    {"DgImageColumn9", Image, "", {}, L, 25,  C, Hidden, Enabled,  Arial14, clWindow, clBtnFace, Default,    stNumeric, false, "0", crHandPoint},
};

constexpr TColumnLayout TableName2[] = {
    {"DgImageColumn3",  Image, "", {}, C, 25,  C, Shown,  Disabled, Arial14, clWindow, clBtnFace, Default,    stNumeric, true, "0"},
    {"DgTextColumn47",  Text,  "", {}, L, 221, L, Shown,  Disabled, Arial14, clWindow, clBtnFace, coAutoSize, stAlphabetic},
    {"DgImageColumn10", Image, "", {}, L, 25,  C, Hidden, Enabled,  Arial14, clWindow, clBtnFace, Default,    stNumeric, false, "0", crHandPoint},
};

constexpr TColumnLayout Table1[] = {
    {"DgTextColumn32", Text, "№",     {}, C, 50, C, Shown, Disabled, Arial14Bold, Yellow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn33", Text, "G",     {}, C, 35, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn34", Text, "W",     {}, C, 34, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn36", Text, "L",     {}, C, 35, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn37", Text, "Goals", {}, C, 56, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn39", Text, "Pts.",  {}, C, 34, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
};

constexpr TColumnLayout Table2[] = {
    {"DgTextColumn38", Text, "№",     {}, C, 50, C, Shown, Disabled, Arial14Bold, Yellow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn40", Text, "G",     {}, C, 35, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn41", Text, "W",     {}, C, 34, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn43", Text, "L",     {}, C, 35, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn44", Text, "Goals", {}, C, 56, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn45", Text, "Pts.",  {}, C, 34, C, Shown, Disabled, Arial14,     clWindow, LightOrange, coAutoSize, stAlphabetic},
};

constexpr TColumnFont OddsFont{18, fsBold, Rose};
constexpr TColumnLayout KFGrid[] = {
    {"DgTextColumn111", Text, "Win1", {}, C, 64, C, Shown, Disabled, OddsFont, clWindow, DeepOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn113", Text, "Win2", {}, C, 64, C, Shown, Disabled, OddsFont, clWindow, DeepOrange, coAutoSize, stAlphabetic},
};

// The three form strips differ only in widths and LG3's font colour.
constexpr TColumnFont FormFont{10, fsBold, Black};
constexpr TColumnFont H2HFormFont{10, fsBold, clBtnText};

constexpr TColumnLayout LG1[] = {
    {"DgTextColumn48", Text, "1", {}, C, 40, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn49", Text, "2", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn50", Text, "3", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn51", Text, "4", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn52", Text, "5", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn53", Text, "6", {}, C, 32, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
};

constexpr TColumnLayout LG2[] = {
    {"DgTextColumn60", Text, "1", {}, C, 40, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn61", Text, "2", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn62", Text, "3", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn63", Text, "4", {}, C, 34, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn64", Text, "5", {}, C, 33, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn65", Text, "6", {}, C, 33, C, Shown, Disabled, FormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
};

constexpr TColumnLayout LG3[] = {
    {"DgTextColumn54", Text, "1", {}, C, 37, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn55", Text, "2", {}, C, 31, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn56", Text, "3", {}, C, 38, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn57", Text, "4", {}, C, 37, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn58", Text, "5", {}, C, 25, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn59", Text, "6", {}, C, 30, C, Shown, Disabled, H2HFormFont, clWindow, LightOrange, coAutoSize, stAlphabetic},
};

constexpr TColumnLayout SG[] = {
    {"DgTextColumn12", Text, "Type",       {}, C, 120, L, Shown, Enabled, Arial14Bold, clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn16", Text, "Win,%",      {}, C, 40,  C, Shown, Enabled, Arial15Bold, Yellow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn17", Text, "Win",        {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn18", Text, "Loss",       {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn19", Text, "Ind.Total1", {}, C, 55,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn20", Text, "Ind.Total2", {}, C, 55,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn21", Text, "Avg.Total",  {}, C, 55,  C, Shown, Enabled, Arial14,     LightYellow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn22", Text, "Q1",         {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn23", Text, "Q2",         {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn24", Text, "Q3",         {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn25", Text, "Q4",         {}, C, 40,  C, Shown, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
};

constexpr TColumnLayout Buk[] = {
    {"DgTextColumn153", Text, "Handicap1", {}, C, 80, C, Shown, Enabled, Arial15Bold, clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn154", Text, "Odd1",      {}, C, 80, C, Shown, Enabled, Arial14,     clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn155", Text, "Handicap2", {}, C, 80, C, Shown, Enabled, Arial15Bold, clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn156", Text, "Odd2",      {}, C, 80, C, Shown, Enabled, Arial14,     clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn157", Text, "Total",     {}, C, 80, C, Shown, Enabled, Arial15Bold, clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn158", Text, "Under",     {}, C, 80, C, Shown, Enabled, Arial14,     clWindow, LightOrange, Default, stAlphabetic},
    {"DgTextColumn159", Text, "Over",      {}, C, 80, C, Shown, Enabled, Arial14,     clWindow, LightOrange, Default, stAlphabetic},
};

// The recent-results grids differ in widths and in the "Rez" column's font.
constexpr TColumnFont RezFont{14, fsBold, Black};

constexpr TColumnLayout LGrid1[] = {
    {"DgTextColumn86",  Text,  "Date",     {},        C, 60,  C, Shown, Enabled, Arial14,     clWindow,   LightOrange, Default,    stAlphabetic},
    {"DgImageColumn5",  Image, "",         FlagGlyph, C, 25,  C, Shown, Enabled, Arial14,     clWindow,   LightOrange, Default,    stNumeric, true, "0", crHandPoint},
    {"DgTextColumn87",  Text,  "Home",     {},        C, 127, L, Shown, Enabled, Arial14,     clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn88",  Text,  "Away",     {},        C, 127, L, Shown, Enabled, Arial14,     clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn89",  Text,  "Score",    {},        C, 65,  C, Shown, Enabled, Arial14Bold, Orange,     LightOrange, Default,    stAlphabetic},
    {"DgTextColumn105", Text,  "Quarters", {},        C, 196, C, Shown, Enabled, Arial14,     LightPeach, LightOrange, Default,    stAlphabetic},
    {"DgTextColumn90",  Text,  "Rez",      {},        C, 35,  C, Shown, Enabled, RezFont,     clWindow,   LightOrange, Default,    stAlphabetic},
};

constexpr TColumnLayout LGrid2[] = {
    {"DgTextColumn91",  Text,  "Date",     {},        C, 60,  C, Shown, Enabled, Arial14,     clWindow,   LightOrange, Default,    stAlphabetic},
    {"DgImageColumn6",  Image, "",         FlagGlyph, C, 25,  C, Shown, Enabled, Arial14,     clWindow,   LightOrange, Default,    stNumeric, true, "0", crHandPoint},
    {"DgTextColumn92",  Text,  "Home",     {},        C, 130, L, Shown, Enabled, Arial14,     clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn93",  Text,  "Away",     {},        C, 130, L, Shown, Enabled, Arial14,     clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn94",  Text,  "Score",    {},        C, 65,  C, Shown, Enabled, Arial14Bold, Orange,     LightOrange, Default,    stAlphabetic},
    {"DgTextColumn106", Text,  "Quarters", {},        C, 193, C, Shown, Enabled, Arial14,     LightPeach, LightOrange, Default,    stAlphabetic},
    {"DgTextColumn95",  Text,  "Rez",      {},        C, 33,  C, Shown, Enabled, RezFont,     clWindow,   LightOrange, Default,    stAlphabetic},
};

constexpr TColumnLayout HX[] = {
    {"DgTextColumn96",  Text,  "Date",     {},        C, 60,  C, Shown, Enabled, Arial14,          clWindow,   LightOrange, Default,    stAlphabetic},
    {"DgImageColumn8",  Image, "",         FlagGlyph, C, 25,  C, Shown, Enabled, Arial14,          clWindow,   LightOrange, Default,    stNumeric, true, "0", crHandPoint},
    {"DgTextColumn97",  Text,  "Home",     {},        C, 128, L, Shown, Enabled, Arial14,          clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn98",  Text,  "Away",     {},        C, 128, L, Shown, Enabled, Arial14,          clWindow,   LightOrange, coAutoSize, stAlphabetic},
    {"DgTextColumn99",  Text,  "Score",    {},        C, 65,  C, Shown, Enabled, Arial14Bold,      Orange,     LightOrange, Default,    stAlphabetic},
    {"DgTextColumn104", Text,  "Quarters", {},        C, 194, C, Shown, Enabled, Arial14,          LightPeach, LightOrange, Default,    stAlphabetic},
    {"DgTextColumn100", Text,  "Rez",      {},        C, 35,  C, Shown, Enabled, {14, 0, Purple},  clWindow,   LightOrange, Default,    stAlphabetic},
};

constexpr TGridOptions Table = goGrid | goHeader;
constexpr TGridOptions RowList = goGrid | goHeader | goSelectFullRow;

const TGridLayout Grids[] = {
    {"RX",         goGrid | goHeader | goRowResizing | goSelectFullRow, lsActiveRows, Orange, hsFlatBorders, RX},
    {"MatchGrid",  goGrid,    lsActiveRows, Grey,      hsFlatBorders, MatchGrid},
    {"TableName1", NoOptions, lsNormal,     clBtnFace, hsFlatBorders, TableName1},
    {"TableName2", NoOptions, lsNormal,     clBtnFace, hsFlatBorders, TableName2},
    {"Table1",     Table,     lsActiveRows, Grey,      hsFlatBorders, Table1},
    {"Table2",     Table,     lsActiveRows, Grey,      hsFlatBorders, Table2},
    {"KFGrid",     Table,     lsActiveRows, Grey,      hsFlatBorders, KFGrid},
    {"LG1",        Table,     lsActiveRows, Grey,      hsFlatBorders, LG1},
    {"LG2",        Table,     lsActiveRows, Grey,      hsFlatBorders, LG2},
    {"LG3",        Table,     lsActiveRows, Grey,      hsFlatBorders, LG3},
    {"SG",         Table,     lsActiveRows, Grey,      hsFlatBorders, SG,  bsNone, LightGrey},
    {"Buk",        Table,     lsActiveRows, Grey,      hsFlatBorders, Buk, bsNone, LightGrey},
    {"LGrid1",     RowList,   lsActiveRows, SteelBlue, hsFlatBorders, LGrid1},
    {"LGrid2",     RowList,   lsActiveRows, Grey,      hsFlatBorders, LGrid2},
    {"HX",         RowList,   lsActiveRows, SteelBlue, hsFlatBorders, HX},
};
// clang-format on

}  // namespace

std::span<const TGridLayout> StatsGridLayouts()
{
    return Grids;
}

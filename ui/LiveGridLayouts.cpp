// The live-match grid LG, the recommended-bets grid LGG and the report grid RG.
// Code addresses their columns by the names of ui/MatchGridColumns.h.
#include "ui/GridLayout.h"
#include "ui/GridTableNames.h"
#include "ui/MatchGridColumns.h"

using namespace gridtable;

namespace {

constexpr TColumnFont QuarterFont{14, 0, clHighlight};
constexpr TColumnFont TimeFont{14, 0, Purple};
constexpr TColumnFont OddsFont{14, 0, Maroon};
constexpr TColumnFont ScoreFont{14, fsBold, Blue};
constexpr TColumnFont ForecastFont{14, 0, Blue};
constexpr TColumnFont H2HFont{14, fsBold, Maroon};

// clang-format off
// Name, kind, caption, glyph, header align, width, align, shown, enabled, font, cell colour,
// header colour, added options, sort [, flag images, default value, cursor, header hint]

constexpr TColumnLayout LG[] = {
    {"DgTextColumn26",  Text,  "ID",       {},        C, 80,  C, Hidden, Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgImageColumn11", Image, "",         FlagGlyph, C, 25,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stNumeric, true, "0"},
    {"DgTextColumn27",  Text,  "Start",    {},        C, 35,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn28",  Text,  "Q",        {},        C, 25,  C, Shown,  Enabled, QuarterFont,  LightYellow,   LightOrange, Default, stAlphabetic},
    {"DgTextColumn29",  Text,  "Time",     {},        C, 34,  C, Shown,  Enabled, TimeFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn30",  Text,  "HOME",     {},        C, 106, L, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn31",  Text,  "AWAY",     {},        C, 111, L, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn35",  Text,  "1",        {},        C, 32,  C, Shown,  Enabled, OddsFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn42",  Text,  "2",        {},        C, 32,  C, Shown,  Enabled, OddsFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn66",  Text,  "SCORE",    {},        C, 45,  C, Shown,  Enabled, ScoreFont,    LightYellow,   LightOrange, Default, stAlphabetic},
    {"DgTextColumn68",  Text,  "Q1",       {},        C, 32,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn69",  Text,  "Q2",       {},        C, 32,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn70",  Text,  "Q3",       {},        C, 32,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn71",  Text,  "Q4",       {},        C, 32,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn102", Text,  "ET",       {},        C, 32,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn103", Text,  "Forecast", {},        C, 47,  C, Shown,  Enabled, ForecastFont, VeryLightGrey, LightOrange, Default, stAlphabetic},
    {"DgTextColumn108", Text,  "%",        {},        C, 34,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn107", Text,  "H2H",      {},        C, 30,  C, Shown,  Enabled, H2HFont,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn109", Text,  "RB",       {},        C, 22,  L, Shown,  Enabled, Arial14,      LightGreen,    BrightGreen, Default, stAlphabetic, false, nullptr, crDefault, "Recoming Bets"},
    {"DgTextColumn130", Text,  "1",        {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn131", Text,  "2",        {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn132", Text,  "Hand1",    {},        C, 35,  C, Shown,  Enabled, Arial12Bold,  PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn133", Text,  "Kf1",      {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn134", Text,  "Hand2",    {},        C, 35,  C, Shown,  Enabled, Arial12Bold,  PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn135", Text,  "Kf2",      {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn136", Text,  "Total",    {},        C, 35,  C, Shown,  Enabled, Arial12Bold,  PalePink,      Pink,        Default, stAlphabetic},
    {"DgTextColumn137", Text,  "U",        {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic, false, nullptr, crDefault, "Total Under"},
    {"DgTextColumn138", Text,  "O",        {},        C, 25,  C, Shown,  Enabled, Arial12,      PalePink,      Pink,        Default, stAlphabetic, false, nullptr, crDefault, "Total Over"},
};

static_assert(std::size(LG) == lgColumnCount);
static_assert(ColumnIs(LG, lgId, "ID") && ColumnIs(LG, lgStart, "Start") && ColumnIs(LG, lgPeriod, "Q")
              && ColumnIs(LG, lgGameTime, "Time") && ColumnIs(LG, lgHome, "HOME") && ColumnIs(LG, lgAway, "AWAY")
              && ColumnIs(LG, lgOdds1, "1") && ColumnIs(LG, lgOdds2, "2") && ColumnIs(LG, lgScore, "SCORE")
              && ColumnIs(LG, lgQ1, "Q1") && ColumnIs(LG, lgQ2, "Q2") && ColumnIs(LG, lgQ3, "Q3")
              && ColumnIs(LG, lgQ4, "Q4") && ColumnIs(LG, lgExtraTime, "ET") && ColumnIs(LG, lgForecast, "Forecast")
              && ColumnIs(LG, lgPercent, "%") && ColumnIs(LG, lgH2H, "H2H") && ColumnIs(LG, lgBet, "RB")
              && ColumnIs(LG, lgWin1, "1") && ColumnIs(LG, lgWin2, "2") && ColumnIs(LG, lgHand1, "Hand1")
              && ColumnIs(LG, lgKf1, "Kf1") && ColumnIs(LG, lgHand2, "Hand2") && ColumnIs(LG, lgKf2, "Kf2")
              && ColumnIs(LG, lgTotal, "Total") && ColumnIs(LG, lgUnder, "U") && ColumnIs(LG, lgOver, "O"));
static_assert(LG[lgFlag].Glyph == FlagGlyph);

// Columns 0 to 17 mirror LG's; 18 holds the recommendation.
constexpr TColumnLayout LGG[] = {
    {"DgTextColumn110", Text,  "ID",                 {},        C, 80,  C, Hidden, Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgImageColumn13", Image, "",                   FlagGlyph, C, 25,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stNumeric, true, "0"},
    {"DgTextColumn112", Text,  "Start",              {},        C, 40,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn114", Text,  "Q",                  {},        C, 25,  C, Shown,  Enabled, QuarterFont,  LightYellow,   LightOrange, Default, stAlphabetic},
    {"DgTextColumn115", Text,  "Time",               {},        C, 38,  C, Shown,  Enabled, TimeFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn116", Text,  "HOME",               {},        C, 115, L, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn117", Text,  "AWAY",               {},        C, 118, L, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn118", Text,  "1",                  {},        C, 35,  C, Shown,  Enabled, OddsFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn119", Text,  "2",                  {},        C, 35,  C, Shown,  Enabled, OddsFont,     clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn120", Text,  "SCORE",              {},        C, 45,  C, Shown,  Enabled, ScoreFont,    LightYellow,   LightOrange, Default, stAlphabetic},
    {"DgTextColumn121", Text,  "Q1",                 {},        C, 35,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn122", Text,  "Q2",                 {},        C, 35,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn123", Text,  "Q3",                 {},        C, 35,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn124", Text,  "Q4",                 {},        C, 35,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn125", Text,  "ET",                 {},        C, 34,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn126", Text,  "Forecast",           {},        C, 50,  C, Shown,  Enabled, ForecastFont, VeryLightGrey, LightOrange, Default, stAlphabetic},
    {"DgTextColumn127", Text,  "Precent",            {},        C, 46,  C, Shown,  Enabled, Arial14,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn128", Text,  "H2H",                {},        C, 35,  C, Shown,  Enabled, H2HFont,      clWindow,      LightOrange, Default, stAlphabetic},
    {"DgTextColumn129", Text,  "Recoming Bets Live", {},        C, 210, L, Shown,  Enabled, Arial14,      LightPink,     Pink,        Default, stAlphabetic},
};

static_assert(std::size(LGG) == lggColumnCount);
static_assert(ColumnIs(LGG, lggId, "ID") && ColumnIs(LGG, lggStart, "Start") && ColumnIs(LGG, lggPeriod, "Q")
              && ColumnIs(LGG, lggGameTime, "Time") && ColumnIs(LGG, lggOdds1, "1") && ColumnIs(LGG, lggOdds2, "2")
              && ColumnIs(LGG, lggScore, "SCORE") && ColumnIs(LGG, lggQ1, "Q1") && ColumnIs(LGG, lggQ4, "Q4")
              && ColumnIs(LGG, lggExtraTime, "ET") && ColumnIs(LGG, lggForecast, "Forecast")
              && ColumnIs(LGG, lggPercent, "Precent") && ColumnIs(LGG, lggH2H, "H2H")
              && ColumnIs(LGG, lggBet, "Recoming Bets Live"));
static_assert(LGG[lggFlag].Glyph == FlagGlyph);

constexpr TColumnLayout RG[] = {
    {"DgTextColumn72",  Text,  "ID",     {},        C, 80,  C, Hidden, Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgImageColumn12", Image, "",       FlagGlyph, C, 25,  C, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stNumeric, true, "0"},
    {"DgTextColumn83",  Text,  "LEAGUE", {},        C, 143, L, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn73",  Text,  "DATE",   {},        C, 60,  C, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn74",  Text,  "TIME",   {},        C, 34,  C, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn75",  Text,  "HOME",   {},        C, 109, L, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn76",  Text,  "AWAY",   {},        C, 113, L, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn77",  Text,  "WIN1",   {},        C, 31,  C, Shown,  Enabled, Arial14,     LightOrange, LightOrange, Default, stAlphabetic},
    {"DgTextColumn78",  Text,  "WIN2",   {},        C, 32,  C, Shown,  Enabled, Arial14,     LightOrange, LightOrange, Default, stAlphabetic},
    {"DgTextColumn79",  Text,  "IT1",    {},        C, 26,  C, Shown,  Enabled, Arial14Bold, clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn80",  Text,  "IT2",    {},        C, 23,  C, Shown,  Enabled, Arial14Bold, clWindow,    LightOrange, Default, stAlphabetic},
    {"DgTextColumn81",  Text,  "PR1,%",  {},        C, 38,  C, Shown,  Enabled, Arial14,     LightOrange, LightOrange, Default, stAlphabetic},
    {"DgTextColumn82",  Text,  "PR2,%",  {},        C, 38,  C, Shown,  Enabled, Arial14,     LightOrange, LightOrange, Default, stAlphabetic},
    {"DgTextColumn84",  Text,  "LG1",    {},        C, 30,  C, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic, false, nullptr, crDefault, "Latest Home Match"},
    {"DgTextColumn85",  Text,  "LG2",    {},        C, 30,  C, Shown,  Enabled, Arial14,     clWindow,    LightOrange, Default, stAlphabetic, false, nullptr, crDefault, "Latest Away Match"},
    {"DgTextColumn101", Text,  "H2H",    {},        C, 30,  C, Shown,  Enabled, ScoreFont,   LightYellow, LightOrange, Default, stAlphabetic, false, nullptr, crDefault, "Head-To-Head"},
    {"DgTextColumn139", Text,  "Hand1",  {},        C, 36,  C, Shown,  Enabled, Arial12Bold, PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn140", Text,  "Kf1",    {},        C, 28,  C, Shown,  Enabled, Arial12,     PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn141", Text,  "Hand2",  {},        C, 40,  C, Shown,  Enabled, Arial12Bold, PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn142", Text,  "Kf2",    {},        C, 31,  C, Shown,  Enabled, Arial12,     PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn143", Text,  "Total",  {},        C, 37,  C, Shown,  Enabled, Arial12Bold, PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn144", Text,  "U",      {},        C, 25,  C, Shown,  Enabled, Arial12,     PaleGreen,   Teal,        Default, stAlphabetic},
    {"DgTextColumn145", Text,  "O",      {},        C, 25,  C, Shown,  Enabled, Arial12,     PaleGreen,   Teal,        Default, stAlphabetic},
};

static_assert(std::size(RG) == rgColumnCount);
static_assert(ColumnIs(RG, rgId, "ID") && ColumnIs(RG, rgLeague, "LEAGUE") && ColumnIs(RG, rgDate, "DATE")
              && ColumnIs(RG, rgTime, "TIME") && ColumnIs(RG, rgHome, "HOME") && ColumnIs(RG, rgAway, "AWAY")
              && ColumnIs(RG, rgWin1, "WIN1") && ColumnIs(RG, rgWin2, "WIN2") && ColumnIs(RG, rgForecast1, "IT1")
              && ColumnIs(RG, rgForecast2, "IT2") && ColumnIs(RG, rgPercent1, "PR1,%")
              && ColumnIs(RG, rgPercent2, "PR2,%") && ColumnIs(RG, rgLatest1, "LG1") && ColumnIs(RG, rgLatest2, "LG2")
              && ColumnIs(RG, rgH2H, "H2H") && ColumnIs(RG, rgHand1, "Hand1") && ColumnIs(RG, rgKf1, "Kf1")
              && ColumnIs(RG, rgHand2, "Hand2") && ColumnIs(RG, rgKf2, "Kf2") && ColumnIs(RG, rgTotal, "Total")
              && ColumnIs(RG, rgUnder, "U") && ColumnIs(RG, rgOver, "O"));
static_assert(RG[rgFlag].Glyph == FlagGlyph);

const TGridLayout Grids[] = {
    {"LG",  goGrid | goHeader, lsActiveRows, Orange, hsFlatBorders, LG},
    {"LGG", goGrid | goHeader, lsActiveRows, Orange, hsFlatBorders, LGG},
    {"RG",  goGrid | goHeader, lsActiveRows, Orange, hsFlatBorders, RG},
};
// clang-format on

}  // namespace

std::span<const TGridLayout> LiveGridLayouts()
{
    return Grids;
}

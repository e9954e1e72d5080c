#pragma once
// Column numbers of the match grids, one name per column in table order. The
// tables check these names against their captions at compile time, so code
// that fills a grid never types a column number.

// RX, the upcoming matches on the Stats page; 12 to 18 are hidden bookmaker lines.
enum TRxColumn : int {
    rxId, rxPick, rxFlag, rxDate, rxTime, rxHome, rxAway, rxOdds1, rxOdds2, rxTv, rxArrow,
    rxMyScore, rxHand1, rxKf1, rxHand2, rxKf2, rxTotal, rxUnder, rxOver,
    rxColumnCount
};

// LG, the matches in play.
enum TLgColumn : int {
    lgId, lgFlag, lgStart, lgPeriod, lgGameTime, lgHome, lgAway, lgOdds1, lgOdds2, lgScore,
    lgQ1, lgQ2, lgQ3, lgQ4, lgExtraTime, lgForecast, lgPercent, lgH2H, lgBet,
    lgWin1, lgWin2, lgHand1, lgKf1, lgHand2, lgKf2, lgTotal, lgUnder, lgOver,
    lgColumnCount
};

// LGG, the recommended bets: LG's columns up to the recommendation, same places.
enum TLggColumn : int {
    lggId = lgId, lggFlag = lgFlag, lggStart = lgStart, lggPeriod = lgPeriod,
    lggGameTime = lgGameTime, lggHome = lgHome, lggAway = lgAway, lggOdds1 = lgOdds1,
    lggOdds2 = lgOdds2, lggScore = lgScore, lggQ1 = lgQ1, lggQ2 = lgQ2, lggQ3 = lgQ3,
    lggQ4 = lgQ4, lggExtraTime = lgExtraTime, lggForecast = lgForecast,
    lggPercent = lgPercent, lggH2H = lgH2H, lggBet = lgBet,
    lggColumnCount
};

// RG, the report table of upcoming matches.
enum TRgColumn : int {
    rgId, rgFlag, rgLeague, rgDate, rgTime, rgHome, rgAway, rgWin1, rgWin2,
    rgForecast1, rgForecast2, rgPercent1, rgPercent2, rgLatest1, rgLatest2, rgH2H,
    rgHand1, rgKf1, rgHand2, rgKf2, rgTotal, rgUnder, rgOver,
    rgColumnCount
};

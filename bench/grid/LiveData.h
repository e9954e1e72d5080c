#pragma once
// Generated rows of the live-match grid (LG): texts for columns 2 to 27 and a
// flag index for the image column 1, different on every row.
#include <QString>

inline constexpr int LiveColumns = 28;
inline constexpr int LiveFlagColumn = 1;
inline constexpr int LiveFirstTextColumn = 2;

// The text of column `col` (2..27) of row `row`.
QString LiveText(int row, int col);
int LiveFlag(int row);

// The texts of a cycle of rows made once, so that filling measures the
// container and not the formatting; row r uses cycle row r % LiveCycle.
inline constexpr int LiveCycle = 1000;
const QString& CachedLiveText(int row, int col);

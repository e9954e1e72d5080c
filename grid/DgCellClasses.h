#pragma once
// The cell kinds the program's columns create, their conversions, and the
// typed column lists that hold them.
#include "grid/DgCells.h"

#include <QByteArray>
#include <QString>
#include <memory>

struct TStringCell : TCellBase {
    QString Value;
};
struct TBooleanCell : TCellBase {
    bool Value = false;
};
struct TIntegerCell : TCellBase {
    std::int32_t Value = 0;
};

// Text conversions shared by the kinds; each raises EConvertError with the
// message the user sees, quoting the original text.
namespace DgConvert {
// Optional leading blanks and sign, then decimal digits, or hexadecimal ones
// after "$", "x", "X", "0x" or "0X"; 32 bits.
int StrToInt(const QString& text);
// A number (non-zero is true) or "True"/"False" in any case.
bool StrToBool(const QString& text);
double StrToFloat(const QString& text);
// Days since 1899-12-30, from "dd.MM.yyyy[ hh:mm[:ss]]", ISO dates or times.
double StrToDateTime(const QString& text);
QString BoolToStr(bool value);             // "True" / "False"
QString FloatToStr(double value);          // shortest form that reads back
QString DateTimeToStr(double value);       // "dd.MM.yyyy hh:mm:ss", time left out at midnight
int RoundHalfEven(double value);           // clamped to 32 bits
}  // namespace DgConvert

// A new, empty column list for a column kind code: ctBoolean gives boolean
// cells, ctInteger integer cells, anything else text cells.
std::unique_ptr<TCellList> MakeCellList(int columnType);

#pragma once
// The small text and number rules of the match lists: splitting a "a:b" pair,
// reading the service's numbers, and rounding halves to the even neighbour.
#include <cstdint>
#include <string_view>

struct TPairParts {
    std::string_view first;
    std::string_view second;
};

// Splits `value` at the first `separator`. A value that is the separator alone
// means "no value" (two empty parts); a value without it goes whole into the
// second part. The parts point into `value`.
TPairParts SplitPair(std::string_view value, std::string_view separator);

// A decimal 32-bit integer with an optional sign; blanks around it are
// ignored. Anything else, empty text and out-of-range numbers read as 0.
std::int32_t TextToIntOrZero(std::string_view text);

// Both numbers of an "a:b" text added up ("40:35" -> 75, "12" -> 12). Summed in
// 64 bits so that two large numbers cannot overflow.
std::int64_t PairSum(std::string_view text);

// numerator / denominator (denominator > 0) rounded to the nearest integer,
// halves to the even neighbour (77.5 -> 78, 74.5 -> 74, -2.5 -> -2).
std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator);

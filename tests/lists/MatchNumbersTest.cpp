#include "app/MatchNumbers.h"

#include <gtest/gtest.h>

TEST(SplitPair, FirstSeparatorSplits)
{
    struct Case { const char* value; const char* separator; const char* first; const char* second; };
    const Case cases[] = {
        {"160:150", ":", "160", "150"},
        {":", ":", "", ""},          // the service's "no value"
        {"", ":", "", ""},
        {"12", ":", "", "12"},       // no separator: all of it is the second part
        {":7", ":", "", "7"},
        {"7:", ":", "7", ""},
        {"55-45", "-", "55", "45"},
        {"1-2-3", "-", "1", "2-3"},  // only the first separator splits
        {"-", "-", "", ""},
        {"--", "-", "", "-"},
    };
    for (const Case& c : cases) {
        const TPairParts parts = SplitPair(c.value, c.separator);
        EXPECT_EQ(parts.first, c.first) << '"' << c.value << '"';
        EXPECT_EQ(parts.second, c.second) << '"' << c.value << '"';
    }
}

TEST(PairSum, UnreadablePartsCountAsZero)
{
    struct Case { const char* text; std::int64_t sum; };
    const Case cases[] = {
        {"40:35", 75},  {"0:0", 0},       {"12", 12},     {"", 0},          {":", 0},
        {"ab:cd", 0},   {"20:x", 20},     {"4x:10", 10},  {" 21 : 19 ", 40}, {"-5:+3", -2},
        {"1.5:2", 2},   {"2147483648:1", 1},               // out of range reads as 0
        {"2147483647:2147483647", 4294967294LL},          // no overflow
        {"10:20:30", 10},                                  // "20:30" does not read
    };
    for (const Case& c : cases)
        EXPECT_EQ(PairSum(c.text), c.sum) << '"' << c.text << '"';
}

TEST(DivideRoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case { std::int64_t numerator, denominator, result; };
    const Case cases[] = {
        {310, 4, 78},  // 77.5
        {298, 4, 74},  // 74.5
        {150, 4, 38},  // 37.5
        {310, 2, 155}, {298, 2, 149}, {150, 2, 75}, {151, 2, 76} /* 75.5 */, {153, 2, 76} /* 76.5 */,
        {7, 4, 2},     {5, 4, 1},     {0, 4, 0},
        {-10, 4, -2},  // -2.5
        {-14, 4, -4},  // -3.5
        {-7, 4, -2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DivideRoundHalfEven(c.numerator, c.denominator), c.result) << c.numerator << " / " << c.denominator;
}

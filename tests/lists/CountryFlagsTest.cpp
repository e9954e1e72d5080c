#include "app/CountryFlags.h"

#include <gtest/gtest.h>

TEST(CountryFlagIndex, ExactNamesOnly)
{
    struct Case { const char* name; int index; };
    const Case cases[] = {
        {"Argentina", 1},  {"Spain", 75},      {"spain", 0},      {"Spain ", 0},
        {"", 0},           {"Luxemburg", 102}, {"Luxembourg", 0}, {"UEFA", 25},
        {"Europe", 25},    {"CONMEBOL", 25},   {"Singapoure", 70}, {"Singapore", 0},
        {"FYR of Macedonia", 96}, {"Bosnia", 8}, {"Latvia", 101}, {"USA", 83},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountryFlagIndex(c.name), c.index) << '"' << c.name << '"';
}

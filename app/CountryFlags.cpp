#include "app/CountryFlags.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
using Entry = std::pair<std::string_view, std::int32_t>;

// Names are the service's own spellings ("Singapoure", "Luxemburg", "Bosnia").
// Luxemburg maps to the second copy of its flag (102), so 49 is never produced.
constexpr std::array kFlags = std::to_array<Entry>({
    {"Argentina", 1}, {"Armenia", 2}, {"Australia", 3}, {"Austria", 4}, {"Bahrain", 5},
    {"Belarus", 6}, {"Belgium", 7}, {"Bosnia", 8}, {"Brazil", 9}, {"Bulgaria", 10},
    {"Cameroon", 11}, {"Canada", 12}, {"Chile", 13}, {"China", 14}, {"Colombia", 15},
    {"Costa Rica", 16}, {"Croatia", 17}, {"Cyprus", 18}, {"Czech Republic", 19},
    {"Denmark", 20}, {"Egypt", 21}, {"El Salvador", 22}, {"England", 23}, {"Estonia", 24},
    {"UEFA", 25}, {"Asia", 25}, {"CAF", 25}, {"CONCACAF", 25}, {"CONMEBOL", 25},
    {"Europe", 25}, {"Finland", 26}, {"France", 27}, {"Georgia", 28}, {"Germany", 29},
    {"Greece", 30}, {"Guatemala", 31}, {"Honduras", 32}, {"Hong Kong", 33},
    {"Hungary", 34}, {"Iceland", 35}, {"India", 36}, {"Indonesia", 37}, {"Iran", 38},
    {"Iraq", 39}, {"Ireland", 40}, {"Israel", 41}, {"Italy", 42}, {"Japan", 43},
    {"Jordan", 44}, {"Kazakhstan", 45}, {"Kuwait", 46}, {"Lebanon", 47},
    {"Lithuania", 48}, {"Malaysia", 50}, {"Mexico", 51}, {"Moldova", 52},
    {"Montenegro", 53}, {"Morocco", 54}, {"Netherlands", 55}, {"New Zealand", 56},
    {"Norway", 57}, {"Paraguay", 58}, {"Peru", 59}, {"Philippines", 60}, {"Poland", 61},
    {"Portugal", 62}, {"Qatar", 63}, {"Romania", 64}, {"Russia", 65},
    {"Saudi Arabia", 66}, {"Scotland", 67}, {"Senegal", 68}, {"Serbia", 69},
    {"Singapoure", 70}, {"Slovakia", 71}, {"Slovenia", 72}, {"South Africa", 73},
    {"South Korea", 74}, {"Spain", 75}, {"Sweden", 76}, {"Switzerland", 77},
    {"Thailand", 78}, {"Tunisia", 79}, {"Turkey", 80}, {"Ukraine", 81}, {"UAE", 82},
    {"USA", 83}, {"Uruguay", 84}, {"Uzbekistan", 85}, {"Venezuela", 86}, {"Vietnam", 87},
    {"Wales", 88}, {"Yemen", 89}, {"Andorra", 90}, {"Nigeria", 91}, {"Swaziland", 92},
    {"Algeria", 93}, {"Syria", 94}, {"Malta", 95}, {"FYR of Macedonia", 96},
    {"Albania", 97}, {"Kosovo", 98}, {"Azerbaijan", 99}, {"Uganda", 100}, {"Latvia", 101},
    {"Luxemburg", 102},
});

constexpr auto kSorted = [] {
    auto table = kFlags;
    std::sort(table.begin(), table.end());
    return table;
}();
}  // namespace

std::int32_t CountryFlagIndex(std::string_view name)
{
    const auto it = std::lower_bound(kSorted.begin(), kSorted.end(), Entry{name, 0},
                                     [](const Entry& a, const Entry& b) { return a.first < b.first; });
    return it != kSorted.end() && it->first == name ? it->second : 0;
}

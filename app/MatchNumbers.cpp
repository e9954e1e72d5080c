#include "app/MatchNumbers.h"

#include <charconv>
#include <limits>

TPairParts SplitPair(std::string_view value, std::string_view separator)
{
    if (value == separator)
        return {};
    const std::size_t p = value.find(separator);
    if (p == std::string_view::npos)
        return {{}, value};
    return {value.substr(0, p), value.substr(p + separator.size())};
}

std::int32_t TextToIntOrZero(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    // from_chars takes no "+"; the service may send one on a difference.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

std::int64_t PairSum(std::string_view text)
{
    const TPairParts parts = SplitPair(text, ":");
    return std::int64_t(TextToIntOrZero(parts.first)) + TextToIntOrZero(parts.second);
}

std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    const std::int64_t remainder = numerator % denominator;  // same sign as the numerator
    const std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    const std::int64_t away = numerator < 0 ? -1 : 1;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += away;
    return quotient;
}

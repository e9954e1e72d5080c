#pragma once
// Index into the flag image list for a competition's country name.
#include <cstdint>
#include <string_view>

// 0 (a basketball) for any name not known; names match exactly, case and all.
std::int32_t CountryFlagIndex(std::string_view name);

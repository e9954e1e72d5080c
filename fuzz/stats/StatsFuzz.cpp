// A statistics document into the Stats page: header, odds, league tables,
// recent results and forecast labels; no crash, no read outside the document,
// memory bounded (run with -rss_limit_mb).
#include "fuzz/common/FuzzForm.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The window is built before the first input, outside its time limit.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzForm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TForm1& form = FuzzForm();
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    form.FillMatchDetails(body, QStringLiteral("1.85"), QStringLiteral("1.95"));
    return 0;
}

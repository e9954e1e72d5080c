// A list document into the upcoming lists (RX, RG) or the live list (LG and
// the recommended bets): no crash, no read outside the document, and memory
// bounded by the row cap (run with -rss_limit_mb).
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
    if (size == 0)
        return 0;
    TForm1& form = FuzzForm();
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        form.RX->ClearRows();
        form.RG->ClearRows();
        form.FillLineMatches(body);
    } else {
        // Seen recommendations would pile up over the runs.
        form.LG->ClearRows();
        form.LGG->ClearRows();
        form.ListBox1->clear();
        form.FillLiveMatches(body);
    }
    return 0;
}

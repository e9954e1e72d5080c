// A list document cannot take more rows than the cap, however many records
// it holds; the count label says when a list was cut.
#include "ListsFixture.h"
#include "app/ListCells.h"

namespace {

struct CapCase {
    const char* label;
    bool live;
    int records;
    int rows;
    const char* caption;
    friend void PrintTo(const CapCase& c, std::ostream* os) { *os << c.label; }
};

class RowCapTest : public ListsTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(RowCapTest, CutsAtTheCapAndSaysSo)
{
    const CapCase& c = GetParam();
    std::string body;
    for (int i = 0; i < c.records; ++i)
        body += "<match></match>";
    if (c.live) {
        form->FillLiveMatches(body);
        EXPECT_EQ(form->LG->RowCount(), c.rows);
        EXPECT_EQ(form->lcount->Caption(), c.caption);
    } else {
        form->FillLineMatches(body);
        EXPECT_EQ(form->RX->RowCount(), c.rows);
        EXPECT_EQ(form->RG->RowCount(), c.rows);
        EXPECT_EQ(form->countsoon->Caption(), c.caption);
        EXPECT_EQ(form->countsoon2->Caption(), c.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowCapTest,
    ::testing::Values(CapCase{"line_at_the_cap", false, kMaxListRows, kMaxListRows, "Count: 20000"},
                      CapCase{"line_over_the_cap", false, kMaxListRows + 5000, kMaxListRows,
                              "Count: 20000 (list cut at 20000)"},
                      CapCase{"live_over_the_cap", true, kMaxListRows + 1, kMaxListRows,
                              "Count: 20000 (list cut at 20000)"}),
    [](const auto& testCase) { return testCase.param.label; });

} // namespace

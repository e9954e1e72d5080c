// The column store: cells stay in row order and keep their rare fields (hint,
// data) through every row operation, across the borders of its chunks.
#include "grid/DgCellClasses.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

// Every operation of the chunked list against a vector, at sizes that end
// inside the small chunks, on their borders and among the full-size ones.
class ChunksTest : public ::testing::TestWithParam<int> {
protected:
    void Expect(const TCellChunks<int>& chunks, const std::vector<int>& model)
    {
        ASSERT_EQ(chunks.size(), model.size());
        for (std::size_t i = 0; i < model.size(); ++i)
            ASSERT_EQ(chunks[i], model[i]) << "slot " << i;
    }
};

TEST_P(ChunksTest, KeepsOrderThroughEveryOperation)
{
    const int n = GetParam();
    TCellChunks<int> chunks;
    std::vector<int> model(static_cast<std::size_t>(n));
    std::iota(model.begin(), model.end(), 0);
    for (int i = 0; i < n; ++i)
        chunks.emplace_back() = i;
    Expect(chunks, model);

    for (std::size_t pos : {std::size_t(0), model.size() / 2, model.size()}) {
        chunks.insert(pos) = -1;
        model.insert(model.begin() + std::ptrdiff_t(pos), -1);
    }
    Expect(chunks, model);
    for (std::size_t pos : {model.size() - 1, model.size() / 3, std::size_t(0)}) {
        chunks.erase(pos);
        model.erase(model.begin() + std::ptrdiff_t(pos));
    }
    Expect(chunks, model);

    chunks.reverse();
    std::reverse(model.begin(), model.end());
    Expect(chunks, model);

    std::vector<int> order(model.size());
    std::iota(order.begin(), order.end(), 0);
    std::rotate(order.begin(), order.begin() + std::ptrdiff_t(order.size() / 3), order.end());
    std::vector<int> permuted;
    for (int i : order)
        permuted.push_back(model[std::size_t(i)]);
    chunks.permute(order);
    Expect(chunks, permuted);

    chunks.pop_back();
    EXPECT_EQ(chunks.emplace_back(), 0) << "a reused slot starts empty";
    chunks.clear();
    EXPECT_EQ(chunks.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChunksTest, ::testing::Values(1, 15, 16, 17, 32, 1023, 1024, 1025, 5000));

TEST(CellStore, HintsAndDataFollowTheirCells)
{
    TCells cells;
    cells.InsertColumn(0, ctString);
    const std::vector<TCells::TNewCell> look(1);
    cells.AppendRows(3000, look);
    int tag = 0;
    for (int r : {0, 1500, 2999}) {
        cells.SetString(0, r, QString::number(r));
        cells.Cell(0, r).SetHint(QStringLiteral("hint %1").arg(r));
    }
    cells.Cell(0, 1500).SetData(&tag);

    cells.InsertRow(0, look);
    cells.AppendRows(2, look);
    cells.DeleteRow(1);  // the old row 0
    cells.Reverse();
    std::vector<int> order(std::size_t(cells.RowCount()));
    std::iota(order.begin(), order.end(), 0);
    std::rotate(order.begin(), order.begin() + 100, order.end());
    cells.Permute(order);

    int found = 0;
    for (int r = 0; r < cells.RowCount(); ++r) {
        TCell cell = cells.Cell(0, r);
        const QString text = cell.AsString();
        EXPECT_EQ(cell.Hint(), text.isEmpty() ? QString() : QStringLiteral("hint ") + text) << "row " << r;
        EXPECT_EQ(cell.Data(), text == QLatin1String("1500") ? &tag : nullptr) << "row " << r;
        found += text.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(found, 2) << "the deleted row took its hint with it";
}

}  // namespace

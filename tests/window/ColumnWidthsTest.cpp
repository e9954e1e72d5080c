// Column widths the user sets are there again at the next start, kept in
// the program's settings file; a saved width that no longer fits the grid is
// left out.
#include "WindowFixture.h"

#include "ui/GridLayout.h"

#include <QSettings>
#include <vector>

namespace {

// A window whose settings file is hoopline.conf in the test's folder.
class WidthsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        folders.config = QDir::currentPath();
    }
    QSettings Settings() const { return QSettings(folders.SettingsFile(), QSettings::IniFormat); }
};

std::vector<int> Widths(const TDataGrid& grid)
{
    std::vector<int> widths;
    for (int c = 0; c < grid.Columns().Count(); ++c)
        widths.push_back(grid.Columns()[c]->Width());
    return widths;
}

std::vector<int> LayoutWidths(const char* gridName)
{
    std::vector<int> widths;
    for (const TColumnLayout& column : FindGridLayout(QString::fromLatin1(gridName))->Columns)
        widths.push_back(column.Width);
    return widths;
}

}  // namespace

// ---- applying saved widths ----

struct SavedCase {
    const char* name;
    const char* column;  // the key's column name in LG
    QVariant saved;
    int index;           // the column that changes, -1 for none
    int width;
    friend void PrintTo(const SavedCase& c, std::ostream* os) { *os << c.name; }
};

class SavedWidthTest : public WidthsTest, public ::testing::WithParamInterface<SavedCase> {};

TEST_P(SavedWidthTest, AppliedAtStartWhenUsable)
{
    const SavedCase& c = GetParam();
    Settings().setValue(QStringLiteral("ColumnWidths/LG/") + QLatin1String(c.column), c.saved);
    TForm1& f = Open();

    std::vector<int> expected = LayoutWidths("LG");
    if (c.index >= 0)
        expected[std::size_t(c.index)] = c.width;
    EXPECT_EQ(Widths(*f.LG), expected);
    for (int col = 0; col < f.LG->Columns().Count(); ++col)
        EXPECT_EQ(f.LG->Columns()[col]->Visible(), FindGridLayout(u"LG")->Columns[std::size_t(col)].Visible)
            << "column " << col;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, SavedWidthTest,
    ::testing::Values(SavedCase{"Saved", "DgTextColumn68", 45, 10, 45},
                      SavedCase{"ColumnNoLongerThere", "DgTextColumn999", 60, -1, 0},
                      SavedCase{"BelowMinWidth", "DgTextColumn68", 5, -1, 0},
                      SavedCase{"NotANumber", "DgTextColumn68", QStringLiteral("wide"), -1, 0},
                      SavedCase{"HiddenColumnStaysHidden", "DgTextColumn26", 90, 0, 90}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- the user's own widths ----

struct ResizeCase {
    const char* name;
    const char* grid;
    int page;
    int column;
    int dragBy;  // 0: a double click on the border fits the column instead
    friend void PrintTo(const ResizeCase& c, std::ostream* os) { *os << c.name; }
};

class ResizedWidthTest : public WidthsTest, public ::testing::WithParamInterface<ResizeCase> {
protected:
    TDataGrid& ShownGrid(const ResizeCase& c)
    {
        Open();
        form->Page->SetActivePageIndex(c.page);
        auto* grid = form->findChild<TDataGrid*>(QLatin1String(c.grid));
        EXPECT_TRUE(grid && grid->isVisible());
        return *grid;
    }
};

TEST_P(ResizedWidthTest, RestoredAtTheNextStart)
{
    const ResizeCase& c = GetParam();
    TDataGrid& grid = ShownGrid(c);
    const std::vector<int> before = Widths(grid);
    const QRect header = grid.HeaderRect(c.column);
    const QPoint border(header.left() + header.width() - 1, header.height() / 2);
    if (c.dragBy != 0) {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(grid.viewport(), border + QPoint(c.dragBy, 0));
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, border + QPoint(c.dragBy, 0));
    } else {
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, border);
    }
    const std::vector<int> set = Widths(grid);
    ASSERT_NE(set, before);
    EXPECT_TRUE(Settings().childGroups().contains(QStringLiteral("ColumnWidths")));

    form.reset();
    EXPECT_EQ(Widths(ShownGrid(c)), set);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, ResizedWidthTest,
    ::testing::Values(ResizeCase{"OddsColumnDragged", "LG", TForm1::pgLive, 7, 15},
                      ResizeCase{"AutoSizedColumnDragged", "RX", TForm1::pgStats, 5, 20},
                      ResizeCase{"BorderDoubleClicked", "LG", TForm1::pgLive, 18, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

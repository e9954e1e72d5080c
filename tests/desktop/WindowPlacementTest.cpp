// Where a window lands on the screens there are: wholly on one, never off them.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* name;
    QRect wanted;
    QList<QRect> areas;  // available areas, the primary screen's first
    QRect placed;
    friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
};

class FitOnScreensTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitOnScreensTest, LiesWhollyOnOneScreen)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(FitOnScreens(c.wanted, c.areas), c.placed);
}

const QRect kFullHd(0, 0, 1920, 1040);          // 1920 x 1080 less a panel
const QRect kRightOfIt(1920, 0, 1280, 1024);
const QRect kLeftOfIt(-1600, 200, 1600, 900);
const QRect kScaledSmall(0, 0, 800, 570);       // 1600 x 1200 at scale 2, less a panel

INSTANTIATE_TEST_SUITE_P(
    Table, FitOnScreensTest,
    ::testing::Values(
        FitCase{"InsideStays", QRect(100, 80, 1017, 684), {kFullHd}, QRect(100, 80, 1017, 684)},
        FitCase{"OffRightEdgeMovesBack", QRect(1500, 100, 1017, 684), {kFullHd}, QRect(903, 100, 1017, 684)},
        FitCase{"AboveTopMovesDown", QRect(200, -50, 1017, 684), {kFullHd}, QRect(200, 0, 1017, 684)},
        FitCase{"LargerThanScreenShrinks", QRect(-108, -57, 1017, 684), {kScaledSmall}, QRect(0, 0, 800, 570)},
        FitCase{"WiderOnlyKeepsHeight", QRect(50, 10, 1000, 400), {kScaledSmall}, QRect(0, 10, 800, 400)},
        FitCase{"OnSecondScreenStays", QRect(2000, 100, 1017, 684), {kFullHd, kRightOfIt},
                QRect(2000, 100, 1017, 684)},
        FitCase{"StraddlingGoesToTheLargerPart", QRect(1700, 100, 1017, 684), {kFullHd, kRightOfIt},
                QRect(1920, 100, 1017, 684)},
        FitCase{"ScreenGoneFallsToPrimary", QRect(2500, 300, 1017, 684), {kFullHd}, QRect(903, 300, 1017, 684)},
        FitCase{"NegativeScreenToTheLeft", QRect(-1700, 150, 1017, 684), {kFullHd, kLeftOfIt},
                QRect(-1600, 200, 1017, 684)},
        FitCase{"NoScreenKnown", QRect(5, 6, 70, 80), {}, QRect(5, 6, 70, 80)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace

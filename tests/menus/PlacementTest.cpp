// Where a popup opens for its anchor and work area, and which character of a
// caption is its accelerator.
#include "skin/SkinMenus.h"

#include <gtest/gtest.h>

namespace {
struct PlacementCase {
    const char* name;
    QRect anchor;
    QSize size;
    QRect workArea;
    int itemsTop;
    bool subMenu, upward, screenScroll;
    QPoint pos;
    bool overlap;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class Placement : public ::testing::TestWithParam<PlacementCase> {};

const QRect kScreen(0, 0, 800, 600);
const QRect kLow(0, 0, 800, 200);

const PlacementCase kCases[] = {
    {"below a point", {100, 100, 0, 0}, {100, 79}, kScreen, 6, false, false, false, {100, 100}, false},
    {"below the system icon", {45, 44, 16, 16}, {100, 79}, kScreen, 6, false, false, false, {45, 60}, false},
    {"lower half, no room below: ends at the point", {100, 580, 0, 0}, {100, 146}, kScreen, 6, false, false, false,
     {100, 434}, false},
    {"right edge: shifted left", {750, 100, 0, 0}, {100, 79}, kScreen, 6, false, false, false, {700, 100}, false},
    {"left of the work area: shifted right", {10, 100, 0, 0}, {100, 79}, QRect(50, 0, 750, 600), 6, false, false,
     false, {50, 100}, false},
    {"upper half, no room below: bottom of the area, beside", {100, 90, 0, 0}, {100, 150}, kLow, 6, false, false,
     false, {101, 50}, true},
    {"lower half, no room either way: top of the area", {100, 150, 0, 0}, {100, 180}, kLow, 6, false, false, false,
     {101, 0}, true},
    {"beside at the right edge goes left of the anchor", {750, 90, 0, 0}, {100, 150}, kLow, 6, false, false, false,
     {649, 50}, true},
    {"submenu: first item level with its parent", {200, 100, 150, 20}, {100, 79}, kScreen, 6, true, false, false,
     {351, 94}, false},
    {"submenu at the right edge opens to the left", {700, 100, 90, 20}, {100, 79}, kScreen, 6, true, false, false,
     {599, 94}, false},
    {"submenu low on the screen ends level with its parent", {200, 560, 150, 20}, {100, 79}, kScreen, 6, true, false,
     false, {351, 507}, false},
    {"submenu high in a short area sits on the bottom", {200, 40, 150, 20}, {100, 79}, QRect(0, 0, 800, 100), 6,
     true, false, false, {351, 21}, false},
    {"upward with room above", {100, 300, 50, 20}, {100, 79}, kScreen, 6, false, true, false, {100, 221}, false},
    {"upward without room above drops below", {100, 50, 50, 20}, {100, 79}, kScreen, 6, false, true, false,
     {100, 70}, false},
    {"taller than the area: from its top, beside", {100, 50, 0, 0}, {100, 600}, kScreen, 16, false, false, true,
     {101, 0}, true},
};

TEST_P(Placement, FollowsTheAnchorInsideTheWorkArea)
{
    const PlacementCase& c = GetParam();
    TskPopupPlacementInput in;
    in.Anchor = c.anchor;
    in.Size = c.size;
    in.WorkArea = c.workArea;
    in.ItemsTop = c.itemsTop;
    in.SubMenu = c.subMenu;
    in.Upward = c.upward;
    in.ScreenScroll = c.screenScroll;
    const TskPopupPlacement got = PlacePopup(in);
    EXPECT_EQ(got.Pos, c.pos);
    EXPECT_EQ(got.Overlap, c.overlap);
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement, ::testing::ValuesIn(kCases));

TEST(MenuAccelerator, IsTheCharacterAfterTheLastSingleAmpersand)
{
    const std::pair<const char*, QChar> cases[] = {
        {"Mi&nimize", u'n'}, {"&Close", u'C'},     {"Plain", QChar()},  {"Salt && Pepper", QChar()},
        {"&a&b", u'b'},      {"&Fish && &Chips", u'C'}, {"Trailing&", QChar()}, {"&&&x", u'x'},
    };
    for (const auto& [caption, expected] : cases)
        EXPECT_EQ(MenuAccelerator(QString::fromLatin1(caption)), expected) << caption;
}
}  // namespace

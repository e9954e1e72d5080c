// The skinned page control: tab pictures and colours by state, hidden tabs,
// the page background, and scrolling the tab row with the up-down control.
#include "SkinFixture.h"
#include "skin/SkinTabs.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A 9 x 9 tab border with a 3 x 3 client piece, 6 x 4 tab pictures, coded colours.
const QByteArray kTab =
    "[SKINCONTROLS]\r\ncount=2\r\n0=tab:tab\r\n1=updown:updown\r\n"
    "[tab]\r\npictureindex=0\r\nskinrect=0,10,9,19\r\nclientrect=3,3,6,6\r\n"
    "lefttoppoint=3,3\r\nrighttoppoint=6,3\r\nleftbottompoint=3,6\r\nrightbottompoint=6,6\r\n"
    "tabrect=10,20,16,24\r\nactivetabrect=16,20,22,24\r\nfocustabrect=22,20,28,24\r\n"
    "tableftoffset=2\r\ntabrightoffset=2\r\ntabsbgrect=30,20,32,22\r\n"
    "fontcolor=255\r\nactivefontcolor=65280\r\nfocusfontcolor=16711680\r\n"
    "mouseinfontcolor=65535\r\nupdown=updown\r\n"
    "[updown]\r\npictureindex=0\r\nskinrect=0,25,10,29\r\n"
    "upbuttonrect=5,0,10,4\r\ndownbuttonrect=0,0,5,4\r\n"
    "downupbuttonrect=30,25,35,29\r\ndowndownbuttonrect=30,25,35,29\r\n";

class SkinTabs : public ::testing::Test {
   protected:
    void SetUp() override
    {
        host.resize(500, 300);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    TskSkinPageControl* Pages(TskSkinData* skin, std::initializer_list<const char*> captions,
                              int width = 400)
    {
        auto* pages = new TskSkinPageControl(&host);
        pages->setGeometry(0, 0, width, 200);
        pages->SetSkinData(skin);
        for (const char* caption : captions)
            (new TskSkinTabSheet(pages))->SetCaption(QString::fromLatin1(caption));
        pages->show();
        return pages;
    }
    // The picture x the tab's top-left pixel came from: which state picture it shows.
    static int TabPictureX(TskSkinPageControl* pages, int i)
    {
        const QRect r = pages->TabRect(i);
        return SourceOf(Shot(*pages).pixel(r.left(), r.top())).x();
    }
    std::unique_ptr<TskSkinData> coded = SyntheticSkin(kTab);
    QWidget host;
};

TEST_F(SkinTabs, TabHeightComesFromTheSkinOrTheDefault)
{
    auto orange = OrangeSkin();
    struct Case {
        const char* name;
        TskSkinData* skin;
        int tabHeight;
        int expected;
    };
    const Case cases[] = {
        {"stored skin", orange.get(), 0, 18},
        {"no skin", nullptr, 0, 20},
        {"own height", orange.get(), 25, 25},
    };
    for (const Case& c : cases) {
        TskSkinPageControl* pages = Pages(c.skin, {"A", "B"});
        pages->SetTabHeight(c.tabHeight);
        EXPECT_EQ(pages->ItemHeight(), c.expected) << c.name;
        EXPECT_EQ(pages->TabRect(1).height(), c.expected) << c.name;
        delete pages;
    }
    // The stored skin leaves 3 pixels of border round the pages.
    TskSkinPageControl* pages = Pages(orange.get(), {"A"});
    EXPECT_EQ(pages->DisplayRect(), QRect(3, 21, 394, 176));
}

TEST_F(SkinTabs, EachTabShowsItsStatePictureAndColour)
{
    TskSkinPageControl* pages = Pages(coded.get(), {"One", "Two", "Three"});
    pages->SetActivePageIndex(1);
    EXPECT_EQ(TabPictureX(pages, 0), 10);
    EXPECT_EQ(TabPictureX(pages, 1), 16) << "active";
    EXPECT_EQ(pages->TabFont(false, false).Color, TColor(255));
    EXPECT_EQ(pages->TabFont(true, false).Color, TColor(65280));

    // Hovered: same picture (no hover rect), the mouse-in colour.
    QTest::mouseMove(pages, pages->TabRect(2).center());
    EXPECT_EQ(pages->HotTab(), 2);
    EXPECT_EQ(TabPictureX(pages, 2), 10);
    EXPECT_EQ(pages->TabFont(false, true).Color, TColor(65535));
    EXPECT_EQ(pages->TabFont(true, true).Color, TColor(65280)) << "the active tab keeps its colour";

    // Focused: the focus picture and colour for the active tab.
    pages->setFocus();
    ASSERT_TRUE(pages->hasFocus());
    EXPECT_EQ(TabPictureX(pages, 1), 22);
    EXPECT_EQ(pages->TabFont(true, false).Color, TColor(16711680));

    // The stored skin: white on the active picture, black while focused.
    auto orange = OrangeSkin();
    pages->SetSkinData(orange.get());
    EXPECT_EQ(pages->TabFont(true, false).Color, TColor(0));
    pages->clearFocus();
    EXPECT_EQ(pages->TabFont(true, false).Color, TColor(0xFFFFFF));
    EXPECT_EQ(pages->TabFont(false, true).Color, TColor(0xFF8000));
}

TEST_F(SkinTabs, HiddenTabsCountByVisibleIndex)
{
    TskSkinPageControl* pages = Pages(coded.get(), {"One", "Two", "Three"});
    pages->Pages(1)->SetTabVisible(false);
    EXPECT_EQ(pages->VisiblePages().size(), 2);
    EXPECT_TRUE(pages->TabRect(2).isEmpty());
    pages->SetActivePageIndex(2);
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_EQ(pages->TabRect(1).left(), pages->TabRect(0).right() + 1) << "closes the gap";
    EXPECT_EQ(TabPictureX(pages, 1), 16) << "the active picture at the visible index";
    EXPECT_EQ(TabPictureX(pages, 0), 10);
}

TEST_F(SkinTabs, PagesAndAnEmptyControlShowTheTiledClientPiece)
{
    // Client piece: picture 3..5 x 13..15, tiled from each page's corner.
    TskSkinPageControl* pages = Pages(coded.get(), {"One"});
    const QImage page = Shot(*pages->Pages(0));
    EXPECT_EQ(Line(page, 0, true).substr(0, 17), "3 4 5 3 4 5 3 4 5");
    EXPECT_EQ(Line(page, 0, false).substr(0, 17), "13 14 15 13 14 15");

    TskSkinPageControl* empty = Pages(coded.get(), {});
    const QImage img = Shot(*empty);
    EXPECT_EQ(Line(img, 0, true).substr(0, 11), "3 4 5 3 4 5");
    EXPECT_EQ(Line(img, 5, true).substr(0, 11), "3 4 5 3 4 5");
}

TEST_F(SkinTabs, UpDownAppearsOnlyWhileTabsAreHiddenAndScrollsTheRow)
{
    auto orange = OrangeSkin();
    TskSkinPageControl* pages =
        Pages(orange.get(), {"About", "Stats", "Live", "Radar", "Report"}, 400);
    EXPECT_EQ(pages->TabScroller(), nullptr);

    pages->resize(150, 200);
    TskSkinUpDown* scroller = pages->TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->size(), QSize(29, 16)) << "sized by [hupdown]";
    EXPECT_EQ(scroller->pos(), QPoint(150 - 29, 0));
    EXPECT_EQ(scroller->Position(), 0);
    const int max = scroller->Max();
    EXPECT_GT(max, 0);

    QTest::mouseClick(scroller, Qt::LeftButton, {}, scroller->UpButtonRect().center());
    EXPECT_EQ(pages->FirstTab(), 1);
    EXPECT_EQ(pages->TabRect(1).left(), 0) << "the second tab now starts the row";
    for (int i = 0; i < max + 3; ++i)
        QTest::mouseClick(scroller, Qt::LeftButton, {}, scroller->UpButtonRect().center());
    EXPECT_EQ(scroller->Position(), max) << "steps past Max are ignored";
    EXPECT_EQ(pages->FirstTab(), max);

    pages->resize(450, 200);
    EXPECT_EQ(pages->TabScroller(), nullptr);
    EXPECT_EQ(pages->FirstTab(), 0);
}

TEST_F(SkinTabs, UpDownStepsWithinItsRangeAndRepeatsWhileHeld)
{
    TskSkinUpDown updown(&host);
    updown.SetSkinData(coded.get());
    updown.SetSkinDataName(QStringLiteral("updown"));
    updown.show();
    EXPECT_EQ(updown.size(), QSize(10, 4));
    updown.SetMax(2);
    int changes = 0, ups = 0, downs = 0;
    updown.OnChange = [&](QObject*) { ++changes; };
    updown.OnUpButtonClick = [&](QObject*) { ++ups; };
    updown.OnDownButtonClick = [&](QObject*) { ++downs; };
    const QPoint up = updown.UpButtonRect().center();
    const QPoint down = updown.DownButtonRect().center();

    QTest::mouseClick(&updown, Qt::LeftButton, {}, down);
    EXPECT_EQ(updown.Position(), 0) << "below Min: ignored";
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(downs, 1);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(&updown, Qt::LeftButton, {}, up);
    EXPECT_EQ(updown.Position(), 2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(ups, 3);

    // Pressed and held: the pressed picture, then steps after the delay.
    updown.SetMax(100);
    QTest::mousePress(&updown, Qt::LeftButton, {}, up);
    EXPECT_EQ(SourceOf(Shot(updown).pixel(6, 1)).x(), 31) << "the pressed up picture";
    QTest::qWait(300);
    EXPECT_EQ(updown.Position(), 2) << "no repeat before 500 ms";
    QTest::qWait(900);
    EXPECT_GE(updown.Position(), 4);
    const int held = updown.Position();
    QTest::mouseRelease(&updown, Qt::LeftButton, {}, up);
    EXPECT_EQ(updown.Position(), held + 1) << "release steps once more";

    // Released away from the button: no step, no click.
    QTest::mousePress(&updown, Qt::LeftButton, {}, up);
    QTest::mouseRelease(&updown, Qt::LeftButton, {}, down);
    EXPECT_EQ(updown.Position(), held + 1);
}

}  // namespace

// Skinned panels, labels and splitters drawn from a skin: the size rule and
// picture of every resize mode, fonts and colours, and the built-in looks.
#include "SkinFixture.h"
#include "skin/SkinCtrls.h"
#include "toolkit/Dialogs.h"

#include <QEnterEvent>
#include <QTest>
#include <set>
#include <gtest/gtest.h>

namespace {

// Picture 0 is coded; the rects below are cut from it.
const QByteArray kControls =
    "[SKINCONTROLS]\r\ncount=8\r\n0=nine:panel\r\n1=strip:panel\r\n2=column:panel\r\n"
    "3=fixed:panel\r\n4=blank:panel\r\n5=lost:panel\r\n6=tabdef:tab\r\n7=lab:label\r\n"
    "[nine]\r\npictureindex=0\r\nskinrect=1,1,8,7\r\nlefttoppoint=3,2\r\nrighttoppoint=5,3\r\n"
    "leftbottompoint=2,3\r\nrightbottompoint=4,4\r\nclientrect=2,1,5,4\r\n"
    "[strip]\r\npictureindex=0\r\nskinrect=10,0,16,2\r\nlefttoppoint=2,0\r\nrighttoppoint=5,0\r\n"
    "clientrect=1,0,5,2\r\n"
    "[column]\r\npictureindex=0\r\nskinrect=20,0,22,5\r\nlefttoppoint=0,1\r\nleftbottompoint=0,"
    "3\r\n"
    "[fixed]\r\npictureindex=0\r\nskinrect=30,0,33,2\r\n"
    "[blank]\r\npictureindex=0\r\n"
    "[lost]\r\npictureindex=5\r\nskinrect=1,1,8,7\r\nlefttoppoint=3,2\r\nrighttoppoint=5,3\r\n"
    "leftbottompoint=2,3\r\nrightbottompoint=4,4\r\nclientrect=2,1,5,4\r\n"
    "[tabdef]\r\npictureindex=0\r\nskinrect=1,1,8,7\r\n"
    "[lab]\r\npictureindex=0\r\nskinrect=10,0,16,2\r\nlefttoppoint=2,0\r\nrighttoppoint=5,0\r\n"
    "clientrect=1,0,5,2\r\nfontname=Courier\r\nfontheight=20\r\nfontstyle=fsbold\r\n"
    "fontcolor=255\r\n";

class SkinCtrls : public ::testing::Test {
   protected:
    void SetUp() override
    {
        host.resize(300, 200);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    std::unique_ptr<TskSkinData> skin = SyntheticSkin(kControls);
    QWidget host;
};

TEST_F(SkinCtrls, EachResizeModeHasItsSizeRuleAndPicture)
{
    struct Case {
        const char* name;
        TskResizeMode mode;
        QSize size;  // after asking for 12 x 9
        QSize calc;  // proposing 30 x 40
        const char* row0;
        const char* column0;
    };
    const Case cases[] = {
        {"nine", rmNinePiece, {12, 9}, {30, 40}, "1 2 3 4 5 4 5 4 5 4 6 7", "1 2 3 3 3 3 4 5 6"},
        {"strip", rmHorizontal, {12, 2}, {30, 2}, "10 11 12 13 14 12 13 14 12 13 14 15", "0 1"},
        {"column", rmVertical, {2, 9}, {2, 40}, "20 21", "0 1 2 1 2 1 2 3 4"},
        {"fixed", rmFixed, {3, 2}, {3, 2}, "30 31 32", "0 1"},
        {"blank", rmNone, {12, 9}, {30, 40}, ". . . . . . . . . . . .", ". . . . . . . . ."},
        {"lost", rmNinePiece, {12, 9}, {30, 40}, ". . . . . . . . . . . .", ". . . . . . . . ."},
    };
    for (const Case& c : cases) {
        auto* panel = new TskSkinPanel(&host);
        panel->SetBorderStyle(bvFrame);
        panel->SetSkinDataName(QString::fromLatin1(c.name));
        panel->SetSkinData(skin.get());
        panel->setGeometry(5, 5, 12, 9);
        EXPECT_EQ(panel->ResizeMode(), c.mode) << c.name;
        EXPECT_EQ(panel->size(), c.size) << c.name;
        EXPECT_EQ(panel->CalcSkinSize({30, 40}), c.calc) << c.name;
        const QImage img = Shot(*panel);
        EXPECT_EQ(Line(img, 0, true), c.row0) << c.name;
        EXPECT_EQ(Line(img, 0, false), c.column0) << c.name;
        delete panel;
    }
}

TEST_F(SkinCtrls, PanelsTileTheClientPieceAndPlaceChildrenInside)
{
    auto* panel = new TskSkinPanel(&host);
    panel->SetSkinDataName(QStringLiteral("nine"));
    panel->SetSkinData(skin.get());
    panel->setGeometry(0, 0, 12, 9);
    auto* child = new QWidget(panel);
    SetAlign(child, alClient);
    AlignControls(panel);
    // Client rect 2,1 .. 5,4 of the 7 x 6 picture: 2 left, 1 top, 2 right, 2 bottom.
    EXPECT_EQ(child->geometry(), QRect(2, 1, 8, 6));
    EXPECT_EQ(panel->SkinClientRect(), QRect(2, 1, 8, 6));
    // Client piece 3..5 x 2..4 tiled from the client rect's corner, frame around.
    EXPECT_EQ(Line(Shot(*panel), 2, true), "1 2 3 4 5 3 4 5 3 4 6 7");

    // Frameless: the client piece over the whole panel, children too.
    panel->SetBorderStyle(bvNone);
    EXPECT_EQ(child->geometry(), QRect(0, 0, 12, 9));
    EXPECT_EQ(Line(Shot(*panel), 0, true), "3 4 5 3 4 5 3 4 5 3 4 5");
}

TEST_F(SkinCtrls, WrongOrMissingDefinitionsGiveTheBuiltInLook)
{
    const QColor face = ColorToQColor(clBtnFace);
    const QColor shadow = ColorToQColor(clBtnShadow);
    for (const char* name : {"tabdef", "nosuchname"}) {
        TskSkinPanel panel(&host);
        panel.SetSkinDataName(QString::fromLatin1(name));
        panel.SetSkinData(skin.get());
        panel.setGeometry(0, 0, 20, 10);
        EXPECT_EQ(panel.SkinIndex(), -1) << name;
        const QImage img = Shot(panel);
        EXPECT_EQ(img.pixelColor(5, 5), face) << name;
        EXPECT_EQ(img.pixelColor(0, 0), shadow) << name;
        EXPECT_EQ(img.pixelColor(19, 9), shadow) << name;
    }
    // A panel that names no skin data keeps its look once a skin is loaded.
    TskSkinPanel plain(&host);
    plain.setGeometry(0, 0, 20, 10);
    auto orange = OrangeSkin();
    plain.SkinChanged();
    EXPECT_EQ(Shot(plain).pixelColor(5, 5), face);
    EXPECT_EQ(Shot(plain).pixelColor(0, 5), shadow);

    // Nothing to paint at zero size, and no crash.
    TskSkinPanel empty(&host);
    empty.SetSkinData(skin.get());
    empty.SetSkinDataName(QStringLiteral("nine"));
    empty.setGeometry(0, 0, 0, 5);
    empty.repaint();
}

TEST_F(SkinCtrls, LabelTakesTheStripHeightAndKeepsItWhileUsingTheSkinSize)
{
    auto orange = OrangeSkin();
    TskSkinLabel label(&host);
    label.setGeometry(0, 0, 110, 19);
    label.SetSkinData(orange.get());
    EXPECT_EQ(label.height(), 18);
    label.setGeometry(0, 0, 120, 30);
    EXPECT_EQ(label.size(), QSize(120, 18));
    EXPECT_EQ(label.SkinClientRect(), QRect(3, 2, 113, 14));

    label.SetUseSkinSize(false);
    label.setGeometry(0, 0, 120, 30);
    EXPECT_EQ(label.height(), 30);
    EXPECT_EQ(label.SkinClientRect(), QRect(3, 2, 113, 26));
}

TEST_F(SkinCtrls, LabelFontFollowsTheSkinOrItsOwnSettings)
{
    const TFontDesc own{QStringLiteral("Arial"), 12, fsBold, 0x000080};
    struct Case {
        const char* name;
        const char* skinName;
        bool useSkinFont;
        bool useSkinFontColor;
        TFontDesc expected;
    };
    const Case cases[] = {
        {"skin font and colour", "lab", true, true, {QStringLiteral("Courier"), 20, fsBold, 255}},
        {"own font, skin colour", "lab", false, true, {own.Name, own.Height, own.Style, 255}},
        {"own font and colour", "lab", false, false, own},
        {"skin font, own colour",
         "lab",
         true,
         false,
         {QStringLiteral("Courier"), 20, fsBold, own.Color}},
        {"no definition", "nosuchname", true, true, own},
    };
    for (const Case& c : cases) {
        TskSkinLabel label(&host);
        label.SetDefaultFont(own);
        label.SetSkinDataName(QString::fromLatin1(c.skinName));
        label.SetSkinData(skin.get());
        label.SetUseSkinFont(c.useSkinFont);
        label.SetUseSkinFontColor(c.useSkinFontColor);
        EXPECT_EQ(label.CaptionFont(), c.expected) << c.name;
    }
}

TEST_F(SkinCtrls, LabelCaptionIsCentredInTheClientRectAndAutoSizeWidens)
{
    auto orange = OrangeSkin();
    TskSkinLabel label(&host);
    label.SetSkinData(orange.get());
    label.SetDefaultFont({QStringLiteral("Arial"), 14, 0, 0x0000FF});
    label.SetUseSkinFontColor(false);
    label.SetAlignment(taCenter);
    label.SetCaption(QStringLiteral("Count: 0"));
    label.setGeometry(0, 0, 110, 18);
    const QImage img = Shot(label);
    // Red text about the middle.
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (const QRgb c = img.pixel(x, y);
                qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0);
    EXPECT_LE(std::abs((left + right) / 2 - 55), 3);

    label.SetAutoSize(true);
    label.SetCaption(QStringLiteral("A much longer caption than the label"));
    const int textWidth =
        QFontMetrics(MakeFont(label.CaptionFont())).horizontalAdvance(label.Caption());
    EXPECT_EQ(label.SkinClientRect().width(), textWidth);
}

TEST_F(SkinCtrls, DisabledStandardLabelIsEmbossed)
{
    TskSkinStdLabel label(&host);
    label.SetCaption(QStringLiteral("PASSWORD:"));
    auto orange = OrangeSkin();
    label.SetSkinData(orange.get());
    EXPECT_EQ(label.DrawFont(), (TFontDesc{QStringLiteral("Arial"), 14, 0, 0}));
    auto colours = [&] {
        QImage img(label.size(), QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 255));
        label.render(&img, {}, {}, QWidget::DrawChildren);
        std::set<QRgb> seen;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                seen.insert(img.pixel(x, y));
        return seen;
    };
    const QRgb highlight = ColorToQColor(orange->SkinColors().cbtnhighlight).rgb();
    const QRgb shadow = ColorToQColor(orange->SkinColors().cbtnshadow).rgb();
    EXPECT_FALSE(colours().count(shadow));
    label.setEnabled(false);
    const std::set<QRgb> disabled = colours();
    EXPECT_TRUE(disabled.count(highlight));
    EXPECT_TRUE(disabled.count(shadow));
}

TEST_F(SkinCtrls, LinkLabelClicksAndHotColour)
{
    std::vector<QString> opened;
    SetShellHook([&](const QString& url) { opened.push_back(url); });
    TskSkinLinkLabel link(&host);
    link.SetCaption(QStringLiteral("www.hoopline.net/"));
    int clicks = 0;
    link.OnClick = [&](QObject*) {
        ++clicks;
        EXPECT_TRUE(opened.empty()) << "OnClick runs before the browser";
    };
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(opened.empty()) << "no URL: nothing opened";

    link.SetURL(QStringLiteral("http://www.hoopline.net/"));
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://www.hoopline.net/")});
    SetShellHook(nullptr);

    // Without a definition: blue while hot, always underlined; with the
    // skin's [stdlabel]: its colours, underlined as asked.
    QEnterEvent enter({1, 1}, {1, 1}, {1, 1});
    QCoreApplication::sendEvent(&link, &enter);
    EXPECT_EQ(link.DrawFont().Color, clBlue);
    link.SetUseUnderLine(false);
    EXPECT_TRUE(link.DrawFont().Style & fsUnderline);
    auto orange = OrangeSkin();
    link.SetSkinData(orange.get());
    EXPECT_EQ(link.DrawFont().Color, TColor(0xC08000));
    EXPECT_FALSE(link.DrawFont().Style & fsUnderline);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    EXPECT_EQ(link.DrawFont().Color, TColor(0));
}

TEST_F(SkinCtrls, ShadowLabelDarkensWhatLiesBehindIt)
{
    for (const QRgb background : {qRgb(255, 255, 255), qRgb(0, 0, 0)}) {
        QWidget parent(&host);
        parent.setGeometry(0, 0, 200, 50);
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(background));
        parent.setPalette(pal);
        parent.show();
        TskSkinShadowLabel label(&parent);
        label.SetCaption(QStringLiteral("Version: 4.2.3"));
        label.move(10, 10);
        label.show();
        const QImage img =
            parent.grab(label.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        int grey = 0, other = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (c == qRgb(179, 179, 179))
                    ++grey;
                else if (c != background && c != qRgb(0, 0, 0))
                    ++other;
            }
        if (background == qRgb(255, 255, 255))
            EXPECT_GT(grey, 20) << "0.7 of white";
        else
            EXPECT_EQ(grey + other, 0) << "no shadow shows on black";
    }
}

TEST_F(SkinCtrls, SplitterTakesItsThicknessOnlyFromSkinData)
{
    // The window's splitters name no skin data: 3 pixels, plain look.
    TskSkinSplitter plain(&host);
    plain.setGeometry(0, 0, 3, 50);
    plain.SetAlign(alLeft);
    EXPECT_EQ(plain.width(), 3);

    auto orange = OrangeSkin();
    TskSkinSplitter skinned(&host);
    skinned.setGeometry(0, 0, 3, 50);
    skinned.SetAlign(alLeft);
    skinned.SetSkinData(orange.get());
    EXPECT_EQ(skinned.width(), 8);  // [vsplitter] is 8 wide
    skinned.SetSkinDataName(QStringLiteral("nosuchname"));
    EXPECT_EQ(skinned.width(), skinned.DefaultSize());
}

}  // namespace

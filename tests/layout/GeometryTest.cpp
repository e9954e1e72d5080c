// The window's control tree: where each control lies at design size and after
// the window grows, and how the splitters resize their panels.
#include "ui/Form1Definition.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Place {
    const char* name;
    QRect design;  // in the parent's coordinates, client 1017 x 684
    QRect grown;   // after growing the window by 200 x 150
};

// What grows in both directions, in width only, in height only, and what stays.
const Place kPlaces[] = {
    {"Page", {8, 26, 1017, 684}, {8, 26, 1217, 834}},
    {"skSkinTabSheet1", {1, 21, 1015, 662}, {1, 21, 1215, 812}},
    {"skSkinTabSheet5", {1, 21, 1015, 662}, {1, 21, 1215, 812}},
    // About: the picture follows the page, the login controls stay; the two
    // fields take the height of the skin's edit picture.
    {"Image1", {0, 0, 1015, 662}, {0, 0, 1215, 812}},
    {"loginedit", {598, 280, 299, 22}, {598, 280, 299, 22}},
    {"passedit", {598, 352, 299, 22}, {598, 352, 299, 22}},
    {"zap", {600, 408, 97, 25}, {600, 408, 97, 25}},
    {"skSkinXFormButton1", {672, 456, 177, 25}, {672, 456, 177, 25}},
    // Stats: the upcoming list grows in height only.
    {"skSkinPanel1", {0, 0, 369, 662}, {0, 0, 369, 812}},
    {"skSkinPanel3", {1, 1, 367, 21}, {1, 1, 367, 21}},
    {"skSkinXFormButton2", {1, 1, 96, 19}, {1, 1, 96, 19}},
    {"countsoon", {256, 1, 110, 18}, {256, 1, 110, 18}},
    {"RX", {1, 22, 367, 639}, {1, 22, 367, 789}},
    {"skSkinSplitter1", {369, 0, 3, 662}, {369, 0, 3, 812}},
    {"skSkinPanel2", {372, 0, 643, 662}, {372, 0, 843, 812}},
    {"StatPanel", {1, 1, 641, 660}, {1, 1, 841, 810}},
    {"MatchGrid", {1, 1, 637, 22}, {1, 1, 837, 22}},
    {"skSkinPanel6", {1, 25, 639, 120}, {1, 25, 839, 120}},
    // Team blocks keep their size, the middle column widens.
    {"skSkinPanel8", {1, 1, 250, 118}, {1, 1, 250, 118}},
    {"LOGO1", {1, 1, 50, 50}, {1, 1, 50, 50}},
    {"Name1", {1, 1, 154, 30}, {1, 1, 154, 30}},
    {"Country1", {1, 31, 154, 18}, {1, 31, 154, 18}},
    {"Rank1", {1, 19, 38, 30}, {1, 19, 38, 30}},
    {"TableName1", {1, 53, 248, 20}, {1, 53, 248, 20}},
    {"Table1", {1, 73, 248, 44}, {1, 73, 248, 44}},
    {"skSkinSplitter2", {251, 1, 3, 118}, {251, 1, 3, 118}},
    {"skSkinPanel9", {254, 1, 131, 118}, {254, 1, 331, 118}},
    {"Min", {1, 1, 127, 19}, {1, 1, 327, 19}},
    {"Score", {1, 22, 129, 54}, {1, 22, 329, 54}},
    {"KFGrid", {1, 76, 129, 41}, {1, 76, 329, 41}},
    {"skSkinSplitter3", {385, 1, 3, 118}, {585, 1, 3, 118}},
    {"skSkinPanel7", {388, 1, 250, 118}, {588, 1, 250, 118}},
    {"skSkinPanel11", {1, 1, 40, 50}, {1, 1, 40, 50}},
    {"Name2", {1, 1, 154, 30}, {1, 1, 154, 30}},
    {"LOGO2", {197, 1, 50, 50}, {197, 1, 50, 50}},
    {"Table2", {1, 73, 248, 44}, {1, 73, 248, 44}},
    // Form strips: the side panels stay, the head-to-head strip widens.
    {"skSkinPanel19", {1, 145, 639, 87}, {1, 145, 839, 87}},
    {"skSkinPanel20", {1, 1, 214, 85}, {1, 1, 214, 85}},
    {"LG1", {1, 26, 212, 58}, {1, 26, 212, 58}},
    {"skSkinSplitter5", {215, 1, 3, 85}, {215, 1, 3, 85}},
    {"skSkinPanel22", {218, 1, 203, 85}, {218, 1, 403, 85}},
    {"skSkinXFormButton4", {1, 1, 201, 25}, {1, 1, 401, 25}},
    {"LG3", {1, 26, 201, 58}, {1, 26, 401, 58}},
    {"skSkinSplitter6", {421, 1, 3, 85}, {621, 1, 3, 85}},
    {"skSkinPanel21", {424, 1, 214, 85}, {624, 1, 214, 85}},
    {"LG2", {1, 26, 212, 58}, {1, 26, 212, 58}},
    // The inner page control and its pages grow both ways.
    {"StatPage", {1, 232, 639, 427}, {1, 232, 839, 577}},
    {"skSkinTabSheet6", {1, 21, 637, 405}, {1, 21, 837, 555}},
    {"skSkinPanel27", {0, 0, 637, 25}, {0, 0, 837, 25}},
    {"skSkinLabel6", {1, 1, 254, 23}, {1, 1, 254, 23}},
    {"skSkinLabel4", {255, 1, 120, 23}, {255, 1, 320, 23}},
    {"skSkinLabel5", {375, 1, 261, 23}, {575, 1, 261, 23}},
    {"skSkinPanel25", {1, 1, 256, 71}, {1, 1, 256, 71}},
    {"FSc1", {1, 1, 254, 40}, {1, 1, 254, 40}},
    {"FPr1", {1, 41, 254, 29}, {1, 41, 254, 29}},
    {"skSkinPanel26", {257, 1, 117, 71}, {257, 1, 317, 71}},
    {"skSkinLabel1", {1, 1, 115, 48}, {1, 1, 115, 48}},
    {"tot", {1, 52, 115, 18}, {1, 52, 315, 18}},
    {"skSkinPanel24", {374, 1, 262, 71}, {574, 1, 262, 71}},
    {"skSkinLabel7", {0, 98, 637, 25}, {0, 98, 837, 25}},
    {"skSkinPanel31", {0, 123, 637, 126}, {0, 123, 837, 126}},
    {"SG", {40, 5, 569, 116}, {40, 5, 569, 116}},
    {"skSkinLabel2", {0, 249, 637, 25}, {0, 249, 837, 25}},
    {"Buk", {40, 280, 563, 57}, {40, 280, 563, 57}},
    {"LGrid1", {0, 0, 637, 332}, {0, 0, 837, 482}},
    {"skSkinPanel18", {0, 332, 637, 73}, {0, 482, 837, 73}},
    {"LGrid2", {0, 0, 637, 332}, {0, 0, 837, 482}},
    // 2 pixels wider than its page, and a 59-pixel strip below it stays empty.
    {"HX", {0, 0, 639, 273}, {0, 0, 639, 273}},
    {"skSkinPanel16", {0, 332, 637, 73}, {0, 482, 837, 73}},
    // Live: the live list grows both ways, the bets list in width only.
    {"skSkinPanel28", {0, 0, 1015, 21}, {0, 0, 1215, 21}},
    {"Livetime", {1, 1, 208, 18}, {1, 1, 208, 18}},
    {"lcount", {904, 1, 110, 18}, {1104, 1, 110, 18}},
    {"LG", {0, 21, 1015, 508}, {0, 21, 1215, 658}},
    {"skSkinSplitter4", {0, 529, 1015, 3}, {0, 679, 1215, 3}},
    {"skSkinPanel29", {0, 532, 1015, 130}, {0, 682, 1215, 130}},
    {"skSkinLabel3", {1, 1, 1013, 18}, {1, 1, 1213, 18}},
    {"LGG", {1, 19, 1013, 110}, {1, 19, 1213, 110}},
    {"ListBox1", {8, 8, 321, 545}, {8, 8, 321, 545}},
    // Report.
    {"countsoon2", {893, 1, 121, 18}, {1093, 1, 121, 18}},
    {"RG", {0, 21, 1015, 641}, {0, 21, 1215, 791}},
};

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_EQ(form.size(), QSize(1034, 718));
        ASSERT_EQ(form.contentsRect(), QRect(8, 26, 1017, 684)) << "the frame surrounds the designed client area";
        // The designed places are those of the page controls' built-in page area; the
        // skinned border is checked with the page control itself. Skinned labels keep
        // the height of their skin's strip.
        for (TskSkinPageControl* pages : form.findChildren<TskSkinPageControl*>())
            pages->SetSkinData(nullptr);
    }

    QWidget* Control(const char* name)
    {
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TForm1Definition form;
};

std::string Str(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

}  // namespace

TEST_F(LayoutTest, ControlsLieWhereDesignedAndFollowTheGrowingWindow)
{
    for (const Place& p : kPlaces)
        if (QWidget* w = Control(p.name)) {
            EXPECT_EQ(Str(w->geometry()), Str(p.design)) << p.name << " at design size";
        }

    form.skSkinForm1->SetSizeable(true);
    form.resize(1234, 868);
    for (const Place& p : kPlaces)
        if (QWidget* w = Control(p.name)) {
            EXPECT_EQ(Str(w->geometry()), Str(p.grown)) << p.name << " grown";
        }

    form.resize(1034, 718);
    for (const Place& p : kPlaces)
        if (QWidget* w = Control(p.name)) {
            EXPECT_EQ(Str(w->geometry()), Str(p.design)) << p.name << " back at design size";
        }
}

TEST_F(LayoutTest, TextLabelsFitTheirTextAndStayPut)
{
    form.skSkinLinkLabel1->SetCaption("www.hoopline.net/");
    form.skSkinForm1->SetSizeable(true);
    form.resize(1234, 868);
    const struct {
        TskSkinStdLabel* label;
        QPoint at;
        QString text;
    } labels[] = {{form.skSkinStdLabel1, {600, 264}, "LOGIN:"},
                  {form.skSkinStdLabel2, {600, 336}, "PASSWORD:"},
                  {form.skSkinLinkLabel1, {896, 240}, "www.hoopline.net/"}};
    for (const auto& l : labels) {
        EXPECT_EQ(l.label->pos(), l.at) << l.text.toStdString();
        EXPECT_EQ(l.label->Caption(), l.text);
        const QFontMetrics fm(MakeFont(l.label->DefaultFont()));
        EXPECT_GE(l.label->width(), fm.horizontalAdvance(l.text)) << l.text.toStdString();
    }
    EXPECT_EQ(form.skSkinShadowLabel1->pos(), QPoint(896, 216));
    EXPECT_EQ(form.skSkinShadowLabel1->Caption(), "Version: 4.2.3");
}

TEST_F(LayoutTest, TreeHasEveryNamedControlOnce)
{
    const auto count = [&](auto* sample) {
        using T = std::remove_pointer_t<decltype(sample)>;
        return form.findChildren<T*>().size();
    };
    EXPECT_EQ(count((TDataGrid*)nullptr), 18);
    EXPECT_EQ(count((TskSkinPanel*)nullptr), 32);
    EXPECT_EQ(count((TskSkinLabel*)nullptr), 29) << "with the three failure notices beside the lists";
    EXPECT_EQ(count((TskSkinSplitter*)nullptr), 6);
    EXPECT_EQ(count((TskSkinXFormButton*)nullptr), 5);
    for (const Place& p : kPlaces)
        EXPECT_EQ(form.findChildren<QWidget*>(QString::fromLatin1(p.name)).size(), 1) << p.name;
}

TEST_F(LayoutTest, PagesCaptionsAndIcons)
{
    const QStringList main{"About", "Stats", "Live", "Radar", "Report"};
    const QList<int> mainIcons{6, 1, 5, 4, 3};
    ASSERT_EQ(form.Page->PageCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form.Page->Pages(i)->Caption(), main[i]);
        EXPECT_EQ(form.Page->Pages(i)->ImageIndex(), mainIcons[i]);
    }
    EXPECT_EQ(form.Page->ActivePage(), form.skSkinTabSheet1);

    const QStringList inner{"Forecast", "Latest Result Home", "Latest Result  Away", "Head-To-Head"};
    ASSERT_EQ(form.StatPage->PageCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form.StatPage->Pages(i)->Caption(), inner[i]);
        EXPECT_EQ(form.StatPage->Pages(i)->ImageIndex(), 9 + i);
    }
    EXPECT_EQ(form.StatPage->ActivePage(), form.skSkinTabSheet6);
    EXPECT_EQ(form.skSkinXFormButton5->Caption(), "Latest Result Away");
    EXPECT_EQ(form.skSkinLabel3->Caption(), "Recoming Bets Live");
    EXPECT_EQ(form.skSkinLabel3->Alignment(), taLeftJustify);
    EXPECT_EQ(form.countsoon->Caption(), "Count: 0");
    EXPECT_EQ(form.countsoon2->Caption(), "Count: 0");
    EXPECT_EQ(form.lcount->Caption(), "Count: 0");
    EXPECT_EQ(form.Score->Caption(), "");
    EXPECT_EQ(form.zap->Caption(), QStringLiteral("Запомнить"));
    EXPECT_FALSE(form.zap->Checked());
    EXPECT_FALSE(form.Timer1->Enabled());
}

TEST_F(LayoutTest, HiddenPagesAreLaidOutTooWhenTheWindowGrows)
{
    // The Live page was never shown: it must be right the moment it appears.
    form.skSkinForm1->SetSizeable(true);
    form.resize(1134, 818);
    EXPECT_EQ(Str(form.LG->geometry()), Str({0, 21, 1115, 608}));
    form.Page->SetActivePage(form.skSkinTabSheet3);
    EXPECT_EQ(Str(form.LG->geometry()), Str({0, 21, 1115, 608}));
}

TEST_F(LayoutTest, KeyboardFocusGoesFromLoginToPassword)
{
    form.loginedit->setFocus();
    QTest::keyClick(form.loginedit, Qt::Key_Tab);
    EXPECT_TRUE(form.passedit->hasFocus());
    // The remember box and LOGIN are reached by Tab too, so the keyboard alone can log in.
    EXPECT_EQ(form.skSkinXFormButton1->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(form.zap->focusPolicy(), Qt::StrongFocus);
}

// ---- splitters ----

namespace {
// Drags `splitter` by (dx, dy) with the left button, checking the panel only
// changes on release (a hatched line follows the mouse meanwhile).
void Drag(TSplitter* splitter, QWidget* panel, QPoint by)
{
    const QPoint start(splitter->width() / 2, splitter->height() / 2);
    const QSize before = panel->size();
    QTest::mousePress(splitter, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + by), splitter->mapToGlobal(QPointF(start + by)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splitter, &move);
    EXPECT_TRUE(splitter->Dragging());
    EXPECT_EQ(panel->size(), before) << "nothing moves before the button is released";
    const QRect line = splitter->DragLine();
    EXPECT_EQ(line.size(), splitter->size());
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, start + by);
    EXPECT_FALSE(splitter->Dragging());
    EXPECT_TRUE(splitter->DragLine().isEmpty());
    EXPECT_EQ(splitter->geometry(), line) << "the splitter lands where the hatched line was";
}
}  // namespace

TEST_F(LayoutTest, SplittersResizeTheirPanel)
{
    struct Case {
        const char* splitter;
        const char* panel;
        QPoint by;
        int newSize;  // the panel's kept dimension after the drag
    };
    const Case cases[] = {
        {"skSkinSplitter1", "skSkinPanel1", {-100, 0}, 269},
        {"skSkinSplitter1", "skSkinPanel1", {-239, 0}, 30},   // exactly MinSize stays
        {"skSkinSplitter1", "skSkinPanel1", {-1, 0}, 0},      // below it collapses
        {"skSkinSplitter4", "skSkinPanel29", {0, -100}, 230}, // up: the bets panel grows
        {"skSkinSplitter4", "skSkinPanel29", {0, 201}, 0},
        {"skSkinSplitter3", "skSkinPanel7", {50, 0}, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.splitter);
        auto* splitter = form.findChild<TSplitter*>(c.splitter);
        QWidget* panel = Control(c.panel);
        ASSERT_TRUE(splitter && panel);
        for (QWidget* p = splitter; p; p = p->parentWidget())
            if (auto* page = qobject_cast<TskSkinTabSheet*>(p))
                page->PageControl()->SetActivePage(page);
        ASSERT_EQ(splitter->ResizeControl(), panel);
        Drag(splitter, panel, c.by);
        const bool vertical = splitter->Align() == alTop || splitter->Align() == alBottom;
        EXPECT_EQ(vertical ? panel->height() : panel->width(), c.newSize);
        // The splitter still touches its panel, so it can bring it back.
        EXPECT_EQ(splitter->ResizeControl(), panel);
    }
    // The live list took the difference.
    EXPECT_EQ(form.LG->height(), 662 - 21 - 3);
}

TEST_F(LayoutTest, CollapsedColumnComesBackByDraggingTheSplitter)
{
    form.Page->SetActivePage(form.skSkinTabSheet2);
    Drag(form.skSkinSplitter1, form.skSkinPanel1, {-369, 0});
    ASSERT_EQ(form.skSkinPanel1->width(), 0);
    EXPECT_EQ(form.skSkinSplitter1->x(), 0);
    EXPECT_EQ(Str(form.skSkinPanel2->geometry()), Str({3, 0, 1012, 662}));
    Drag(form.skSkinSplitter1, form.skSkinPanel1, {200, 0});
    EXPECT_EQ(form.skSkinPanel1->width(), 200);
    EXPECT_EQ(form.RX->width(), 198);
}

TEST_F(LayoutTest, SplitterCannotSqueezeTheClientBelowMinSize)
{
    form.Page->SetActivePage(form.skSkinTabSheet2);
    Drag(form.skSkinSplitter1, form.skSkinPanel1, {2000, 0});
    EXPECT_EQ(form.skSkinPanel2->width(), 30);
    EXPECT_EQ(form.skSkinPanel1->width(), 1015 - 3 - 30);
}

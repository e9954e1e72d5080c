// The system menu and the login field's context menu with the stored skin:
// their items and sizes, the highlight on opening, mouse and keys, and what
// closes a menu.
#include "MenuFixture.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {
// Counts the menu messages a control receives.
class MessageCounter : public QObject {
public:
    int closed = 0, commands = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        closed += e->type() == SKIN_MENU_CLOSED;
        commands += e->type() == SKIN_MENU_COMMAND;
        return false;
    }
};

using SystemMenu = MenuFixture;

TEST_F(SystemMenu, HoldsTheWindowCommandsAndIs79PixelsHigh)
{
    skinForm->ShowSystemMenu(skinForm->SystemMenuAnchor());
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(Captions(), QStringList({"Mi&nimize", "Ma&ximize", "-", "&Close"}));
    EXPECT_EQ(top()->Item(3)->MenuItem->ShortCutText(), "Alt+F4");
    EXPECT_EQ(top()->height(), 79);  // 3 x 20 + 7 + 12
    // Below the icon, from its bottom-left corner.
    EXPECT_EQ(top()->pos(), skinForm->SystemMenuAnchor().bottomLeft() + QPoint(0, 1));
    // Width: the widest text, the glyph column and the frame.
    const QFontMetrics fm(top()->ItemFont());
    const int widest = fm.size(Qt::TextShowMnemonic, "&Close  Alt+F4").width();
    EXPECT_EQ(top()->width(), widest + 51);
}

TEST(SystemMenuItems, FollowTheWindowState)
{
    struct Case {
        const char* name;
        TskSystemMenuState state;
        QStringList captions;
    } cases[] = {
        {"normal", {biSystemMenu | biMinimize | biMaximize, false, false, false},
         {"Mi&nimize", "Ma&ximize", "-", "&Close"}},
        {"maximized", {biSystemMenu | biMinimize | biMaximize, false, true, false},
         {"Mi&nimize", "&Restore", "-", "&Close"}},
        {"minimized", {biSystemMenu | biMinimize | biMaximize, true, false, false},
         {"Ma&ximize", "&Restore", "-", "&Close"}},
        {"every icon", {biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray, false, false, false},
         {"Mi&nimize", "Ma&ximize", "Ro&llUp", "Minimize to &Tray", "-", "&Close"}},
        {"close only", {biSystemMenu, false, false, false}, {"&Close"}},
    };
    for (const Case& c : cases) {
        TMenuItem root;
        BuildSystemMenu(root, c.state, {});
        QStringList got;
        for (int i = 0; i < root.Count(); ++i)
            got << root.Items(i)->Caption;
        EXPECT_EQ(got, c.captions) << c.name;
    }
}

TEST_F(SystemMenu, AcceleratorsRunTheirCommandsAfterTheMenuCloses)
{
    for (const auto& [key, name] : {std::pair{Qt::Key_N, "DSF_MINITEM"}, {Qt::Key_X, "DSF_MAXITEM"},
                                    {Qt::Key_C, "DSF_CLOSE"}}) {
        TMenuItem root;
        std::vector<QString> ran;
        BuildSystemMenu(root, {biSystemMenu | biMinimize | biMaximize, false, false, false}, {});
        bool closedFirst = false;
        for (int i = 0; i < root.Count(); ++i) {
            TMenuItem* item = root.Items(i);
            item->OnClick = [&, item](TMenuItem*) {
                ran.push_back(item->Name);
                closedFirst = !menu()->Visible();
            };
        }
        menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
        QTest::keyClick(edit, key);
        EXPECT_EQ(ran, std::vector<QString>{name});
        EXPECT_TRUE(closedFirst) << name;
        EXPECT_FALSE(menu()->Visible());
        EXPECT_EQ(edit->text(), "") << "the key never reaches the field";
    }
}

TEST_F(SystemMenu, AltSpaceWhileOpenOpensAnewAndKeysReachTheFieldAfterwards)
{
    int opens = 0, closes = 0;
    skinForm->OnSkinMenuOpen = [&](QObject*) { ++opens; };
    skinForm->OnSkinMenuClose = [&](QObject*) { ++closes; };
    QTest::keyClick(edit, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(menu()->Visible());
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(top()->ActiveIndex(), 1);
    QTest::keyClick(edit, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(top()->ActiveIndex(), 0) << "a fresh menu highlights its first item";
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(closes, 1);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(menu()->Visible());
    EXPECT_EQ(closes, 2);
    QTest::keyClicks(edit, "ok");
    EXPECT_EQ(edit->text(), "ok");
}

using ContextMenu = MenuFixture;

TEST_F(ContextMenu, Is146PixelsHighAndEnablesItemsByTheFieldsState)
{
    struct Case {
        const char* name;
        QString text;
        bool selectAll;
        bool readOnly;
        QString clipboard;
        QStringList enabled;
    } cases[] = {
        {"empty, clipboard empty", "", false, false, "", {}},
        {"empty, text on the clipboard", "", false, false, "x", {"Paste"}},
        {"text, nothing selected", "demo", false, false, "", {"Undo", "Select All"}},
        {"all selected", "demo", true, false, "x", {"Undo", "Cut", "Copy", "Paste", "Delete"}},
        {"read-only, all selected", "demo", true, true, "x", {"Copy"}},
    };
    for (const Case& c : cases) {
        edit->clear();
        edit->setReadOnly(c.readOnly);
        if (!c.text.isEmpty())
            edit->insert(c.text);  // typed: can be undone
        if (c.selectAll)
            edit->selectAll();
        else
            edit->deselect();
        QApplication::clipboard()->setText(c.clipboard);
        ASSERT_TRUE(edit->ShowContextMenu(edit->mapToGlobal(QPoint(20, 10)))) << c.name;
        EXPECT_EQ(Captions(), QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
        EXPECT_EQ(top()->height(), 146) << c.name;  // 6 x 20 + 2 x 7 + 12
        EXPECT_EQ(EnabledCaptions(), c.enabled) << c.name;
        EXPECT_EQ(top()->pos(), edit->mapToGlobal(QPoint(20, 10))) << "top-left at the pointer";
        menu()->CloseMenu();
    }
}

TEST_F(ContextMenu, ActsOnTheFieldThroughTheClipboard)
{
    edit->setText("hoop");
    edit->selectAll();
    edit->ShowContextMenu(edit->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(top()->ActiveItem()->MenuItem->Caption, "Cut") << "Undo has nothing to undo";
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "hoop");

    edit->ShowContextMenu(edit->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(EnabledCaptions(), QStringList({"Undo", "Paste"}));
    QTest::keyClick(edit, Qt::Key_Down);  // skips the separator and the disabled items
    EXPECT_EQ(top()->ActiveItem()->MenuItem->Caption, "Paste");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "hoop");
    EXPECT_FALSE(menu()->Visible());
}

TEST_F(ContextMenu, OpensFromTheKeyboardAtTheFieldsCentre)
{
    QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(top()->pos(), edit->mapToGlobal(edit->rect().center()));
    menu()->CloseMenu();
    QContextMenuEvent fromMenuKey(QContextMenuEvent::Keyboard, QPoint(0, 0), edit->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(edit, &fromMenuKey);
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(top()->pos(), edit->mapToGlobal(edit->rect().center()));
}

TEST_F(ContextMenu, TypedKeysAndTheWheelNeverReachTheFieldWhileOpen)
{
    edit->setText("keep");
    edit->ShowContextMenu(edit->mapToGlobal(QPoint(5, 5)));
    QTest::keyClicks(edit, "qwz");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "keep");
    EXPECT_TRUE(menu()->Visible());
    QWheelEvent wheel(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    EXPECT_TRUE(QApplication::sendEvent(edit, &wheel)) << "the wheel is dropped";
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(menu()->Visible());
    QTest::keyClicks(edit, "!");
    EXPECT_EQ(edit->text(), "keep!");
}

TEST_F(ContextMenu, ShowsNothingWithoutASkinnedFormOrSkin)
{
    QWidget plain;
    auto* orphan = new TskSkinEdit(&plain);
    orphan->SetSkinData(&data);
    EXPECT_FALSE(orphan->ShowContextMenu(QPoint(10, 10))) << "no skinned form in reach";

    edit->SetSkinData(nullptr);
    skinForm->SetSkinData(nullptr);
    EXPECT_FALSE(edit->ShowContextMenu(QPoint(10, 10))) << "no skin data";
    EXPECT_FALSE(menu()->Visible());
}

using MenuMouse = MenuFixture;

TEST_F(MenuMouse, FirstItemIsHighlightedAndReleaseRunsOnlySelectableItems)
{
    TMenuItem root;
    std::vector<QString> ran;
    FillMenu(root, {"One", "-", "Grey", "Two"}, &ran, {"Grey"});
    MessageCounter counter;
    edit->installEventFilter(&counter);
    menu()->ShowMenu(edit, &data, false, &root, QRect(60, 60, 0, 0));
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(top()->ActiveIndex(), 0);
    EXPECT_TRUE(top()->Item(0)->Active);
    EXPECT_TRUE(top()->Item(0)->AutoSelected);

    QTest::mouseRelease(top(), Qt::LeftButton, {}, ItemCentre(1));  // separator
    QTest::mouseRelease(top(), Qt::LeftButton, {}, ItemCentre(2));  // disabled
    QTest::mouseRelease(top(), Qt::RightButton, {}, ItemCentre(3));
    EXPECT_TRUE(ran.empty());
    EXPECT_TRUE(menu()->Visible());

    QTest::mouseMove(top(), ItemCentre(3));
    QTRY_COMPARE_WITH_TIMEOUT(top()->ActiveIndex(), 3, 1000);  // the pointer is tracked every 50 ms
    EXPECT_FALSE(top()->Item(0)->Active) << "the old highlight goes";
    QTest::mouseRelease(top(), Qt::LeftButton, {}, ItemCentre(3));
    EXPECT_EQ(ran, std::vector<QString>{"Two"});
    EXPECT_FALSE(menu()->Visible());
    EXPECT_EQ(counter.closed, 1);
    EXPECT_EQ(counter.commands, 1);
}

TEST_F(MenuMouse, PressOnTheWindowClosesWithoutRunningAnItem)
{
    TMenuItem root;
    std::vector<QString> ran;
    FillMenu(root, {"One", "Two"}, &ran);
    int closes = 0;
    skinForm->OnSkinMenuClose = [&](QObject*) { ++closes; };
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(60, 250));
    EXPECT_FALSE(menu()->Visible());
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(closes, 1);

    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    form->move(form->pos() + QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_FALSE(menu()->Visible()) << "moving the window closes the menu";
}

TEST_F(MenuMouse, NothingOpensWithoutItemsFromTheFirstIndex)
{
    TMenuItem root;
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    EXPECT_FALSE(menu()->Visible());
    FillMenu(root, {"One", "Two"});
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0), 2);
    EXPECT_FALSE(menu()->Visible());
    EXPECT_EQ(menu()->LevelCount(), 0);
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0), 1);
    ASSERT_TRUE(menu()->Visible());
    EXPECT_EQ(Captions(), QStringList({"Two"}));
}

TEST_F(MenuMouse, SubMenuOpensAfterTheWaitAndLeftClosesIt)
{
    TMenuItem root;
    std::vector<QString> ran;
    FillMenu(root, {"Top", "More"}, &ran);
    FillMenu(*root.Items(1), {"&Inner"}, &ran);
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    QTest::mouseMove(top(), ItemCentre(1));
    EXPECT_EQ(menu()->LevelCount(), 1) << "the submenu waits";
    QTRY_COMPARE_WITH_TIMEOUT(menu()->LevelCount(), 2, 2000);
    TskSkinPopupWindow* sub = menu()->Level(1);
    EXPECT_EQ(sub->pos().y(), top()->pos().y() + top()->Item(1)->ItemRect.y() - sub->ItemsRect().y());
    EXPECT_TRUE(top()->Item(1)->Down);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(menu()->LevelCount(), 1);
    EXPECT_FALSE(top()->Item(1)->Down);
    QTest::keyClick(edit, Qt::Key_Right);  // opens at once from the keyboard
    ASSERT_EQ(menu()->LevelCount(), 2);
    QTest::keyClick(edit, Qt::Key_I);
    EXPECT_EQ(ran, (std::vector<QString>{"More", "&Inner"})) << "hovering opens without running";
    EXPECT_FALSE(menu()->Visible());
}

using MenuKeys = MenuFixture;

TEST_F(MenuKeys, ArrowsHomeAndEndSkipLinesAndDisabledItems)
{
    TMenuItem root;
    FillMenu(root, {"A", "-", "B", "Grey", "C"}, nullptr, {"Grey"});
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    const struct {
        Qt::Key key;
        int active;
    } steps[] = {{Qt::Key_Down, 2}, {Qt::Key_Down, 4}, {Qt::Key_Down, 0}, {Qt::Key_Up, 4},
                 {Qt::Key_Up, 2},   {Qt::Key_Home, 0}, {Qt::Key_End, 4}};
    for (const auto& s : steps) {
        QTest::keyClick(edit, s.key);
        EXPECT_EQ(top()->ActiveIndex(), s.active) << QKeySequence(s.key).toString().toStdString();
    }
}

using MenuSizes = MenuFixture;

TEST_F(MenuSizes, TallMenusScrollInsideTheWorkArea)
{
    TMenuItem root;
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many << QStringLiteral("Item %1").arg(i);
    FillMenu(root, many);
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    const QRect wa = menu()->WorkArea();
    EXPECT_TRUE(top()->Scrolling());
    EXPECT_EQ(top()->height(), wa.height());
    EXPECT_TRUE(wa.contains(top()->geometry()));
    EXPECT_FALSE(top()->Item(59)->Visible);
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_TRUE(top()->Item(59)->Visible) << "the view follows the highlight";
    EXPECT_FALSE(top()->Item(0)->Visible);
    menu()->CloseMenu();

    skinForm->MaxMenuItemsInWindow = 5;
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    EXPECT_TRUE(top()->Scrolling());
    EXPECT_EQ(top()->height(), 5 * 20 + 12 + 20);
    int shown = 0;
    for (int i = 0; i < top()->ItemCount(); ++i)
        shown += top()->Item(i)->Visible;
    EXPECT_EQ(shown, 5);
}

TEST_F(MenuSizes, TranslucentMenusFadeInToTheirAlpha)
{
    TMenuItem root;
    FillMenu(root, {"One", "Two"});
    skinForm->MenusAlphaBlend = true;
    skinForm->MenusAlphaBlendValue = 200;
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    EXPECT_NEAR(top()->windowOpacity(), 200 / 255.0, 0.01);
    menu()->CloseMenu();

    skinForm->MenusAlphaBlendAnimation = true;
    menu()->ShowMenu(nullptr, &data, false, &root, QRect(60, 60, 0, 0));
    EXPECT_LT(top()->windowOpacity(), 0.05) << "starts clear";
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(top()->windowOpacity() - 200 / 255.0) < 0.01, 2000);
}

TEST_F(MenuSizes, SkinWithoutMenuDefinitionsGivesTheBuiltInLook)
{
    TskSkinData bare;
    TskSkinPackage package;
    package.Version = 3;
    package.Text = "[SKINOBJECTS]\r\ncount=0\r\n";
    TskCompressedStoredSkin bareStored;
    bareStored.SetCompressedData(DeflateSkinStream(EncodeSkinPackage(package)));
    bare.SetCompressedStoredSkin(&bareStored);
    ASSERT_FALSE(bare.IsEmpty());
    for (TskSkinData* d : {&bare, static_cast<TskSkinData*>(nullptr)}) {
        TMenuItem root;
        FillMenu(root, {"One", "-", "Two"});
        menu()->ShowMenu(nullptr, d, false, &root, QRect(60, 60, 0, 0));
        ASSERT_TRUE(menu()->Visible());
        EXPECT_EQ(top()->ItemDef(), nullptr);
        EXPECT_EQ(top()->height(), 20 + 4 + 20 + 6);
        EXPECT_EQ(top()->ItemsRect(), QRect(3, 3, top()->width() - 6, top()->height() - 6));
        const QImage img = top()->Compose(1);
        const QPoint inActive = top()->Item(0)->ItemRect.topLeft() + QPoint(1, 1);
        EXPECT_EQ(img.pixelColor(inActive), QColor(0xB6, 0xBD, 0xD2)) << "the highlighted item's fill";
        EXPECT_EQ(img.pixelColor(top()->Item(0)->ItemRect.topLeft()), QColor(0x00, 0x00, 0x80));
        menu()->CloseMenu();
    }
}
}  // namespace

// Skinned menus under a real X server, driven by synthetic input (xdotool):
// popups never take the focus, keys go to the menu while it is open and to
// the field again afterwards, and a click lands on the window it is over.
#include "tests/menus/MenuFixture.h"

#include <QClipboard>
#include <QProcess>

namespace {
// Runs xdotool with `args`; fails the test when it cannot.
void XDo(const QStringList& args)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(' ').toStdString();
    QTest::qWait(100);  // let the server deliver the input
}

void ClickAt(QPoint global, int button = 1)
{
    XDo({"mousemove", QString::number(global.x()), QString::number(global.y())});
    XDo({"click", QString::number(button)});
}

class MenuX11 : public MenuFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "these tests need an X server";
        MenuFixture::SetUp();
        ClickAt(edit->mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }, 3000)) << "the field takes the focus";
    }

    QPoint ItemOnScreen(int index) const { return top()->mapToGlobal(top()->Item(index)->ItemRect.center()); }
};

TEST_F(MenuX11, RightClickOpensTheMenuWithoutTakingTheFocusAndSwallowsTypedKeys)
{
    edit->setText("keep");
    const QPoint at = edit->mapToGlobal(QPoint(30, 10));
    ClickAt(at, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu()->Visible(); }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return top()->isVisible(); }, 3000));
    EXPECT_EQ(top()->pos(), at);
    EXPECT_TRUE(form->isActiveWindow()) << "the popup never takes the activation";
    EXPECT_EQ(QApplication::focusWidget(), edit);

    XDo({"type", "--delay", "20", "zzq"});
    XDo({"key", "BackSpace"});
    EXPECT_EQ(edit->text(), "keep");
    EXPECT_TRUE(menu()->Visible());

    XDo({"key", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu()->Visible(); }, 3000));
    XDo({"key", "End"});
    XDo({"type", "!"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->text() == "keep!"; }, 3000)) << edit->text().toStdString();
}

TEST_F(MenuX11, ClickOnAnItemRunsItAndClickOnTheWindowRunsNothing)
{
    edit->setText("hoop");
    QApplication::clipboard()->clear();
    ClickAt(edit->mapToGlobal(QPoint(30, 10)), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu()->Visible(); }, 3000));
    // "Select All", the last item.
    ClickAt(ItemOnScreen(top()->ItemCount() - 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !menu()->Visible(); }, 3000));
    EXPECT_EQ(edit->selectedText(), "hoop");

    ClickAt(edit->mapToGlobal(QPoint(30, 10)), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu()->Visible(); }, 3000));
    // Hovering over Delete highlights it; a press outside on the window closes the menu.
    XDo({"mousemove", QString::number(ItemOnScreen(5).x()), QString::number(ItemOnScreen(5).y())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return top() && top()->ActiveIndex() == 5; }, 3000));
    ClickAt(form->mapToGlobal(QPoint(450, 250)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu()->Visible(); }, 3000));
    EXPECT_EQ(edit->text(), "hoop") << "Delete did not run";
}

TEST_F(MenuX11, AltSpaceOpensTheSystemMenuAnewAndItsKeysRunTheCommands)
{
    int opens = 0;
    skinForm->OnSkinMenuOpen = [&](QObject*) { ++opens; };
    XDo({"key", "alt+space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu()->Visible(); }, 3000));
    XDo({"key", "Down"});
    EXPECT_EQ(top()->ActiveIndex(), 1);
    XDo({"key", "alt+space"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return opens == 2; }, 3000));
    EXPECT_EQ(top()->ActiveIndex(), 0) << "opened anew";
    XDo({"key", "c"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }, 3000)) << "Close closed the window";
    EXPECT_FALSE(menu()->Visible());
    EXPECT_EQ(edit->text(), "");
}
}  // namespace

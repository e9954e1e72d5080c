// The skinned frame on a real X server with no window manager: the pointer is
// driven through XTest (xdotool), so every click lands where the server says.
#include "../skin/SkinTestSupport.h"

#include <QApplication>
#include "skin/SkinMenus.h"
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FrameOnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        window = std::make_unique<QWidget>();
        frame = DressInStoredSkin(*window, stored);
        window->setGeometry(100, 60, 700, 500);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Settle();
    }

    // Runs xdotool with `args`, then lets the program take in what happened.
    static void Xdo(const QStringList& args)
    {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(' ').toStdString();
        Settle();
    }
    static void Settle()
    {
        QApplication::processEvents();
        QTest::qWait(150);
    }
    void PointAt(QPoint windowPoint)
    {
        const QPoint g = window->mapToGlobal(windowPoint);
        Xdo({"mousemove", QString::number(g.x()), QString::number(g.y())});
    }
    void Click(QPoint windowPoint, int button = 1)
    {
        PointAt(windowPoint);
        Xdo({"click", QString::number(button)});
    }
    void Drag(QPoint from, QPoint by)
    {
        PointAt(from);
        Xdo({"mousedown", "1"});
        for (int step = 1; step <= 4; ++step)
            Xdo({"mousemove_relative", "--", QString::number(by.x() / 4), QString::number(by.y() / 4)});
        Xdo({"mouseup", "1"});
    }

    TskCompressedStoredSkin stored;
    std::unique_ptr<QWidget> window;
    TskSkinForm* frame = nullptr;
};

TEST_F(FrameOnX11, TheWindowHasNoPlatformFrame)
{
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->frameGeometry(), window->geometry());
}

TEST_F(FrameOnX11, CaptionDragMovesTheWindowAndTheBorderSizesItAfterLogin)
{
    Drag({300, 10}, {40, 20});
    EXPECT_EQ(window->pos(), QPoint(140, 80));

    Drag({698, 250}, {40, 0});
    EXPECT_EQ(window->size(), QSize(700, 500)) << "no sizing before login";

    frame->SetSizeable(true);
    Drag({698, 250}, {40, 0});
    EXPECT_EQ(window->size(), QSize(740, 500));
}

TEST_F(FrameOnX11, CaptionButtonsMaximizeAndRestore)
{
    const QRect before = window->geometry();
    const QRect maximize = frame->Button(cmMaximize)->ObjectRect.ToQRect();
    Click(maximize.center());
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    EXPECT_EQ(window->geometry(), window->screen()->availableGeometry());

    Click(frame->Button(cmMaximize)->ObjectRect.ToQRect().center());
    EXPECT_EQ(frame->WindowState(), wsNormal);
    EXPECT_EQ(window->geometry(), before);
}

TEST_F(FrameOnX11, SystemMenuOpensUnderTheIconAndAtTheCursorAndItsCloseCloses)
{
    TskSkinMenu* menu = frame->SkinMenu();
    Click({12, 12});
    ASSERT_TRUE(menu->Visible());
    EXPECT_EQ(menu->Level(0)->pos(), window->mapToGlobal(QPoint(5, 20)));
    Xdo({"key", "Escape"});
    EXPECT_FALSE(menu->Visible());
    EXPECT_FALSE(frame->Button(cmSysMenu)->Down);

    Click({300, 12}, 3);
    ASSERT_TRUE(menu->Visible());
    TskSkinPopupWindow* popup = menu->Level(0);
    EXPECT_EQ(popup->pos(), window->mapToGlobal(QPoint(300, 12)));
    const QPoint close = popup->mapToGlobal(QPoint(popup->width() / 2, popup->height() - 12));
    Xdo({"mousemove", QString::number(close.x()), QString::number(close.y())});
    Xdo({"click", "1"});
    EXPECT_FALSE(window->isVisible());
}

}  // namespace

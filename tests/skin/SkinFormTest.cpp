// The skinned window frame: geometry, hit-testing, caption buttons, window
// state commands, system menu, painting from the skin and the skin relay.
#include "SkinTestSupport.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenus.h"

#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A top-level window with the frame and the stored skin, 1034 x 718.
class SkinFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        frame = DressInStoredSkin(*window, stored);
        skin = frame->SkinData();
        window->move(0, 0);
        window->resize(1034, 718);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QImage Grab() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    const QImage& Main() const { return skin->MainPicture(); }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(window.get(), button, {}, at);
    }
    void MoveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), window->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &move);
    }
    void Release(QPoint at) { QTest::mouseRelease(window.get(), Qt::LeftButton, {}, at); }

    TskCompressedStoredSkin stored;
    std::unique_ptr<QWidget> window;
    TskSkinForm* frame = nullptr;
    TskSkinData* skin = nullptr;
};

std::string Str(const TskRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

TEST_F(SkinFrame, ClientAreaIsTheWindowLessTheFrameStrips)
{
    ASSERT_TRUE(frame->SkinApplied());
    EXPECT_EQ(window->contentsRect(), QRect(8, 26, 1017, 684));
    for (QSize size : {QSize(1034, 718), QSize(1217, 834), QSize(177, 34)}) {
        const TskFrameGeometry g = SkinFrameGeometry(skin->FormInfo(), Main().size(), size.width(), size.height());
        EXPECT_EQ(g.clientRect.Width(), size.width() - 17) << size.width();
        EXPECT_EQ(g.clientRect.Height(), size.height() - 34) << size.height();
    }
}

TEST_F(SkinFrame, CaptionButtonsIconAndTextLieWhereTheSkinPlacesThem)
{
    const struct {
        const char* what;
        const TskActiveSkinObject* object;
        TskRect place;
    } cases[] = {
        {"close", frame->Button(cmClose), R(1009, 3, 1029, 22)},
        {"maximize", frame->Button(cmMaximize), R(988, 3, 1008, 22)},
        {"minimize", frame->Button(cmMinimize), R(967, 3, 987, 22)},
        {"icon", frame->Button(cmSysMenu), R(5, 4, 21, 20)},
        {"caption", frame->Caption(), R(21, 3, 967, 21)},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.object, nullptr) << c.what;
        EXPECT_EQ(Str(c.object->ObjectRect), Str(c.place)) << c.what;
    }
    EXPECT_EQ(frame->Button(cmRollUp), nullptr);
    EXPECT_EQ(frame->Button(cmMinimizeToTray), nullptr);
}

struct HitCase {
    const char* name;
    QPoint at;
    bool sizeable;
    TskHitCode code;
};

class FrameHitTestCases : public SkinFrame, public ::testing::WithParamInterface<HitCase> {};

TEST_P(FrameHitTestCases, AnswersThePartUnderThePoint)
{
    const HitCase& c = GetParam();
    frame->SetSizeable(c.sizeable);
    EXPECT_EQ(frame->HitTest(c.at), c.code);
}

// 1034 x 718: the left-bottom hit point lies at y 118 + (718 - 124) = 712.
INSTANTIATE_TEST_SUITE_P(
    Points, FrameHitTestCases,
    ::testing::Values(HitCase{"client", {500, 400}, false, htClient},
                      HitCase{"caption", {500, 10}, false, htCaption},
                      HitCase{"buttonBeforeLogin", {1015, 10}, false, htObject},
                      HitCase{"leftBorderBeforeLogin", {1, 400}, false, htObject},
                      HitCase{"cornerBeforeLogin", {1, 1}, false, htObject},
                      HitCase{"left", {2, 400}, true, htLeft},
                      HitCase{"insideTheBand", {3, 400}, true, htObject},
                      HitCase{"right", {1031, 400}, true, htRight},
                      HitCase{"top", {500, 1}, true, htTop},
                      HitCase{"bottom", {500, 716}, true, htBottom},
                      HitCase{"topLeft", {1, 1}, true, htTopLeft},
                      HitCase{"topRight", {1032, 2}, true, htTopRight},
                      HitCase{"bottomLeftStartsAt712", {1, 712}, true, htBottomLeft},
                      HitCase{"leftJustAbove712", {1, 711}, true, htLeft},
                      HitCase{"bottomRight", {1033, 717}, true, htBottomRight},
                      HitCase{"captionAfterLogin", {500, 10}, true, htCaption},
                      HitCase{"clientAfterLogin", {500, 400}, true, htClient}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(SkinFrame, MaximizedWindowHasNoSizingBorder)
{
    frame->SetSizeable(true);
    frame->Maximize();
    EXPECT_EQ(frame->HitTest({1, 100}), htObject);
    EXPECT_EQ(frame->HitTest({100, 10}), htCaption);
}

TEST_F(SkinFrame, WindowCannotBeMadeSmallerThanTheSkinAllows)
{
    EXPECT_EQ(frame->MinimumSize(), QSize(177, 34));
    window->resize(100, 20);
    EXPECT_EQ(window->size(), QSize(177, 34));

    frame->SetSizeable(true);
    window->resize(400, 300);
    const QPoint grip(399, 299);
    Press(grip);
    MoveTo(grip - QPoint(1000, 1000));
    Release(grip - QPoint(1000, 1000));
    EXPECT_EQ(window->size(), QSize(177, 34));
}

TEST_F(SkinFrame, BorderSizesTheWindowOnlyAfterLogin)
{
    const QRect before = window->geometry();
    Press({1, 400});
    MoveTo({-49, 400});
    Release({-49, 400});
    EXPECT_EQ(window->geometry(), before) << "no sizing before login";

    frame->SetSizeable(true);
    window->resize(600, 500);
    const QRect start = window->geometry();
    Press({1, 400});
    MoveTo({-49, 420});
    Release({-49, 420});
    EXPECT_EQ(window->geometry(), start.adjusted(-50, 0, 0, 0)) << "left edge";

    const QRect wide = window->geometry();
    Press({wide.width() - 1, wide.height() - 1});
    MoveTo({wide.width() + 29, wide.height() + 19});
    Release({wide.width() + 29, wide.height() + 19});
    EXPECT_EQ(window->geometry(), wide.adjusted(0, 0, 30, 20)) << "bottom-right corner";
}

TEST_F(SkinFrame, CaptionDragMovesTheWindow)
{
    const QPoint start = window->pos();
    Press({500, 10});
    MoveTo({540, 30});
    Release({540, 30});
    EXPECT_EQ(window->pos(), start + QPoint(40, 20));
}

TEST_F(SkinFrame, CloseRunsOnlyWhenReleasedOverTheButton)
{
    const QPoint close(1019, 12);
    Press(close);
    EXPECT_TRUE(frame->Button(cmClose)->Down);
    MoveTo({500, 400});
    Release({500, 400});
    EXPECT_FALSE(frame->Button(cmClose)->Down);
    EXPECT_TRUE(window->isVisible()) << "released outside: no command";

    Press(close);
    Release(close);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SkinFrame, MaximizeRemembersTheBoundsRestoreReturnsTo)
{
    int maximized = 0, restored = 0;
    frame->OnMaximize = [&](QObject*) { ++maximized; };
    frame->OnRestore = [&](QObject*) { ++restored; };
    window->setGeometry(10, 20, 600, 400);
    const QRect before = window->geometry();

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, {590 - 22, 12});  // maximize, before login
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    EXPECT_EQ(window->geometry(), window->screen()->availableGeometry());
    EXPECT_EQ(frame->RestoreBounds(), before);

    frame->Maximize();
    EXPECT_EQ(frame->RestoreBounds(), before) << "a second maximize keeps the first bounds";

    frame->RunCommand(cmMaximize);  // the same button now restores
    EXPECT_EQ(frame->WindowState(), wsNormal);
    EXPECT_EQ(window->geometry(), before);
    EXPECT_TRUE(frame->RestoreBounds().isEmpty());
    EXPECT_EQ(maximized, 2);
    EXPECT_EQ(restored, 1);
}

TEST_F(SkinFrame, CaptionDoubleClickTogglesMaximizedOnlyAfterLogin)
{
    window->setGeometry(10, 20, 600, 400);
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 10});
    EXPECT_EQ(frame->WindowState(), wsNormal);

    frame->SetSizeable(true);
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 10});
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, {300, 10});
    EXPECT_EQ(frame->WindowState(), wsNormal);
    EXPECT_EQ(window->geometry(), QRect(10, 20, 600, 400));
}

QStringList MenuItems(const TMenuItem& root)
{
    QStringList items;
    for (int i = 0; i < root.Count(); ++i)
        items.append(root.Items(i)->Caption +
                     (root.Items(i)->ShortCut.isEmpty() ? QString() : " " + root.Items(i)->ShortCutText()));
    return items;
}

TEST_F(SkinFrame, SystemMenuOpensAtTheCursorOrUnderTheIcon)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    TskSkinMenu* menu = frame->SkinMenu();

    Press({400, 12}, Qt::RightButton);
    ASSERT_TRUE(menu->Visible());
    EXPECT_EQ(menu->Level(0)->pos(), window->mapToGlobal(QPoint(400, 12)));
    EXPECT_EQ(MenuItems(frame->SystemMenuItems()), (QStringList{"Mi&nimize", "Ma&ximize", "-", "&Close Alt+F4"}));
    menu->CloseMenu();

    Press({10, 10});
    ASSERT_TRUE(menu->Visible());
    EXPECT_TRUE(frame->Button(cmSysMenu)->Down) << "the icon stays down while its menu is open";
    EXPECT_EQ(menu->Level(0)->pos(), window->mapToGlobal(QPoint(5, 20)));
    menu->CloseMenu();
    EXPECT_FALSE(frame->Button(cmSysMenu)->Down);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(menu->Visible());
    EXPECT_EQ(menu->Level(0)->pos(), window->mapToGlobal(QPoint(5, 20)));
    menu->CloseMenu();
}

TEST_F(SkinFrame, SystemMenuItemsRunTheWindowCommands)
{
    const TMenuItem& items = frame->SystemMenuItems();
    frame->ShowSystemMenuAt(window->mapToGlobal(QPoint(300, 10)));
    items.Items(1)->Click();  // Maximize
    EXPECT_EQ(frame->WindowState(), wsMaximized);
    frame->SkinMenu()->CloseMenu();

    frame->ShowSystemMenuAt(window->mapToGlobal(QPoint(300, 10)));
    EXPECT_EQ(MenuItems(items), (QStringList{"Mi&nimize", "&Restore", "-", "&Close Alt+F4"}));
    items.Items(1)->Click();
    EXPECT_EQ(frame->WindowState(), wsNormal);
    items.Items(3)->Click();
    EXPECT_FALSE(window->isVisible());
}

// Pixels of `image` inside `r` with exactly `color`.
int CountColor(const QImage& image, const QRect& r, QRgb color)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return n;
}

TEST_F(SkinFrame, InactiveWindowDrawsItsCaptionInSilverOnTheSameFrame)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QImage active = Grab();
    const QRect text = frame->Caption()->TextRect().ToQRect();
    EXPECT_GT(CountColor(active, text, 0xFFFFFF), 20);
    EXPECT_EQ(CountColor(active, text, 0xC0C0C0), 0);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    const QImage inactive = Grab();
    EXPECT_GT(CountColor(inactive, text, 0xC0C0C0), 20);
    EXPECT_EQ(CountColor(inactive, text, 0xFFFFFF), 0);
    EXPECT_EQ(inactive.copy(0, 22, 1034, 4), active.copy(0, 22, 1034, 4)) << "the frame itself is unchanged";
}

TEST_F(SkinFrame, StripsAreCutFromTheSkinPicture)
{
    const QImage shot = Grab();
    const QImage& pic = Main();
    const int W = 1034, H = 718;
    const auto same = [&](QPoint at, QPoint src) { return shot.pixel(at) == pic.pixel(src); };
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 5; ++x) {
            ASSERT_TRUE(same({x, y}, {x, y})) << "top-left corner " << x << "," << y;
            ASSERT_TRUE(same({W - 5 + x, y}, {172 + x, y})) << "top-right corner " << x << "," << y;
        }
    // The top edge piece (x 10..165) repeats from the window's left edge.
    for (int x = 10; x < W - 12; ++x)
        ASSERT_TRUE(same({x, 23}, {10 + x % 155, 23})) << "top edge at x " << x;
    // The left edge piece (y 28..111) repeats from the top of the left strip (y 26).
    for (int y = 28; y < H - 8 - 5; ++y)
        ASSERT_TRUE(same({4, y}, {4, 28 + (y - 26) % 83})) << "left edge at y " << y;
    for (int y = 0; y < 8; ++y)
        ASSERT_TRUE(same({W - 1, H - 8 + y}, {176, 116 + y})) << "bottom-right corner row " << y;
}

TEST_F(SkinFrame, DoubleScaleDrawsEveryPieceTwiceAsLargeWithoutSeams)
{
    const auto render = [&](qreal ratio) {
        QImage image(QSize(1034, 718) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        QPainter p(&image);
        frame->PaintFrame(p);
        return image;
    };
    const QImage one = render(1), two = render(2);
    // The caption text is drawn by the font at each size; everything else is the picture.
    const QRect text = frame->Caption()->TextRect().ToQRect();
    const QRect icon = frame->Button(cmSysMenu)->ObjectRect.ToQRect();
    for (int y = 0; y < 718 * 2; ++y)
        for (int x = 0; x < 1034 * 2; ++x) {
            const QPoint logical(x / 2, y / 2);
            if (text.contains(logical) || icon.contains(logical))
                continue;
            ASSERT_EQ(two.pixel(x, y), one.pixel(logical)) << x << "," << y;
        }
}

TEST_F(SkinFrame, NoSkinGivesTheBuiltInFrame)
{
    TskSkinData empty(window.get());
    frame->SetSkinData(&empty);
    EXPECT_FALSE(frame->SkinApplied());
    EXPECT_EQ(window->contentsRect(), QRect(3, 25, 1034 - 6, 718 - 28));
    EXPECT_EQ(frame->MinimumSize(), QSize(130, 25));
    const TskSkinStdButtonObject* close = frame->Button(cmClose);
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->HasSkin);
    EXPECT_EQ(Str(close->ObjectRect), Str(R(1015, 5, 1031, 19)));
    EXPECT_EQ(frame->HitTest({500, 12}), htCaption);
    const QImage shot = Grab();
    EXPECT_EQ(QColor(shot.pixel(10, 23)), ColorToQColor(clBtnFace));
    frame->SetSkinData(nullptr);
}

TEST(SkinFrameApply, EnlargesAWindowSmallerThanTheSkinAllows)
{
    QWidget window;
    window.resize(60, 20);
    TskCompressedStoredSkin stored;
    DressInStoredSkin(window, stored);
    EXPECT_EQ(window.size(), QSize(177, 34));
    EXPECT_EQ(window.contentsRect().size(), QSize(160, 0));
}

// A button whose own picture index does not exist draws from the frame picture.
TEST(SkinFrameApply, ButtonWithAMissingPictureDrawsFromTheMainPicture)
{
    for (const auto& [index, expected] : {std::pair{0, QColor(Qt::blue)}, std::pair{9, QColor(Qt::red)}}) {
        const QByteArray text = "[PICTURES]\r\npicture=m.bmp\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
                                "[FORMINFO]\r\nclientrect=2,3,18,8\r\ncaptionrect=0,0,20,3\r\n"
                                "[SKINOBJECTS]\r\ncount=1\r\n0=closebutton:stdbutton\r\n"
                                "[closebutton]\r\ncommand=cmclose\r\nskinrectinapicture=1\r\n"
                                "activepictureindex=" + QByteArray::number(index) +
                                "\r\nskinrect=0,0,3,3\r\nactiveskinrect=3,0,6,3\r\n";
        TskSkinPackage package = SmallPackage(text);
        package.ActivePictures = {Bmp(7, 5, Qt::blue)};
        TskCompressedStoredSkin stored;
        Store(stored, package);
        QWidget window;
        auto* frame = new TskSkinForm(&window);
        auto* skin = new TskSkinData(&window);
        frame->SetSkinData(skin);
        skin->LoadCompressedStoredSkin(&stored);
        window.resize(200, 100);
        const TskSkinStdButtonObject* close = frame->Button(cmClose);
        ASSERT_NE(close, nullptr) << index;
        EXPECT_EQ(close->ActiveRect.IsEmpty(), index == 9) << index;
        QImage image(window.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        frame->PaintFrame(p);
        p.end();
        EXPECT_EQ(QColor(image.pixel(close->ObjectRect.Left + 1, close->ObjectRect.Top + 1)), expected) << index;
    }
}

// A control that writes down the skin messages the frame relays to it.
class RecordingPanel : public TskSkinPanel {
public:
    RecordingPanel(QWidget* parent, const char* name, QStringList* log) : TskSkinPanel(parent), log_(log)
    {
        setObjectName(QString::fromLatin1(name));
    }
    void SkinChanging() override
    {
        log_->append("begin " + objectName());
        TskSkinPanel::SkinChanging();
    }
    void SkinChanged() override
    {
        log_->append("changed " + objectName());
        TskSkinPanel::SkinChanged();
    }

private:
    QStringList* log_;
};

TEST_F(SkinFrame, SkinChangesReachTheControlsDepthFirst)
{
    QStringList log;
    auto* outer = new RecordingPanel(window.get(), "outer", &log);
    auto* inner = new RecordingPanel(outer, "inner", &log);
    auto* other = new RecordingPanel(window.get(), "other", &log);
    TskSkinData otherSkin;
    outer->SetSkinData(skin);
    inner->SetSkinData(skin);
    other->SetSkinData(&otherSkin);
    log.clear();

    skin->LoadCompressedStoredSkin(&stored);
    EXPECT_EQ(log, (QStringList{"begin outer", "begin inner", "begin other", "changed outer", "changed inner"}));
    EXPECT_TRUE(frame->SkinApplied());
    EXPECT_NE(frame->Button(cmClose), nullptr) << "the frame objects are made again";
}

}  // namespace

// Skinned buttons and the check box drawn from the stored skin: state pictures
// compared with "controls.bmp", text colours, press and release, groups,
// repeat, keys, and the same pictures at twice the pixel density.
#include "SkinFixture.h"
#include "skin/SkinCtrls.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb kHostColour = qRgb(255, 0, 255);

// Opens the protected drawing of a control for pictures at any density.
template <class Control>
struct Probe : Control {
    using Control::Control;
    QImage Render(qreal dpr)
    {
        QImage img((QSizeF(this->size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(dpr);
        img.fill(kHostColour);
        QPainter p(&img);
        this->DrawSkinImage(p);
        return img.convertToFormat(QImage::Format_RGB32);
    }
};

class SkinButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(400, 200);
        QPalette pal = host.palette();
        pal.setColor(QPalette::Window, QColor(kHostColour));
        host.setPalette(pal);
        host.setAutoFillBackground(true);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    template <class Control>
    Control* Make(const char* skinName, QRect bounds)
    {
        auto* c = new Control(&host);
        c->SetSkinDataName(QString::fromLatin1(skinName));
        c->SetSkinData(skin.get());
        c->setGeometry(bounds);
        c->show();
        return c;
    }

    // What the window shows where the control lies.
    QImage Seen(QWidget* w) { return Shot(host).copy(w->geometry()); }

    static void Enter(QWidget* w)
    {
        QEnterEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    }
    static void Leave(QWidget* w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
    static void DragTo(QWidget* w, QPoint at)
    {
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(w, &e);
    }

    std::unique_ptr<TskSkinData> skin = OrangeSkin();
    QImage controls = skin->ActivePicture(3);
    QWidget host;
};

// Whether the fixed ends of a [button] strip show `face`'s columns.
::testing::AssertionResult StripEndsAre(const QImage& shot, const QImage& picture, QPoint face)
{
    const int w = shot.width();
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 9; ++x)
            if (shot.pixel(x, y) != picture.pixel(face.x() + x, face.y() + y))
                return ::testing::AssertionFailure() << "left part at " << x << "," << y;
        for (int x = 0; x < 11; ++x)
            if (shot.pixel(w - 11 + x, y) != picture.pixel(face.x() + 58 + x, face.y() + y))
                return ::testing::AssertionFailure() << "right part at " << x << "," << y;
    }
    return ::testing::AssertionSuccess();
}

// Bounding box of the pixels of exactly `colour` inside `area`.
QRect InkOf(const QImage& shot, QRgb colour, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((shot.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK))
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST_F(SkinButtons, LoginButtonShowsEachStatePictureAndTextColour)
{
    auto* button = Make<TskSkinXFormButton>("button", {10, 10, 177, 25});
    button->SetCaption(QStringLiteral("LOGIN"));
    const QRect text(9, 0, 177 - 20, 25);
    struct Case {
        const char* state;
        std::function<void()> enter;
        QPoint face;
        QRgb ink;
    };
    const Case cases[] = {
        {"normal", [] {}, {1, 0}, qRgb(255, 255, 255)},
        {"mouse over", [&] { Enter(button); }, {70, 0}, qRgb(0, 0, 0)},
        {"pressed", [&] { QTest::mousePress(button, Qt::LeftButton, {}, {20, 10}); }, {140, 0}, qRgb(0, 0, 0)},
        {"disabled", [&] { button->setEnabled(false); }, {1, 0}, qRgb(128, 128, 128)},
    };
    for (const Case& c : cases) {
        c.enter();
        const QImage shot = Seen(button);
        EXPECT_TRUE(StripEndsAre(shot, controls, c.face)) << c.state;
        EXPECT_FALSE(InkOf(shot, c.ink, text).isEmpty()) << c.state;
        QTest::mouseRelease(button, Qt::LeftButton, {}, {20, 10});
        Leave(button);
        button->setEnabled(true);
    }
    EXPECT_EQ(button->height(), 25) << "the strip's height";
}

TEST_F(SkinButtons, ReleasedOutsideShowsTheNormalPictureAndDoesNotClick)
{
    auto* button = Make<TskSkinXFormButton>("button", {10, 10, 177, 25});
    button->SetCaption(QStringLiteral("LOGIN"));
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };

    Enter(button);
    QTest::mousePress(button, Qt::LeftButton, {}, {20, 10});
    EXPECT_TRUE(button->Down());
    DragTo(button, {300, 10});
    EXPECT_TRUE(StripEndsAre(Seen(button), controls, {1, 0})) << "held outside: not pressed";
    DragTo(button, {20, 10});
    EXPECT_TRUE(StripEndsAre(Seen(button), controls, {140, 0})) << "back inside: pressed";
    DragTo(button, {300, 10});
    QTest::mouseRelease(button, Qt::LeftButton, {}, {300, 10});
    Leave(button);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(StripEndsAre(Seen(button), controls, {1, 0}));

    QTest::mouseClick(button, Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtons, CaptionMovesOnePixelWhilePressed)
{
    auto* button = Make<TskSkinXFormButton>("button", {10, 10, 177, 25});
    button->SetCaption(QStringLiteral("LOGIN"));
    const QRect text(9, 0, 177 - 20, 25);
    Enter(button);
    const QRect hot = InkOf(Seen(button), qRgb(0, 0, 0), text);
    QTest::mousePress(button, Qt::LeftButton, {}, {20, 10});
    const QRect pressed = InkOf(Seen(button), qRgb(0, 0, 0), text);
    ASSERT_FALSE(hot.isEmpty());
    EXPECT_EQ(pressed, hot.translated(1, 1));
    // Centred in the client rect 5,5 .. 172,19.
    EXPECT_NEAR(hot.center().x(), (5 + 171) / 2, 2);
    EXPECT_NEAR(hot.center().y(), (5 + 18) / 2, 2);
    QTest::mouseRelease(button, Qt::LeftButton, {}, {20, 10});
}

TEST_F(SkinButtons, RefreshButtonIsNinePieceAtAnySizeWithBlackText)
{
    auto* button = Make<TskSkinXFormButton>("resizebutton", {10, 10, 96, 19});
    button->SetCaption(QStringLiteral("Refresh"));
    EXPECT_EQ(button->ResizeMode(), rmNinePiece);
    EXPECT_EQ(button->size(), QSize(96, 19));
    for (const auto& [pressed, face] : {std::pair{false, QPoint(40, 228)}, std::pair{true, QPoint(102, 228)}}) {
        if (pressed)
            QTest::mousePress(button, Qt::LeftButton, {}, {20, 10});
        const QImage shot = Seen(button);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(shot.pixel(x, y), controls.pixel(face.x() + x, face.y() + y)) << pressed;
        // The bottom-right corner: the bottom strip's last 6 x 4 (from x 24) and
        // the right strip's last 4 x 3 (from y 19) above it.
        for (int y = 0; y < 7; ++y)
            for (int x = y < 3 ? 2 : 0; x < 6; ++x)
                ASSERT_EQ(shot.pixel(90 + x, 12 + y), controls.pixel(face.x() + 24 + x, face.y() + 19 + y)) << pressed;
        EXPECT_FALSE(InkOf(shot, qRgb(0, 0, 0), {4, 4, 88, 11}).isEmpty()) << pressed;
    }
    QTest::mouseRelease(button, Qt::LeftButton, {}, {20, 10});
}

TEST_F(SkinButtons, GroupsKeepOneDownAndAllowAllUpRaisesIt)
{
    auto* a = Make<TskSkinButton>("button", {10, 10, 80, 25});
    auto* b = Make<TskSkinButton>("button", {100, 10, 80, 25});
    int clicksA = 0, clicksB = 0;
    a->OnClick = [&](QObject*) { ++clicksA; };
    b->OnClick = [&](QObject*) { ++clicksB; };
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    EXPECT_FALSE(a->CanFocused()) << "grouped buttons take no focus";

    QTest::mousePress(a, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicksA, 1) << "a grouped button clicks on the press";
    QTest::mouseRelease(a, Qt::LeftButton, {}, {5, 5});
    Leave(a);
    EXPECT_TRUE(a->Down());
    EXPECT_TRUE(StripEndsAre(Seen(a), controls, {140, 0})) << "down shows pressed without the mouse";

    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicksB, 1);

    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(b->Down()) << "without AllowAllUp the last one stays down";
    EXPECT_EQ(clicksB, 1);

    b->SetAllowAllUp(true);
    QTest::mouseClick(b, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicksB, 2);
}

TEST_F(SkinButtons, RepeatModeClicksWhileHeldInside)
{
    auto* button = Make<TskSkinXFormButton>("button", {10, 10, 80, 25});
    button->SetRepeatMode(true);
    button->SetRepeatInterval(20);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    QTest::mousePress(button, Qt::LeftButton, {}, {5, 5});
    QTRY_VERIFY_WITH_TIMEOUT(clicks >= 3, 2000);
    DragTo(button, {300, 5});
    QTest::qWait(60);
    const int outside = clicks;
    QTest::qWait(100);
    EXPECT_EQ(clicks, outside) << "no repeat while the pointer is outside";
    QTest::mouseRelease(button, Qt::LeftButton, {}, {300, 5});
    QTest::qWait(60);
    EXPECT_EQ(clicks, outside);
}

TEST_F(SkinButtons, KeysPressFocusedDefaultCancelAndAcceleratorButtons)
{
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    auto* field = new QLineEdit(&host);
    field->setGeometry(10, 100, 100, 20);
    field->show();
    auto* ok = Make<TskSkinButton>("button", {10, 10, 80, 25});
    auto* cancel = Make<TskSkinButton>("button", {100, 10, 80, 25});
    auto* go = Make<TskSkinButton>("button", {200, 10, 80, 25});
    auto* plain = Make<TskSkinXFormButton>("button", {300, 10, 80, 25});
    ok->SetDefault(true);
    cancel->SetCancel(true);
    go->SetCaption(QStringLiteral("&Go"));
    plain->SetCaption(QStringLiteral("&Plain"));
    std::map<QObject*, int> clicks;
    for (TskSkinButton* b : std::initializer_list<TskSkinButton*>{ok, cancel, go, plain})
        b->OnClick = [&](QObject* s) { ++clicks[s]; };

    go->setFocus();
    QTest::keyPress(go, Qt::Key_Space);
    EXPECT_TRUE(go->Down());
    EXPECT_TRUE(StripEndsAre(Seen(go), controls, {140, 0})) << "held by Space";
    EXPECT_EQ(clicks[go], 0);
    QTest::keyRelease(go, Qt::Key_Space);
    EXPECT_EQ(clicks[go], 1);
    EXPECT_FALSE(go->Down());
    EXPECT_TRUE(StripEndsAre(Seen(go), controls, {70, 0})) << "focused shows the active picture";
    QTest::keyClick(go, Qt::Key_Return);
    EXPECT_EQ(clicks[go], 2) << "Enter clicks the focused button, not the default one";
    EXPECT_EQ(clicks[ok], 0);

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(clicks[ok], 1) << "the default button answers Enter";
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(clicks[cancel], 1) << "the cancel button answers Escape";
    QTest::keyClick(field, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks[go], 3) << "the accelerator clicks";
    QTest::keyClick(field, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(clicks[plain], 0) << "a button that takes no focus has no keys";
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_Space);
    EXPECT_EQ(clicks[plain], 0);
}

TEST_F(SkinButtons, MissingOrWrongDefinitionsGiveTheBuiltInLooks)
{
    for (const char* name : {"nosuchname", "panel"}) {
        auto* button = Make<TskSkinXFormButton>(name, {10, 10, 60, 30});
        EXPECT_EQ(button->SkinIndex(), -1) << name;
        EXPECT_EQ(button->size(), QSize(60, 30)) << name;
        EXPECT_EQ(Seen(button).pixelColor(30, 3), ColorToQColor(clBtnFace)) << name;
        delete button;
    }
    auto* box = Make<TskSkinCheckRadioBox>("button", {10, 10, 97, 25});
    EXPECT_EQ(box->SkinIndex(), -1);
    EXPECT_EQ(Seen(box).pixelColor(3, 5), ColorToQColor(clBtnShadow)) << "the built-in 14 x 14 box";
}

TEST_F(SkinButtons, CheckBoxShowsItsStateImageOverTheParent)
{
    auto* box = Make<TskSkinCheckRadioBox>("checkbox", {10, 10, 97, 25});
    box->SetCaption(QStringLiteral("Remember"));
    EXPECT_EQ(box->size(), QSize(97, 25)) << "a flat box keeps its size";
    struct Case {
        const char* state;
        bool checked, hot, enabled;
        QPoint image;
    };
    const Case cases[] = {
        {"unchecked", false, false, true, {79, 87}},
        {"checked", true, false, true, {94, 87}},
        {"hot falls back to the plain image", true, true, true, {94, 87}},
        {"disabled unchecked", false, false, false, {178, 112}},
        {"disabled checked", true, false, false, {193, 112}},
    };
    const QPoint at(3, 25 / 2 - 8);
    for (const Case& c : cases) {
        box->SetChecked(c.checked);
        box->setEnabled(c.enabled);
        c.hot ? Enter(box) : Leave(box);
        const QImage shot = Seen(box);
        const QRgb clear = controls.pixel(c.image.x(), c.image.y() + 15);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb src = controls.pixel(c.image + QPoint(x, y));
                ASSERT_EQ(shot.pixel(at + QPoint(x, y)), src == clear ? kHostColour : src) << c.state << " " << x << "," << y;
            }
        // Caption from x = 16 + 7, in framefontcolor or unenabledfontcolor.
        const QRect ink = InkOf(shot, c.enabled ? qRgb(0, 0, 0) : qRgb(128, 128, 128), {19, 0, 78, 25});
        ASSERT_FALSE(ink.isEmpty()) << c.state;
        EXPECT_GE(ink.left(), 23) << c.state;
        EXPECT_LE(ink.left(), 25) << c.state;
        EXPECT_EQ(Shot(host).pixel(box->geometry().topLeft() + QPoint(1, 1)), kHostColour) << c.state;
    }
}

TEST_F(SkinButtons, CheckBoxCaptionClickTogglesAndGrayedIsAMixTowardWhite)
{
    auto* box = Make<TskSkinCheckRadioBox>("checkbox", {10, 10, 97, 25});
    box->SetCaption(QStringLiteral("Remember"));
    box->SetCanFocused(false);
    int clicks = 0;
    box->OnClick = [&](QObject*) { ++clicks; };
    for (const bool expected : {true, false, true, false}) {
        QTest::mouseClick(box, Qt::LeftButton, {}, {60, 12});
        EXPECT_EQ(box->Checked(), expected);
        EXPECT_EQ(box->State(), expected ? cbChecked : cbUnchecked) << "never grayed";
    }
    EXPECT_EQ(clicks, 4);

    Leave(box);
    box->SetState(cbGrayed);
    const QImage shot = Seen(box);
    const QPoint at(3, 25 / 2 - 8);
    const QRgb clear = controls.pixel(94, 102);
    int mixed = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb src = controls.pixel(94 + x, 87 + y);
            if (src == clear)
                continue;
            const auto half = [](int v) { return (v + 256) / 2; };
            ASSERT_EQ(shot.pixel(at + QPoint(x, y)), qRgb(half(qRed(src)), half(qGreen(src)), half(qBlue(src))));
            ++mixed;
        }
    EXPECT_GT(mixed, 0);
}

TEST_F(SkinButtons, PicturesAreDrawnAtTwiceTheSizeOnADoubleDensityScreen)
{
    auto* button = new Probe<TskSkinXFormButton>(&host);
    button->SetSkinDataName(QStringLiteral("resizebutton"));
    button->SetSkinData(skin.get());
    button->setGeometry(0, 0, 96, 19);
    button->SetCaption(QStringLiteral("Refresh"));
    auto* box = new Probe<TskSkinCheckRadioBox>(&host);
    box->SetSkinData(skin.get());
    box->setGeometry(0, 40, 97, 25);
    box->SetChecked(true);
    box->SetCaption(QStringLiteral("Remember"));
    struct Case {
        const char* control;
        std::function<QImage(qreal)> render;
        QRect picture;  // where only skin pixels lie, in logical pixels
        QRect text;
    };
    const Case cases[] = {
        {"button", [&](qreal r) { return button->Render(r); }, {0, 0, 96, 19}, {4, 4, 88, 11}},
        {"check box", [&](qreal r) { return box->Render(r); }, {3, 4, 16, 16}, {23, 0, 74, 25}},
    };
    for (const Case& c : cases) {
        const QImage one = c.render(1), two = c.render(2);
        bool finer = false;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x) {
                const QPoint logical(x / 2, y / 2);
                if (c.text.contains(logical)) {
                    finer |= two.pixel(x, y) != two.pixel(x & ~1, y & ~1);
                    continue;
                }
                if (c.picture.contains(logical)) {
                    ASSERT_EQ(two.pixel(x, y), one.pixel(logical)) << c.control << " " << x << "," << y;
                }
            }
        EXPECT_TRUE(finer) << c.control << ": text drawn at the finer size";
    }
}

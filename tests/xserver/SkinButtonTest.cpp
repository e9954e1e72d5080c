// Skinned buttons and the check box under the real pointer and keyboard: the
// server decides where a held button's moves and its release land, and keys
// reach the window only while it is active.
#include "XPointer.h"
#include "skin/SkinCtrls.h"
#include "tests/controls/SkinFixture.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace xpointer;

namespace {

class SkinButtonX : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setGeometry(100, 100, 400, 200);
        button = Add<TskSkinXFormButton>({20, 20, 177, 25});
        button->SetCaption(QStringLiteral("LOGIN"));
        button->OnClick = [this](QObject*) { ++clicks; };
        box = Add<TskSkinCheckRadioBox>({20, 60, 97, 25});
        box->SetCaption(QStringLiteral("Remember"));
        box->SetCanFocused(false);
        field = new QLineEdit(&window);
        field->setGeometry(20, 100, 150, 22);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override { ASSERT_TRUE(Park()); }

    template <class Control>
    Control* Add(QRect bounds)
    {
        auto* c = new Control(&window);
        c->SetSkinData(skin.get());
        c->setGeometry(bounds);
        return c;
    }

    // Whether the button's left end shows the [button] picture starting at `x`.
    bool Shows(int x) const
    {
        const QImage shot = Shot(*button);
        const QImage picture = skin->ActivePicture(3);
        for (int y = 0; y < 25; ++y)
            for (int dx = 0; dx < 9; ++dx)
                if (shot.pixel(dx, y) != picture.pixel(x + dx, y))
                    return false;
        return true;
    }

    std::unique_ptr<TskSkinData> skin = OrangeSkin();
    QWidget window;
    TskSkinXFormButton* button = nullptr;
    TskSkinCheckRadioBox* box = nullptr;
    QLineEdit* field = nullptr;
    int clicks = 0;
};

TEST_F(SkinButtonX, HeldButtonFollowsThePointerAndReleaseOutsideDoesNotClick)
{
    ASSERT_TRUE(MoveTo(button, {50, 12}));
    ASSERT_TRUE(WaitFor([&] { return Shows(70); })) << "mouse over: the active picture";
    ASSERT_TRUE(Press(1));
    ASSERT_TRUE(WaitFor([&] { return Shows(140); })) << "pressed";
    ASSERT_TRUE(MoveTo(button, {50, 120}));
    ASSERT_TRUE(WaitFor([&] { return Shows(1); })) << "held outside: the normal picture";
    ASSERT_TRUE(MoveTo(button, {50, 12}));
    ASSERT_TRUE(WaitFor([&] { return Shows(140); })) << "back inside: pressed again";
    ASSERT_TRUE(MoveTo(button, {50, 120}));
    ASSERT_TRUE(Release(1));
    EXPECT_TRUE(WaitFor([&] { return !button->Down() && Shows(1); }));
    EXPECT_EQ(clicks, 0);

    ASSERT_TRUE(MoveTo(button, {50, 12}));
    ASSERT_TRUE(Click(1));
    EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));
}

TEST_F(SkinButtonX, CheckBoxCaptionClickToggles)
{
    ASSERT_TRUE(MoveTo(box, {60, 12}));
    ASSERT_TRUE(Click(1));
    ASSERT_TRUE(WaitFor([&] { return box->Checked(); }));
    ASSERT_TRUE(Click(1));
    EXPECT_TRUE(WaitFor([&] { return !box->Checked(); }));
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(SkinButtonX, DefaultCancelAndAcceleratorKeysOfTheActiveWindow)
{
    auto* ok = Add<TskSkinButton>({220, 20, 80, 25});
    ok->SetCaption(QStringLiteral("&Go"));
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->show();
    int okClicks = 0;
    ok->OnClick = [&](QObject*) { ++okClicks; };
    ASSERT_TRUE(MoveTo(field, {5, 5}));  // off LOGIN, and a move for the parking afterwards
    ASSERT_TRUE(Activate(&window));
    field->setFocus();
    for (const char* key : {"Return", "Escape", "alt+g"}) {
        const int before = okClicks;
        ASSERT_TRUE(Xdo({"key", "--window", QString::number(window.winId()), key}));
        EXPECT_TRUE(WaitFor([&] { return okClicks == before + 1; })) << key;
    }
    EXPECT_EQ(clicks, 0) << "LOGIN takes no keys";
}

}  // namespace

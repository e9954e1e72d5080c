// The login panel's fields under a real pointer: a field shows the skin's
// active frame while the pointer is over it or it has the focus, and a click
// in the password field puts the caret before the cell under the pointer.
#include "XPointer.h"
#include "tests/window/WindowFixture.h"

using namespace xpointer;

namespace {

class LoginFields : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Open();
        ASSERT_TRUE(Park());
        ASSERT_TRUE(Activate(form.get()));
        picture = form->skSkinData1->ActivePicture(3);
    }

    void TearDown() override
    {
        EXPECT_TRUE(Park());
        WindowTest::TearDown();
    }

    // Whether the field's top edge shows the [edit] picture's active rect (else the normal one).
    bool ShowsActiveFrame(QWidget* field) const
    {
        const QImage shot = field->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb top = shot.pixel(10 * int(shot.devicePixelRatio()), 0);
        EXPECT_TRUE(top == picture.pixel(120, 58) || top == picture.pixel(94, 58)) << "an [edit] frame";
        return top == picture.pixel(120, 58);
    }

    QImage picture;
};

TEST_F(LoginFields, FramesLightUnderThePointerAndAClickPlacesThePasswordCaret)
{
    TskSkinEdit* login = form->loginedit;
    TskSkinPasswordEdit* pass = form->passedit;
    pass->SetText("abcdef");
    ASSERT_TRUE(login->hasFocus());
    EXPECT_TRUE(ShowsActiveFrame(login)) << "focused";
    EXPECT_FALSE(ShowsActiveFrame(pass));

    const int cell = pass->CellWidth();
    ASSERT_TRUE(MoveTo(pass, {pass->TextRect().left() + 3 * cell + cell - 2, pass->height() / 2}));
    ASSERT_TRUE(WaitFor([&] { return pass->Hot(); }));
    EXPECT_TRUE(ShowsActiveFrame(pass)) << "pointer over it";

    ASSERT_TRUE(Click(1));
    ASSERT_TRUE(WaitFor([&] { return pass->hasFocus(); }));
    EXPECT_EQ(pass->CaretPos(), 3) << "before the cell clicked";
    EXPECT_EQ(pass->SelLength(), 0);
    EXPECT_FALSE(ShowsActiveFrame(login)) << "neither focused nor under the pointer";

    ASSERT_TRUE(MoveTo(login, {20, login->height() / 2}));
    ASSERT_TRUE(WaitFor([&] { return login->Hot(); }));
    EXPECT_TRUE(ShowsActiveFrame(login)) << "pointer over it";
    EXPECT_TRUE(ShowsActiveFrame(pass)) << "still focused";

    ASSERT_TRUE(MoveTo(form.get(), {100, 600}));
    ASSERT_TRUE(WaitFor([&] { return !login->Hot(); }));
    EXPECT_FALSE(ShowsActiveFrame(login));
}

}  // namespace

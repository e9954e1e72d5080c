// The Stats page's Refresh button under a real keyboard: Tab reaches it, its
// focus shows, and Space or Enter presses it.
#include "LoggedInWindow.h"

using namespace xpointer;

namespace {

class RefreshButton : public LoggedInWindow {
protected:
    void SetUp() override
    {
        LoggedInWindow::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(Park());  // no hover look on the button
        button = form->skSkinXFormButton2;
        const TNotifyEvent refresh = button->OnClick;
        button->OnClick = [this, refresh](QObject* sender) {
            ++presses;
            refresh(sender);
        };
    }

    bool Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        return WaitFor([w] { return w->hasFocus(); });
    }

    TskSkinXFormButton* button = nullptr;
    int presses = 0;
};

TEST_F(RefreshButton, TabFromTheListReachesItAndItsFocusShows)
{
    EXPECT_TRUE(form->RX->hasFocus()) << "the list takes the focus from the login page";
    ASSERT_TRUE(Focus(form->RX));
    const QImage unfocused = button->grab().toImage();
    ASSERT_TRUE(Key(QStringLiteral("Tab")));
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(button->grab().toImage(), unfocused) << "the focused button looks as when it is not";

    ASSERT_TRUE(Key(QStringLiteral("shift+Tab")));
    EXPECT_TRUE(form->RX->hasFocus());
    EXPECT_EQ(button->grab().toImage(), unfocused);
    EXPECT_EQ(presses, 0) << "moving the focus pressed the button";
}

TEST_F(RefreshButton, SpaceAndEnterPressIt)
{
    const int rows = form->RX->RowCount();
    ASSERT_GT(rows, 0);
    ASSERT_TRUE(Focus(button));
    const char* keys[] = {"space", "Return", "KP_Enter"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(keys[i]);
        ASSERT_TRUE(Key(QString::fromLatin1(keys[i])));
        EXPECT_TRUE(WaitFor([&] { return presses == i + 1 && !form->Requests->Busy(); }));
    }
    EXPECT_EQ(form->RX->RowCount(), rows) << "each press reloads the same list";
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace

#pragma once
// The main window logged in to the demo service, on its Stats page, the
// active window of the test X server.
#include "XPointer.h"
#include "tests/window/WindowFixture.h"

class LoggedInWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Open();
        LogIn(QStringLiteral("demo"), QStringLiteral("demo"), false);
        ASSERT_TRUE(form->LoggedIn());
        ASSERT_EQ(form->Page->ActivePageIndex(), TForm1::pgStats);
        ASSERT_TRUE(xpointer::Activate(form.get()));
    }
};

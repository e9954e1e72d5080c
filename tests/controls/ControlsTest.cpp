// Behaviour of the skinned controls in their built-in look: password entry,
// check box and button clicks, and page tabs shown and hidden.
#include "skin/SkinBoxCtrls.h"
#include "skin/SkinTabs.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(400, 300);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    QWidget host;
};
}  // namespace

TEST_F(ControlsTest, PasswordEditTypesEditsAndPastesButNeverCopies)
{
    auto* edit = new TskSkinPasswordEdit(&host);
    edit->setGeometry(10, 10, 299, 21);
    edit->show();
    int changes = 0;
    edit->OnChange = [&](QObject*) { ++changes; };
    edit->setFocus();

    QTest::keyClicks(edit, "secret");
    EXPECT_EQ(edit->Text(), "secret");
    EXPECT_EQ(edit->CaretPos(), 6);
    EXPECT_EQ(changes, 6);

    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);  // removes the "e" before the caret
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);     // removes the "s" after it
    EXPECT_EQ(edit->Text(), "ecrt");

    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(edit->SelLength(), 4);
    QApplication::clipboard()->setText("unchanged");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "unchanged") << "the secret never leaves the field";
    EXPECT_EQ(edit->Text(), "ecrt");

    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);  // replaces the selection
    EXPECT_EQ(edit->Text(), "pasted");

    // Enter is not typed: it belongs to the window.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->Text(), "pasted");
}

TEST_F(ControlsTest, PasswordEditRejectsTooLongInsertionWhole)
{
    auto* edit = new TskSkinPasswordEdit(&host);
    edit->SetMaxLength(5);
    edit->SetText("abc");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QApplication::clipboard()->setText("xyz");
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->Text(), "abc");
    QTest::keyClicks(edit, "de");
    EXPECT_EQ(edit->Text(), "abcde");
    edit->SetReadOnly(true);
    QTest::keyClicks(edit, "f");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "abcde");
}

TEST_F(ControlsTest, PasswordEditShowsSymbolsNotCharacters)
{
    auto* edit = new TskSkinPasswordEdit(&host);
    edit->setGeometry(0, 0, 200, 22);
    edit->show();
    const QImage empty = edit->grab().toImage();
    edit->SetText("iiiiiiiiii");
    const QImage narrow = edit->grab().toImage();
    edit->SetText("WWWWWWWWWW");
    // Every character is the same symbol in a cell of height/2 + 3 pixels.
    EXPECT_EQ(edit->grab().toImage(), narrow);
    EXPECT_NE(narrow, empty);
    const int cell = (22 - 4) / 2 + 3;
    const QColor ink = ColorToQColor(clWindowText);
    int inked = 0;
    for (int x = 2; x < 200; ++x)
        inked += narrow.pixelColor(x, 11) == ink;
    EXPECT_GE(inked, 10) << "ten symbols";
    EXPECT_EQ(narrow.pixelColor(2 + 10 * cell + 3, 11), ColorToQColor(clWindow)) << "nothing after the tenth cell";
}

TEST_F(ControlsTest, CheckBoxTogglesOnClickAnywhereIncludingCaption)
{
    auto* box = new TskSkinCheckRadioBox(&host);
    box->setGeometry(10, 10, 97, 25);
    box->SetCaption("Remember");
    box->SetCanFocused(false);
    box->show();
    int clicks = 0;
    box->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->State(), cbChecked);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(box->State(), cbUnchecked) << "never grayed without AllowGrayed";
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, ButtonReleasedOutsideDoesNotClick)
{
    auto* button = new TskSkinXFormButton(&host);
    button->setGeometry(10, 10, 177, 25);
    button->show();
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlsTest, HiddenTabsLeaveTheRowAndTheActivePageMovesOn)
{
    auto* pages = new TskSkinPageControl(&host);
    pages->setGeometry(0, 0, 400, 300);
    pages->show();
    QVector<TskSkinTabSheet*> sheet;
    for (const char* caption : {"A", "B", "C", "D"}) {
        sheet.append(new TskSkinTabSheet(pages));
        sheet.back()->SetCaption(caption);
    }
    EXPECT_EQ(pages->ActivePage(), sheet[0]);
    EXPECT_EQ(sheet[0]->geometry(), QRect(1, 21, 398, 278));

    sheet[1]->SetTabVisible(false);
    EXPECT_EQ(pages->VisiblePages(), (QVector<TskSkinCustomTabSheet*>{sheet[0], sheet[2], sheet[3]}));
    pages->SetActivePage(sheet[2]);
    EXPECT_EQ(pages->TabIndex(), 1) << "the index among visible tabs";
    EXPECT_TRUE(sheet[2]->isVisible());
    EXPECT_FALSE(sheet[0]->isVisible());

    sheet[2]->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), sheet[3]);

    // A click on a tab shows its page.
    QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(0).center());
    EXPECT_EQ(pages->ActivePage(), sheet[0]);
}

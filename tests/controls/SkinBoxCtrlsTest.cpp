// The login and password fields with the stored skin: frames and pictures
// from "controls.bmp", the password field's editing keys, paste and cells,
// and the keys the login field leaves to the window.
#include "SkinFixture.h"
#include "skin/SkinBoxCtrls.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The [edit] definition of the stored skin.
const QPoint kEditNormal(84, 58);
const QPoint kEditActive(110, 58);
const int kEditWidth = 24;

// Records the keys that reach the window behind the fields.
class KeyHost : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << e->key(); }
};

class SkinEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(400, 120);
        login = new TskSkinEdit(&host);
        login->setGeometry(10, 10, 299, 18);
        login->SetSkinData(skin.get());
        pass = new TskSkinPasswordEdit(&host);
        pass->setGeometry(10, 50, 299, 21);
        pass->SetSkinData(skin.get());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QApplication::setActiveWindow(&host);
        // The double-scale run must really draw at twice the density.
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            ASSERT_EQ(host.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        }
    }

    // Pixel at logical point `at` of `shot`, from its top-left device pixel.
    static QRgb At(const QImage& shot, QPoint at)
    {
        const qreal r = shot.devicePixelRatio();
        return shot.pixel(int(at.x() * r), int(at.y() * r));
    }

    // Whether the edit picture at `origin` fills the frame of `w`'s shot: fixed
    // ends of 4 pixels, the middle tiled, every logical pixel a solid block of
    // device pixels at the screen's scale.
    ::testing::AssertionResult ShowsEditFrame(QWidget& w, QPoint origin) const
    {
        const QImage shot = Shot(w);
        const int r = int(shot.devicePixelRatio());
        const int width = w.width();
        const int middle = kEditWidth - 8;
        // The caret crosses the middle row of a focused field.
        std::vector<int> rows{0, 1, w.height() - 2, w.height() - 1};
        if (!w.hasFocus())
            rows.push_back(w.height() / 2);
        for (int y : rows) {
            for (int x = 0; x < width; ++x) {
                const int px = x < 4 ? x : x >= width - 4 ? kEditWidth - (width - x) : 4 + (x - 4) % middle;
                const QRgb want = picture.pixel(origin + QPoint(px, y));
                for (int d = 0; d < r * r; ++d) {
                    const QRgb got = shot.pixel(x * r + d % r, y * r + d / r);
                    if (got != want)
                        return ::testing::AssertionFailure()
                               << "at " << x << "," << y << " device +" << d % r << "," << d / r << ": "
                               << std::hex << got << " instead of " << want;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    std::unique_ptr<TskSkinData> skin = OrangeSkin();
    QImage picture = skin->ActivePicture(3);
    KeyHost host;
    TskSkinEdit* login = nullptr;
    TskSkinPasswordEdit* pass = nullptr;
};

QString Show(const TskSkinPasswordEdit& e)
{
    return QStringLiteral("%1 caret %2 sel %3+%4").arg(e.Text()).arg(e.CaretPos()).arg(e.SelStart()).arg(e.SelLength());
}

TEST_F(SkinEdits, PasswordFieldTakesTheSkinHeightAndTenCharactersFillTenCellsOfTwelvePixels)
{
    EXPECT_EQ(pass->height(), 22) << "the [edit] picture's height";
    EXPECT_EQ(pass->TextRect(), QRect(2, 2, 295, 18));
    EXPECT_EQ(pass->CellWidth(), 12);
    pass->SetPasswordKind(pkRect);
    pass->SetText("0123456789");
    const QImage shot = Shot(*pass);
    const int r = int(shot.devicePixelRatio());
    const QRgb ink = qRgb(0, 0, 0);
    // Each cell holds one 8 x 8 box inset 2 pixels left and right and 5 at top and bottom.
    for (int cell = 0; cell < 11; ++cell) {
        int inked = 0;
        for (int y = 0; y < 22 * r; ++y)
            for (int x = (2 + 12 * cell) * r; x < (2 + 12 * (cell + 1)) * r; ++x)
                inked += shot.pixel(x, y) == ink;
        EXPECT_EQ(inked, cell < 10 ? 64 * r * r : 0) << "cell " << cell;
        if (cell < 10) {
            EXPECT_EQ(At(shot, {2 + 12 * cell + 2, 2 + 5}), ink) << "top-left of the box, cell " << cell;
            EXPECT_EQ(At(shot, {2 + 12 * cell + 9, 2 + 12}), ink) << "bottom-right of the box, cell " << cell;
            EXPECT_NE(At(shot, {2 + 12 * cell + 1, 11}), ink) << "left inset, cell " << cell;
            EXPECT_NE(At(shot, {2 + 12 * cell + 6, 2 + 4}), ink) << "top inset, cell " << cell;
        }
    }
}

TEST_F(SkinEdits, FramesShowTheNormalPictureAtRestAndTheActiveOneFocusedOrHovered)
{
    EXPECT_EQ(login->height(), 22) << "18 pixels grow to the picture's height";
    EXPECT_EQ(login->font().family(), MakeFont("Arial", 14).family());
    for (QWidget* field : {static_cast<QWidget*>(login), static_cast<QWidget*>(pass)}) {
        SCOPED_TRACE(field->metaObject()->className());
        host.setFocus();
        EXPECT_TRUE(ShowsEditFrame(*field, kEditNormal));
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        EXPECT_TRUE(ShowsEditFrame(*field, kEditActive));
        host.setFocus();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), field->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(field, &enter);
        EXPECT_TRUE(ShowsEditFrame(*field, kEditActive)) << "mouse over";
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(field, &leave);
        EXPECT_TRUE(ShowsEditFrame(*field, kEditNormal));
    }
}

TEST_F(SkinEdits, PasswordFieldEditingKeys)
{
    struct Case {
        const char* text;
        int selStart, selLength;  // the caret ends the selection
        int key;
        Qt::KeyboardModifiers mods;
        const char* after;  // text, caret, selection start and length
    };
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const Case cases[] = {
        {"abcd", 2, 0, Qt::Key_Left, none, "abcd caret 1 sel 1+0"},
        {"abcd", 0, 0, Qt::Key_Left, none, "abcd caret 0 sel 0+0"},
        {"abcd", 2, 0, Qt::Key_Right, none, "abcd caret 3 sel 3+0"},
        {"abcd", 4, 0, Qt::Key_Right, none, "abcd caret 4 sel 4+0"},
        {"abcd", 1, 2, Qt::Key_Left, none, "abcd caret 2 sel 2+0"},
        {"abcd", 2, 0, Qt::Key_Left, shift, "abcd caret 1 sel 1+1"},
        {"abcd", 1, 2, Qt::Key_Right, shift, "abcd caret 4 sel 1+3"},
        {"abcd", 2, 0, Qt::Key_Home, none, "abcd caret 0 sel 0+0"},
        {"abcd", 2, 0, Qt::Key_End, none, "abcd caret 4 sel 4+0"},
        {"abcd", 2, 0, Qt::Key_Home, shift, "abcd caret 0 sel 0+2"},
        {"abcd", 1, 1, Qt::Key_End, shift, "abcd caret 4 sel 1+3"},
        {"ab cd  ef", 9, 0, Qt::Key_Left, ctrl, "ab cd  ef caret 7 sel 7+0"},
        {"ab cd  ef", 7, 0, Qt::Key_Left, ctrl, "ab cd  ef caret 3 sel 3+0"},
        {"ab cd  ef", 0, 0, Qt::Key_Right, ctrl, "ab cd  ef caret 3 sel 3+0"},
        {"ab cd  ef", 4, 0, Qt::Key_Right, ctrl, "ab cd  ef caret 7 sel 7+0"},
        {"ab cd  ef", 4, 0, Qt::Key_Left, ctrl | shift, "ab cd  ef caret 3 sel 3+1"},
        {"abcd", 2, 0, Qt::Key_Backspace, none, "acd caret 1 sel 1+0"},
        {"abcd", 0, 0, Qt::Key_Backspace, none, "abcd caret 0 sel 0+0"},
        {"abcd", 2, 0, Qt::Key_Delete, none, "abd caret 2 sel 2+0"},
        {"abcd", 4, 0, Qt::Key_Delete, none, "abcd caret 4 sel 4+0"},
        {"abcd", 1, 2, Qt::Key_Backspace, none, "ad caret 1 sel 1+0"},
        {"abcd", 1, 2, Qt::Key_Delete, none, "ad caret 1 sel 1+0"},
        {"abcd", 1, 2, Qt::Key_X, none, "axd caret 2 sel 2+0"},
        {"abcd", 4, 0, Qt::Key_X, none, "abcdx caret 5 sel 5+0"},
        {"abcd", 1, 2, Qt::Key_C, ctrl, "abcd caret 3 sel 1+2"},
        {"abcd", 1, 2, Qt::Key_X, ctrl, "abcd caret 3 sel 1+2"},
        {"abcd", 1, 2, Qt::Key_Return, none, "abcd caret 3 sel 1+2"},
        {"abcd", 1, 2, Qt::Key_Escape, none, "abcd caret 3 sel 1+2"},
    };
    pass->setFocus();
    QApplication::clipboard()->setText("unchanged");
    for (const Case& c : cases) {
        pass->SetText(c.text);
        pass->SetSelStart(c.selStart);
        pass->SetSelLength(c.selLength);
        int changes = 0;
        pass->OnChange = [&](QObject*) { ++changes; };
        QTest::keyClick(pass, Qt::Key(c.key), c.mods);
        const QString label = QStringLiteral("%1 from %2+%3").arg(c.text).arg(c.selStart).arg(c.selLength);
        EXPECT_EQ(Show(*pass), c.after) << label.toStdString() << " key " << std::hex << c.key;
        EXPECT_EQ(changes, pass->Text() != c.text ? 1 : 0) << label.toStdString() << " OnChange";
        pass->OnChange = nullptr;
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "unchanged") << "no copy or cut";
}

TEST_F(SkinEdits, PasteInsertsWhatTheCodePageHoldsAndNothingOverMaxLength)
{
    struct Case {
        const char* clipboard;  // UTF-8
        const char* text;
        int selStart, selLength;
        int maxLength;
        const char* after;  // UTF-8: text, caret, selection
    };
    const Case cases[] = {
        {"XY", "abcd", 2, 0, 0, "abXYcd caret 4 sel 4+0"},
        {"XY", "abcd", 1, 2, 0, "aXYd caret 3 sel 3+0"},
        {"\xD0\x96\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80\xC3\xA9!", "", 0, 0, 0,
         "\xD0\x96\xE2\x82\xAC! caret 3 sel 3+0"},  // Zhe and the euro sign stay; Han, emoji and e-acute go
        {"one\r\ntwo", "", 0, 0, 0, "one caret 3 sel 3+0"},
        {"a\tb", "", 0, 0, 0, "ab caret 2 sel 2+0"},
        {"xyz", "abc", 3, 0, 5, "abc caret 3 sel 3+0"},
        {"xyz", "abcd", 1, 2, 5, "axyzd caret 4 sel 4+0"},
        {"xyz", "abcd", 1, 1, 5, "acd caret 1 sel 1+0"},  // rejected whole: only the selection goes
        {"\xE4\xB8\xAD", "abcd", 1, 2, 0, "abcd caret 3 sel 1+2"},
        {"", "abcd", 1, 2, 0, "abcd caret 3 sel 1+2"},
    };
    pass->setFocus();
    for (const bool shiftInsert : {false, true}) {
        for (const Case& c : cases) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
            pass->SetMaxLength(c.maxLength);
            pass->SetText(QString::fromUtf8(c.text));
            pass->SetSelStart(c.selStart);
            pass->SetSelLength(c.selLength);
            int changes = 0;
            pass->OnChange = [&](QObject*) { ++changes; };
            if (shiftInsert)
                QTest::keyClick(pass, Qt::Key_Insert, Qt::ShiftModifier);
            else
                QTest::keyClick(pass, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(Show(*pass), QString::fromUtf8(c.after)) << c.clipboard << (shiftInsert ? " Shift+Insert" : " Ctrl+V");
            EXPECT_EQ(changes, pass->Text() != QString::fromUtf8(c.text) ? 1 : 0) << c.clipboard;
            pass->OnChange = nullptr;
        }
    }
}

TEST_F(SkinEdits, ClicksPlaceTheCaretByCellAndDoubleClickSelectsTheWord)
{
    pass->SetText("ab cd");
    QTest::mouseClick(pass, Qt::LeftButton, {}, QPoint(2 + 12 * 3 + 11, 11));
    EXPECT_EQ(Show(*pass), "ab cd caret 3 sel 3+0") << "a click anywhere in a cell puts the caret before it";
    QTest::mouseDClick(pass, Qt::LeftButton, {}, QPoint(2 + 12 * 3 + 5, 11));
    EXPECT_EQ(Show(*pass), "ab cd caret 5 sel 3+2");
    QTest::mousePress(pass, Qt::LeftButton, {}, QPoint(2 + 12 * 4 + 1, 11));
    QTest::mouseMove(pass, QPoint(2, 11));
    QTest::mouseRelease(pass, Qt::LeftButton, {}, QPoint(2, 11));
    EXPECT_EQ(Show(*pass), "ab cd caret 0 sel 0+4") << "dragged left";
}

TEST_F(SkinEdits, LongPasswordsScrollToKeepTheCaretInView)
{
    pass->setFocus();
    const int visible = 295 / 12;
    pass->SetText(QString(40, 'x'));
    QTest::keyClick(pass, Qt::Key_End);
    EXPECT_EQ(pass->FirstVisible(), 40 - visible + 1);
    QTest::keyClick(pass, Qt::Key_Home);
    EXPECT_EQ(pass->FirstVisible(), 1);
    QTest::keyClick(pass, Qt::Key_End);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(pass, Qt::Key_Backspace);
    EXPECT_EQ(pass->FirstVisible(), 1) << "a text that fits again shows from its start";
}

TEST_F(SkinEdits, LoginFieldLeavesEnterAndEscapeToTheWindowAndSelectsAllOnTab)
{
    login->SetText("demo");
    login->setFocus();
    login->setCursorPosition(2);
    login->deselect();
    QTest::keyClick(login, Qt::Key_Return);
    QTest::keyClick(login, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(login, Qt::Key_Escape);
    EXPECT_EQ(login->Text(), "demo");
    EXPECT_EQ(host.keys, (QList<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}));

    host.setFocus();
    QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(login, &tabIn);
    EXPECT_EQ(login->selectedText(), "demo") << "AutoSelect";
}

TEST_F(SkinEdits, WithoutAnEditDefinitionBothFieldsKeepTheBuiltInLook)
{
    const auto blank = SyntheticSkin("[SKINCONTROLS]\r\ncount=1\r\n0=blankedit:edit\r\n"
                                     "[blankedit]\r\npictureindex=0\r\nclientrect=2,2,22,20\r\n");
    // Absent, of another kind, or an edit without a picture rect.
    for (const auto& [data, name] : {std::pair{skin.get(), "nosuch"}, std::pair{skin.get(), "button"},
                                     std::pair{blank.get(), "blankedit"}}) {
        SCOPED_TRACE(name);
        login->SetSkinData(data);
        pass->SetSkinData(data);
        login->SetSkinDataName(name);
        pass->SetSkinDataName(name);
        EXPECT_EQ(login->SkinIndex(), -1);
        EXPECT_EQ(pass->SkinIndex(), -1);
        // The skin's height no longer holds.
        login->resize(299, 18);
        pass->resize(299, 21);
        EXPECT_EQ(login->height(), 18);
        EXPECT_EQ(pass->height(), 21);
        for (QWidget* field : {static_cast<QWidget*>(login), static_cast<QWidget*>(pass)}) {
            const QImage shot = Shot(*field);
            EXPECT_EQ(At(shot, {0, 5}), ColorToQColor(clBtnShadow).rgb());
            EXPECT_EQ(At(shot, {1, 5}), ColorToQColor(clBtnFace).rgb());
            EXPECT_EQ(At(shot, {field->width() - 3, 5}), ColorToQColor(clWindow).rgb());
        }
    }
    login->SetSkinData(skin.get());
    pass->SetSkinData(skin.get());
    login->SetSkinDataName("edit");
    pass->SetSkinDataName("edit");
    EXPECT_EQ(login->height(), 22);
    EXPECT_EQ(pass->height(), 22);
}

}  // namespace

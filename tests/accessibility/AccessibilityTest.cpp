// What a screen reader finds in the grid and the skinned controls: roles,
// names, states, actions, and the events it is sent.
#include "app/Unit1.h"
#include "grid/DgGrid.h"
#include "skin/SkinBoxCtrls.h"
#include "skin/SkinCtrls.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenus.h"
#include "skin/SkinTabs.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Events as a reader would receive them, kept while the recorder lives.
struct ReaderEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
    int modelChange;  // QAccessibleTableModelChangeEvent's kind, -1 for other events
};
std::vector<ReaderEvent>* recording = nullptr;

void Record(QAccessibleEvent* event)
{
    int change = -1;
    if (event->type() == QAccessible::TableModelChanged)
        change = static_cast<QAccessibleTableModelChangeEvent*>(event)->modelChangeType();
    recording->push_back({event->type(), event->object(), event->child(), change});
}

// As when a screen reader starts: the platform's accessibility turns active.
void SetReaderActive(bool active)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
}

class ReaderRecorder {
public:
    ReaderRecorder()
    {
        recording = &events;
        previous_ = QAccessible::installUpdateHandler(Record);
        SetReaderActive(true);
    }
    ~ReaderRecorder()
    {
        SetReaderActive(false);
        QAccessible::installUpdateHandler(previous_);
        recording = nullptr;
    }
    int From(QObject* object) const
    {
        int n = 0;
        for (const ReaderEvent& e : events)
            n += e.object == object;
        return n;
    }
    int Count(QAccessible::Event type, int modelChange = -1) const
    {
        int n = 0;
        for (const ReaderEvent& e : events)
            n += e.type == type && (modelChange < 0 || e.modelChange == modelChange);
        return n;
    }
    std::vector<ReaderEvent> events;

private:
    QAccessible::UpdateHandler previous_;
};

// What `act` sends while no reader listens.
std::vector<ReaderEvent> SentWithoutReader(const std::function<void()>& act)
{
    std::vector<ReaderEvent> events;
    recording = &events;
    const auto previous = QAccessible::installUpdateHandler(Record);
    act();
    QAccessible::installUpdateHandler(previous);
    recording = nullptr;
    return events;
}

QAccessibleInterface* Of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Columns: 0 text "Team", 1 hidden text, 2 picture-only header, 3 text "Score".
class GridAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.resize(400, 200);
        for (int i = 0; i < 4; ++i)
            grid.Columns().Add<TDgTextColumn>();
        grid.Columns()[0]->Header().SetCaption(QStringLiteral("Team"));
        grid.Columns()[1]->SetVisible(false);
        grid.Columns()[2]->Header().SetAccessibleName(QStringLiteral("Country"));
        grid.Columns()[3]->Header().SetCaption(QStringLiteral("Score"));
        grid.SetOptions(grid.Options() | goSelectFullRow);
        for (int r = 0; r < 3; ++r) {
            grid.AddRow();
            grid.SetCells(0, r, QStringLiteral("Team %1").arg(r));
            grid.SetCells(1, r, QStringLiteral("secret"));
            grid.SetCells(3, r, QStringLiteral("%1:70").arg(80 + r));
        }
        grid.Cell(2, 1).SetHint(QStringLiteral("Euroleague"));
        grid.show();
        table = Of(&grid);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
    }

    TDataGrid grid;
    QAccessibleInterface* table = nullptr;
};

TEST_F(GridAccessibilityTest, IsATableOfTheVisibleColumnsWithHeaders)
{
    QAccessibleTableInterface* t = table->tableInterface();
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->columnDescription(0), "Team");
    EXPECT_EQ(t->columnDescription(1), "Country");
    EXPECT_EQ(t->columnDescription(2), "Score");
    EXPECT_EQ(table->childCount(), 4 * 3);
    EXPECT_EQ(table->child(1)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(table->child(1)->text(QAccessible::Name), "Country");

    QAccessibleInterface* cell = t->cellAt(2, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), "82:70");
    EXPECT_EQ(table->indexOfChild(cell), 3 * 3 + 2);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), "Score");
    // A picture cell is announced by its hint; hidden columns never show.
    EXPECT_EQ(t->cellAt(1, 1)->text(QAccessible::Name), "Euroleague");
    for (int c = 0; c < 3; ++c)
        EXPECT_NE(t->cellAt(0, c)->text(QAccessible::Name), "secret");
    EXPECT_EQ(t->cellAt(3, 0), nullptr);
}

TEST_F(GridAccessibilityTest, SelectionFollowsAClickAndIsAnnounced)
{
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setFocus();
    ReaderRecorder reader;
    const QRect r = grid.CellRect(0, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, r.center());

    QAccessibleTableInterface* t = table->tableInterface();
    EXPECT_EQ(t->selectedRows(), QList<int>{1});
    EXPECT_EQ(t->selectedCellCount(), 3);
    EXPECT_TRUE(t->cellAt(1, 2)->state().selected);
    EXPECT_FALSE(t->cellAt(0, 2)->state().selected);
    EXPECT_EQ(reader.Count(QAccessible::Selection), 1);
    ASSERT_EQ(reader.Count(QAccessible::Focus), 1);
    for (const ReaderEvent& e : reader.events) {
        if (e.type == QAccessible::Focus) {
            EXPECT_EQ(e.child, (1 + 1) * 3 + 0);
        }
    }
}

TEST_F(GridAccessibilityTest, AnUpdateBlockIsOneResetAndSingleChangesAreTold)
{
    ReaderRecorder reader;
    grid.BeginUpdate();
    for (int i = 0; i < 500; ++i) {
        const int row = grid.AddRow();
        grid.SetCells(0, row, QStringLiteral("Team"));
        grid.SetCells(3, row, QStringLiteral("1:1"));
    }
    grid.EndUpdate();
    EXPECT_EQ(reader.From(&grid), 1);
    EXPECT_EQ(reader.Count(QAccessible::TableModelChanged, QAccessibleTableModelChangeEvent::ModelReset), 1);
    EXPECT_EQ(table->tableInterface()->rowCount(), 503);

    reader.events.clear();
    grid.AddRow();
    grid.SetCells(0, 503, QStringLiteral("New"));
    grid.DeleteRow(0);
    EXPECT_EQ(reader.Count(QAccessible::TableModelChanged, QAccessibleTableModelChangeEvent::RowsInserted), 1);
    EXPECT_EQ(reader.Count(QAccessible::NameChanged), 1);
    EXPECT_EQ(reader.Count(QAccessible::TableModelChanged, QAccessibleTableModelChangeEvent::RowsRemoved), 1);
}

TEST_F(GridAccessibilityTest, NothingIsSentWhileNoReaderListens)
{
    EXPECT_TRUE(SentWithoutReader([&] {
                    grid.AddRow();
                    grid.SelectCell(0, 2);
                    grid.ClearRows();
                }).empty());
}

TEST_F(GridAccessibilityTest, PressingACellOpensItAsADoubleClickDoes)
{
    std::vector<std::pair<int, int>> opened;
    grid.OnCellDblClick = [&](QObject* sender, int c, int r) {
        EXPECT_EQ(sender, &grid);
        opened.emplace_back(c, r);
    };
    QAccessibleInterface* cell = table->tableInterface()->cellAt(2, 2);
    ASSERT_NE(cell->actionInterface(), nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_pair(3, 2));
    EXPECT_EQ(grid.SelectedRow(), 2);
}

// --- skinned controls ---------------------------------------------------------------------

TEST(SkinAccessibilityTest, ButtonsCheckBoxesAndLabelsHaveRolesNamesStatesAndActions)
{
    QWidget parent;
    parent.resize(300, 200);
    auto* button = new TskSkinXFormButton(&parent);
    button->setGeometry(0, 0, 100, 25);
    button->SetCaption(QStringLiteral("&Refresh"));
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    auto* box = new TskSkinCheckRadioBox(&parent);
    box->setGeometry(0, 30, 120, 25);
    box->SetCaption(QStringLiteral("Remember me"));
    auto* label = new TskSkinLabel(&parent);
    label->SetCaption(QStringLiteral("Count: 3"));
    auto* link = new TskSkinLinkLabel(&parent);
    link->SetCaption(QStringLiteral("www.hoopline.net"));
    int linkClicks = 0;
    link->OnClick = [&](QObject*) { ++linkClicks; };
    parent.show();

    struct Case {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
        QString action;
    };
    const Case cases[] = {
        {button, QAccessible::Button, "Refresh", QAccessibleActionInterface::pressAction()},
        {box, QAccessible::CheckBox, "Remember me", QAccessibleActionInterface::toggleAction()},
        {label, QAccessible::StaticText, "Count: 3", QString()},
        {link, QAccessible::Link, "www.hoopline.net", QAccessibleActionInterface::pressAction()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* iface = Of(c.widget);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name);
        if (!c.action.isEmpty()) {
            EXPECT_EQ(iface->actionInterface()->actionNames().value(0), c.action);
        }
    }

    Of(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Of(box)->state().checked);
    {
        ReaderRecorder reader;
        Of(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(reader.Count(QAccessible::StateChanged), 1);
    }
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(Of(box)->state().checkable);
    EXPECT_TRUE(Of(box)->state().checked);
    Of(link)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(linkClicks, 1);
}

TEST(SkinAccessibilityTest, ALabelTellsAReaderOfEachNewCaptionAndNoOneElse)
{
    TskSkinLabel label;
    label.SetCaption(QStringLiteral("Count: 0"));
    label.show();
    {
        ReaderRecorder reader;
        label.SetCaption(QStringLiteral("Count: 12"));
        label.SetCaption(QStringLiteral("Count: 12"));
        EXPECT_EQ(reader.Count(QAccessible::NameChanged), 1);
        EXPECT_EQ(reader.From(&label), 1);
        EXPECT_EQ(Of(&label)->text(QAccessible::Name), "Count: 12");
    }
    EXPECT_TRUE(SentWithoutReader([&] { label.SetCaption(QStringLiteral("Count: 13")); }).empty());
}

TEST(SkinAccessibilityTest, ThePasswordFieldTellsOnlyHowManyCharactersItHolds)
{
    TskSkinPasswordEdit edit;
    edit.setAccessibleName(QStringLiteral("Password"));
    edit.SetText(QStringLiteral("hunter2"));
    QAccessibleInterface* iface = Of(&edit);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().passwordEdit);
    EXPECT_EQ(iface->text(QAccessible::Name), "Password");
    ASSERT_NE(iface->textInterface(), nullptr);
    EXPECT_EQ(iface->textInterface()->characterCount(), 7);
    for (const QString& shown : {iface->text(QAccessible::Value), iface->textInterface()->text(0, 7),
                                 iface->textInterface()->text(2, 40)}) {
        EXPECT_FALSE(shown.contains(QLatin1Char('h')));
        EXPECT_FALSE(shown.contains(QLatin1Char('2')));
    }
    EXPECT_EQ(iface->textInterface()->text(0, 7).size(), 7);
}

TEST(SkinAccessibilityTest, PageControlListsItsVisibleTabsAndSwitchesPages)
{
    TskSkinPageControl control;
    control.resize(400, 300);
    auto* about = new TskSkinTabSheet(&control);
    about->SetCaption(QStringLiteral("About"));
    auto* stats = new TskSkinTabSheet(&control);
    stats->SetCaption(QStringLiteral("Stats"));
    auto* live = new TskSkinTabSheet(&control);
    live->SetCaption(QStringLiteral("  Live"));
    stats->SetTabVisible(false);
    control.SetActivePage(about);
    control.show();

    QAccessibleInterface* iface = Of(&control);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::PageTabList);
    QAccessibleInterface* first = iface->child(0);
    QAccessibleInterface* second = iface->child(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->role(), QAccessible::PageTab);
    EXPECT_EQ(first->text(QAccessible::Name), "About");
    EXPECT_EQ(second->text(QAccessible::Name), "Live");
    EXPECT_TRUE(first->state().selected);
    EXPECT_EQ(iface->indexOfChild(second), 1);

    ReaderRecorder reader;
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(control.ActivePage(), live);
    EXPECT_TRUE(second->state().selected);
    EXPECT_EQ(reader.Count(QAccessible::Selection), 1);
}

TEST(SkinAccessibilityTest, TheMainWindowNamesItsLoginControls)
{
    TForm1 form(TServiceUrls("127.0.0.1:9", "www.hoopline.test"));
    form.PlaySound = [](std::string_view) {};
    form.show();
    EXPECT_EQ(Of(form.skSkinXFormButton1)->text(QAccessible::Name), "LOGIN");
    EXPECT_EQ(Of(form.skSkinXFormButton1)->role(), QAccessible::Button);
    EXPECT_EQ(Of(form.loginedit)->text(QAccessible::Name), "Login");
    EXPECT_EQ(Of(form.passedit)->text(QAccessible::Name), "Password");
    EXPECT_EQ(Of(form.zap)->role(), QAccessible::CheckBox);
    EXPECT_EQ(Of(form.Page)->role(), QAccessible::PageTabList);

    // The caption buttons the frame draws are buttons too.
    QAccessibleInterface* window = Of(&form);
    QStringList buttons;
    QAccessibleInterface* maximize = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        if (!child || child->object() || child->role() != QAccessible::Button)
            continue;
        buttons << child->text(QAccessible::Name);
        EXPECT_EQ(window->indexOfChild(child), i);
        if (child->text(QAccessible::Name) == "Maximize")
            maximize = child;
    }
    EXPECT_EQ(buttons, (QStringList{"System menu", "Minimize", "Maximize", "Close"}));
    ASSERT_NE(maximize, nullptr);
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.skSkinForm1->WindowState(), wsMaximized);
    EXPECT_EQ(maximize->text(QAccessible::Name), "Restore");
}

TEST(SkinAccessibilityTest, AnOpenMenuListsItsItemsWithStatesAndShortcuts)
{
    TForm1 form(TServiceUrls("127.0.0.1:9", "www.hoopline.test"));
    form.PlaySound = [](std::string_view) {};
    form.show();
    ReaderRecorder reader;
    form.skSkinForm1->ShowSystemMenu(form.skSkinForm1->SystemMenuAnchor());
    TskSkinMenu* menu = form.skSkinForm1->SkinMenu();
    ASSERT_TRUE(menu && menu->LevelCount() == 1);
    TskSkinPopupWindow* popup = menu->Level(0);
    EXPECT_EQ(reader.Count(QAccessible::PopupMenuStart), 1);
    EXPECT_GE(reader.Count(QAccessible::Focus), 1);

    QAccessibleInterface* iface = Of(popup);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::PopupMenu);
    ASSERT_EQ(iface->childCount(), popup->ItemCount());
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* item = iface->child(i);
        names << (item->role() == QAccessible::Separator ? QStringLiteral("-") : item->text(QAccessible::Name));
        EXPECT_EQ(iface->indexOfChild(item), i);
    }
    EXPECT_EQ(names.first(), "Minimize");
    EXPECT_EQ(names.last(), "Close");
    EXPECT_TRUE(names.contains("-"));
    QAccessibleInterface* close = iface->child(iface->childCount() - 1);
    EXPECT_EQ(close->text(QAccessible::Accelerator), "Alt+F4");
    EXPECT_EQ(close->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Alt+F4"});
    EXPECT_TRUE(iface->child(0)->state().focused);
    menu->CloseMenu();
}

TEST(KeyboardTest, CtrlTabStepsThroughTheShownPagesOnly)
{
    TForm1 form(TServiceUrls("127.0.0.1:9", "www.hoopline.test"));
    form.PlaySound = [](std::string_view) {};
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // Logged out only About shows.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Page->ActivePage(), form.skSkinTabSheet1);

    for (TskSkinCustomTabSheet* page : {form.skSkinTabSheet2, form.skSkinTabSheet3, form.skSkinTabSheet5})
        page->SetTabVisible(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Page->ActivePage(), form.skSkinTabSheet2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Page->ActivePage(), form.skSkinTabSheet5);
}

}  // namespace


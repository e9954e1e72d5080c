#pragma once
// A window with a skinned form, the stored skin and a login field, and small
// helpers to look at the open popup.
#include "skin/SkinBoxCtrls.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenus.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        form->setGeometry(40, 40, 500, 300);
        skinForm = new TskSkinForm(form.get());
        skinForm->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
        stored.SetCompressedData(OrangeSkinCompressedData());
        data.SetCompressedStoredSkin(&stored);
        skinForm->SetSkinData(&data);
        edit = new TskSkinEdit(form.get());
        edit->setGeometry(100, 100, 299, 22);
        edit->SetSkinData(&data);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        edit->setFocus();
    }

    void TearDown() override
    {
        menu()->CloseMenu();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TskSkinMenu* menu() const { return skinForm->SkinMenu(); }
    TskSkinPopupWindow* top() const { return menu()->LevelCount() ? menu()->Level(0) : nullptr; }

    QStringList Captions() const
    {
        QStringList out;
        for (int i = 0; i < top()->ItemCount(); ++i)
            out << top()->Item(i)->MenuItem->Caption;
        return out;
    }

    QStringList EnabledCaptions() const
    {
        QStringList out;
        for (int i = 0; i < top()->ItemCount(); ++i) {
            if (top()->Item(i)->Selectable())
                out << top()->Item(i)->MenuItem->Caption;
        }
        return out;
    }

    // Centre of item `index` of the top level in its popup.
    QPoint ItemCentre(int index) const { return top()->Item(index)->ItemRect.center(); }

    // A menu of plain items; `lines` marks separators, `disabled` greyed items.
    static void FillMenu(TMenuItem& root, const QStringList& captions, std::vector<QString>* ran = nullptr,
                         const QStringList& disabled = {})
    {
        for (const QString& c : captions) {
            TMenuItem* item = root.Add(c);
            item->Enabled = !disabled.contains(c);
            if (ran)
                item->OnClick = [ran, c](TMenuItem*) { ran->push_back(c); };
        }
    }

    std::unique_ptr<QWidget> form;
    TskSkinForm* skinForm = nullptr;
    TskCompressedStoredSkin stored;
    TskSkinData data;
    TskSkinEdit* edit = nullptr;
};

// The built-in "Orange" skin: what the frame, controls and menus rely on.
#include "SkinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class OrangeSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stored_ = new TskCompressedStoredSkin;
        stored_->SetCompressedData(OrangeSkinCompressedData());
        skin_ = new TskSkinData;
        skin_->LoadCompressedStoredSkin(stored_);
    }
    static void TearDownTestSuite()
    {
        delete skin_;
        delete stored_;
    }
    template <class T>
    static const T& Control(const char* name)
    {
        auto* c = dynamic_cast<const T*>(skin_->Control(skin_->IndexOfControl(name)));
        if (!c)
            throw std::runtime_error(std::string("no control definition ") + name);
        return *c;
    }
    template <class T>
    static const T& Object(const char* name)
    {
        auto* o = dynamic_cast<const T*>(skin_->Object(skin_->IndexOfObject(name)));
        if (!o)
            throw std::runtime_error(std::string("no object definition ") + name);
        return *o;
    }
    static TskCompressedStoredSkin* stored_;
    static TskSkinData* skin_;
};
TskCompressedStoredSkin* OrangeSkin::stored_ = nullptr;
TskSkinData* OrangeSkin::skin_ = nullptr;

TEST_F(OrangeSkin, UnpacksToAVersion3PackageWithSixPictures)
{
    ASSERT_FALSE(skin_->IsEmpty());
    EXPECT_FALSE(skin_->IsChanging());
    EXPECT_EQ(skin_->Version(), 3);
    EXPECT_EQ(skin_->SkinName(), "Orange");
    EXPECT_EQ(skin_->MainPicture().size(), QSize(177, 124));
    EXPECT_TRUE(skin_->InactivePicture().isNull());
    EXPECT_TRUE(skin_->MaskPicture().isNull());
    EXPECT_TRUE(skin_->MaskName().isEmpty());
    const std::vector<QSize> sizes = {{77, 70}, {49, 128}, {47, 117}, {380, 424}, {29, 15}};
    ASSERT_EQ(skin_->ActivePictures().size(), sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i)
        EXPECT_EQ(skin_->ActivePictures()[i].size(), sizes[i]) << "active picture " << i;
    EXPECT_EQ(skin_->ActivePictureNames(),
              QStringList({"pw.bmp", "menuitems.bmp", "active.bmp", "controls.bmp", "hw.bmp"}));
    EXPECT_TRUE(skin_->AreaList().empty());
}

TEST_F(OrangeSkin, ListsItsDefinitionsInIndexOrder)
{
    const std::vector<std::string> objects = {
        "MENUITEM",           "caption1",          "closebutton",      "maxbutton",
        "minbutton",          "rollupbutton",      "sysmenubutton",    "traybutton",
        "mainmenubaritem",    "menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton",
        "menubarminbutton"};
    ASSERT_EQ(skin_->ObjectList().size(), objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(skin_->ObjectList()[i]->IDName, objects[i]);
    ASSERT_EQ(skin_->CtrlList().size(), 61u);

    struct Lookup {
        const char* name;
        int control, object;
    };
    for (const Lookup& l : {Lookup{"tab", 12, -1}, Lookup{"vsplitter", 34, -1}, Lookup{"Tab", -1, -1},
                            Lookup{"button", 0, -1}, Lookup{"bevel", 60, -1},
                            Lookup{"caption1", -1, 1}, Lookup{"menuitem", -1, -1},
                            Lookup{"MENUITEM", -1, 0}, Lookup{"", -1, -1}}) {
        EXPECT_EQ(skin_->IndexOfControl(l.name), l.control) << l.name;
        EXPECT_EQ(skin_->IndexOfObject(l.name), l.object) << l.name;
    }
    EXPECT_EQ(skin_->IndexOfArea("caption1"), -1);
}

TEST_F(OrangeSkin, EveryDefinitionsClassFollowsItsType)
{
    EXPECT_NE(dynamic_cast<TskDataSkinMenuItem*>(skin_->Object(0)), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinCaption*>(skin_->Object(1)), nullptr);
    for (int i = 2; i <= 7; ++i)
        EXPECT_NE(dynamic_cast<TskDataSkinStdButton*>(skin_->Object(i)), nullptr) << i;
    EXPECT_NE(dynamic_cast<TskDataSkinMainMenuBarItem*>(skin_->Object(8)), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinMainMenuBarButton*>(skin_->Object(12)), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinTabControl*>(skin_->Control(12)), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinSplitterControl*>(skin_->Control(34)), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinStdLabelControl*>(skin_->Control(skin_->IndexOfControl("stdlabel"))),
              nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinMemoControl*>(skin_->Control(skin_->IndexOfControl("memo"))), nullptr);
}

TEST_F(OrangeSkin, FrameGeometryAndColours)
{
    const TskFormInfo& f = skin_->FormInfo();
    EXPECT_EQ(f.lefttoppoint, P(10, 28));
    EXPECT_EQ(f.righttoppoint, P(165, 28));
    EXPECT_EQ(f.leftbottompoint, P(14, 111));
    EXPECT_EQ(f.rightbottompoint, P(166, 115));
    EXPECT_EQ(f.clientrect, R(8, 26, 168, 116));
    EXPECT_EQ(f.captionrect, R(5, 3, 172, 21));
    EXPECT_TRUE(f.buttonsrect.IsEmpty());
    EXPECT_EQ(f.maskrectarea, R(4, 34, 197, 169));
    EXPECT_EQ(f.hittestlefttoppoint, P(5, 5));
    EXPECT_EQ(f.hittestrighttoppoint, P(169, 5));
    EXPECT_EQ(f.hittestleftbottompoint, P(6, 118));
    EXPECT_EQ(f.hittestrightbottompoint, P(170, 117));
    EXPECT_EQ(f.bgpictureindex, -1);
    EXPECT_EQ(f.buttonsoffset, 1);
    EXPECT_FALSE(f.buttonsinleft);
    EXPECT_EQ(f.borderwidth, 3);
    EXPECT_EQ(f.formminwidth, 0);
    EXPECT_EQ(f.cursorindex, -1);
    EXPECT_FALSE(f.autorenderinginactiveimage);
    EXPECT_EQ(f.inactiveeffect, ieBrightness);

    const TskSkinColors& c = skin_->SkinColors();
    EXPECT_EQ(c.cbtnface, 0xD4D4D5u);
    EXPECT_EQ(c.cwindow, 0xFFFFFFu);
    EXPECT_EQ(c.chighlight, 0x44B8FFu);
    EXPECT_EQ(c.cbtnhighlight, 0xEEEEEFu);
    EXPECT_EQ(c.cbtnshadow, 0xCCCCCCu);
    EXPECT_EQ(c.c3dlight, 0u);  // absent: black
    EXPECT_EQ(c.c3ddkshadow, 0u);
}

TEST_F(OrangeSkin, CaptionAndCaptionButtons)
{
    const auto& caption = Object<TskDataSkinCaption>("caption1");
    EXPECT_EQ(caption.activepictureindex, -1);
    EXPECT_EQ(caption.skinrect, R(4, 3, 173, 21));
    EXPECT_TRUE(caption.activeskinrect.IsEmpty());
    EXPECT_EQ(caption.textrect, R(2, 1, 168, 17));
    EXPECT_EQ(caption.fontname, "Arial");
    EXPECT_EQ(caption.fontheight, 14);
    EXPECT_EQ(caption.fontstyle, fsBold);
    EXPECT_EQ(caption.fontcolor, 0xC0C0C0u);
    EXPECT_EQ(caption.activefontcolor, 0xFFFFFFu);
    EXPECT_EQ(caption.alignment, taLeftJustify);
    EXPECT_TRUE(caption.shadow);
    EXPECT_FALSE(caption.light);
    EXPECT_EQ(caption.framecount, 0);

    struct Button {
        const char* name;
        TskStdCommand command;
        const char* hint;
    };
    int top = 1;
    for (const Button& b : {Button{"closebutton", cmClose, "Close"}, Button{"maxbutton", cmMaximize, "Maximize"},
                            Button{"minbutton", cmMinimize, "Minimize"}, Button{"rollupbutton", cmRollUp, "RollUp"},
                            Button{"sysmenubutton", cmSysMenu, "System menu"},
                            Button{"traybutton", cmMinimizeToTray, "MinimizeToTray"}}) {
        const auto& o = Object<TskDataSkinStdButton>(b.name);
        EXPECT_EQ(o.command, b.command) << b.name;
        EXPECT_EQ(o.hint, b.hint) << b.name;
        EXPECT_EQ(o.activepictureindex, 2) << b.name;
        EXPECT_TRUE(o.skinrectinapicture) << b.name;
        EXPECT_EQ(o.skinrect, R(25, top, 45, top + 19)) << b.name;
        EXPECT_EQ(o.downrect, R(2, top, 22, top + 19)) << b.name;
        EXPECT_TRUE(o.activeskinrect.IsEmpty() && o.inactiveskinrect.IsEmpty() && o.restorerect.IsEmpty()
                    && o.disableskinrsect.IsEmpty() && !o.morphing)
            << b.name;
        top += 19;
    }
}

TEST_F(OrangeSkin, MenuPopupAndHintWindows)
{
    const TskDataSkinPopupWindow& pw = skin_->PopupWindow();
    EXPECT_EQ(pw.windowpictureindex, 0);
    EXPECT_EQ(pw.maskpictureindex, -1);
    EXPECT_EQ(pw.lefttoppoint, P(8, 8));
    EXPECT_EQ(pw.righttoppoint, P(64, 10));
    EXPECT_EQ(pw.leftbottompoint, P(10, 59));
    EXPECT_EQ(pw.rightbottompoint, P(65, 59));
    EXPECT_EQ(pw.itemsrect, R(6, 6, 71, 64));
    EXPECT_EQ(pw.scrollmarkeractivecolor, 0xFF8000u);

    const auto& item = Object<TskDataSkinMenuItem>("MENUITEM");
    EXPECT_EQ(item.activepictureindex, 1);
    EXPECT_EQ(item.skinrect, R(0, 20, 48, 40));
    EXPECT_EQ(item.activeskinrect, R(0, 0, 49, 20));
    EXPECT_EQ(item.dividerrect, R(0, 56, 49, 63));
    EXPECT_EQ(item.textrect, R(3, 2, 46, 18));
    EXPECT_TRUE(item.imagerect.IsEmpty());
    EXPECT_EQ(item.itemleftoffset, 5);
    EXPECT_EQ(item.itemrightoffset, 5);
    EXPECT_EQ(item.unenabledfontcolor, 0x808080u);
    EXPECT_FALSE(item.useimagecolor);

    EXPECT_EQ(skin_->HintWindow().windowpictureindex, 4);
}

TEST_F(OrangeSkin, ControlsOfTheWindow)
{
    const auto& button = Control<TskDataSkinButtonControl>("button");
    EXPECT_EQ(button.pictureindex, 3);
    EXPECT_EQ(button.skinrect, R(1, 0, 70, 25));
    EXPECT_EQ(button.activeskinrect, R(70, 0, 139, 25));
    EXPECT_EQ(button.downskinrect, R(140, 0, 209, 25));
    EXPECT_EQ(button.lefttoppoint.X, 9);
    EXPECT_EQ(button.skinrect.Width() - button.righttoppoint.X, 11);
    EXPECT_EQ(button.rightbottompoint, P(0, 0));  // horizontal mode
    EXPECT_EQ(button.clientrect, R(5, 5, 63, 19));
    EXPECT_EQ(button.fontcolor, 0xFFFFFFu);
    EXPECT_EQ(button.activefontcolor, 0u);
    EXPECT_EQ(button.downfontcolor, 0u);
    EXPECT_EQ(button.disabledfontcolor, 0x808080u);

    const auto& resize = Control<TskDataSkinButtonControl>("resizebutton");
    EXPECT_EQ(resize.skinrect, R(40, 228, 70, 254));
    EXPECT_EQ(resize.activeskinrect, R(71, 228, 101, 254));
    EXPECT_EQ(resize.downskinrect, R(102, 228, 132, 254));
    EXPECT_EQ(resize.rightbottompoint, P(24, 19));
    EXPECT_EQ(resize.clientrect, R(4, 4, 26, 22));

    const auto& check = Control<TskDataSkinCheckRadioControl>("checkbox");
    EXPECT_EQ(check.checkimagerect, R(94, 87, 110, 103));
    EXPECT_EQ(check.uncheckimagerect, R(79, 87, 95, 103));
    EXPECT_EQ(check.unenabledcheckimagerect, R(193, 112, 209, 128));
    EXPECT_EQ(check.unenableduncheckimagerect, R(178, 112, 194, 128));
    EXPECT_TRUE(check.activecheckimagerect.IsEmpty());
    EXPECT_EQ(check.unenabledfontcolor, 0x808080u);  // written "unenabledfontColor"

    const auto& edit = Control<TskDataSkinEditControl>("edit");
    EXPECT_EQ(edit.skinrect, R(84, 58, 108, 80));
    EXPECT_EQ(edit.activeskinrect, R(110, 58, 134, 80));
    EXPECT_EQ(edit.clientrect, R(2, 2, 22, 20));
    EXPECT_EQ(edit.lefttoppoint.X, 4);
    EXPECT_EQ(edit.skinrect.Width() - edit.righttoppoint.X, 4);

    const auto& panel = Control<TskDataSkinPanelControl>("panel");
    EXPECT_EQ(panel.skinrect, R(307, 21, 374, 70));
    EXPECT_EQ(panel.rightbottompoint, P(63, 45));
    EXPECT_EQ(panel.clientrect, R(1, 1, 66, 48));
    EXPECT_EQ(panel.fontheight, 12);
    EXPECT_EQ(panel.alignment, taCenter);
    EXPECT_TRUE(panel.captionrect.IsEmpty());

    const auto& label = Control<TskDataSkinLabelControl>("label");
    EXPECT_EQ(label.skinrect, R(2, 85, 77, 103));
    EXPECT_EQ(label.lefttoppoint, P(9, 8));
    EXPECT_EQ(label.righttoppoint, P(34, 7));
    EXPECT_EQ(label.clientrect, R(3, 2, 71, 16));

    const auto& std = Control<TskDataSkinStdLabelControl>("stdlabel");
    EXPECT_EQ(std.pictureindex, -1);
    EXPECT_EQ(std.activefontcolor, 0xC08000u);

    const auto& splitter = Control<TskDataSkinSplitterControl>("vsplitter");
    EXPECT_EQ(splitter.skinrect, R(260, 231, 268, 250));
    EXPECT_EQ(splitter.leftbottompoint, P(2, 16));
    EXPECT_TRUE(splitter.gripperrect.IsEmpty());

    const auto& updown = Control<TskDataSkinUpDownControl>("hupdown");
    EXPECT_EQ(updown.skinrect, R(216, 225, 245, 241));
    EXPECT_EQ(updown.upbuttonrect, R(15, 2, 27, 14));
    EXPECT_EQ(updown.downbuttonrect, R(2, 2, 14, 14));
}

TEST_F(OrangeSkin, TabDefinition)
{
    const auto& tab = Control<TskDataSkinTabControl>("tab");
    EXPECT_EQ(tab.pictureindex, 3);
    EXPECT_EQ(tab.skinrect, R(1, 146, 97, 226));
    EXPECT_EQ(tab.tabrect, R(2, 127, 54, 145));
    EXPECT_EQ(tab.activetabrect, R(54, 127, 106, 145));
    EXPECT_EQ(tab.focustabrect, R(106, 127, 158, 145));
    EXPECT_TRUE(tab.mouseintabrect.IsEmpty());
    EXPECT_EQ(tab.clientrect, R(3, 3, 93, 77));
    EXPECT_EQ(tab.lefttoppoint, P(2, 2));
    EXPECT_EQ(tab.righttoppoint, P(92, 3));
    EXPECT_EQ(tab.leftbottompoint, P(6, 74));
    EXPECT_EQ(tab.rightbottompoint, P(89, 72));
    EXPECT_EQ(tab.tableftoffset, 10);
    EXPECT_EQ(tab.tabrightoffset, 10);
    EXPECT_EQ(tab.tabsbgrect, R(9, 152, 87, 172));
    EXPECT_EQ(tab.bgpictureindex, -1);
    EXPECT_EQ(tab.fontcolor, 0u);
    EXPECT_EQ(tab.activefontcolor, 0xFFFFFFu);
    EXPECT_EQ(tab.focusfontcolor, 0u);
    EXPECT_EQ(tab.mouseinfontcolor, 0xFF8000u);
    EXPECT_EQ(tab.updown, "hupdown");
    EXPECT_FALSE(tab.showfocus);
}

// A rect that runs off its picture would make the drawing code copy nothing
// (or garbage); every piece the skin names must lie inside its picture.
TEST_F(OrangeSkin, EveryNamedPieceLiesInsideItsPicture)
{
    auto inside = [&](int pictureIndex, const TskRect& r, const std::string& what) {
        if (r.IsEmpty())
            return;
        const QImage img = pictureIndex < 0 ? skin_->MainPicture() : skin_->ActivePicture(pictureIndex);
        ASSERT_FALSE(img.isNull()) << what;
        EXPECT_TRUE(img.rect().contains(r.ToQRect())) << what;
    };
    for (const auto& o : skin_->ObjectList()) {
        inside(o->activepictureindex, o->skinrect, o->IDName);
        inside(o->activepictureindex, o->activeskinrect, o->IDName + " active");
        if (auto* b = dynamic_cast<TskDataSkinButton*>(o.get()))
            inside(b->activepictureindex, b->downrect, o->IDName + " down");
        if (auto* m = dynamic_cast<TskDataSkinMenuItem*>(o.get()))
            inside(m->activepictureindex, m->dividerrect, o->IDName + " divider");
    }
    for (const auto& c : skin_->CtrlList()) {
        if (c->pictureindex < 0)
            continue;
        inside(c->pictureindex, c->skinrect, c->IDName);
        if (auto* b = dynamic_cast<TskDataSkinButtonControl*>(c.get())) {
            inside(c->pictureindex, b->activeskinrect, c->IDName + " active");
            inside(c->pictureindex, b->downskinrect, c->IDName + " down");
        }
        if (auto* t = dynamic_cast<TskDataSkinTabControl*>(c.get())) {
            for (const TskRect& r : {t->tabrect, t->activetabrect, t->focustabrect, t->tabsbgrect})
                inside(c->pictureindex, r, c->IDName + " tab piece");
        }
        if (auto* k = dynamic_cast<TskDataSkinCheckRadioControl*>(c.get())) {
            for (const TskRect& r : {k->checkimagerect, k->uncheckimagerect, k->unenabledcheckimagerect,
                                     k->unenableduncheckimagerect})
                inside(c->pictureindex, r, c->IDName + " image");
        }
        if (auto* u = dynamic_cast<TskDataSkinUpDownControl*>(c.get())) {
            inside(c->pictureindex, u->downupbuttonrect, c->IDName + " pressed up");
            inside(c->pictureindex, u->downdownbuttonrect, c->IDName + " pressed down");
        }
    }
}

// The check box draws its images with their bottom-left pixel as the
// transparent colour: the box itself must not use that colour.
TEST_F(OrangeSkin, CheckImagesKeepTheirTransparentColourOutsideTheBox)
{
    const auto& check = Control<TskDataSkinCheckRadioControl>("checkbox");
    const QImage img = skin_->ActivePicture(check.pictureindex);
    for (const TskRect& r : {check.checkimagerect, check.uncheckimagerect}) {
        const QRgb transparent = img.pixel(r.Left, r.Bottom - 1);
        EXPECT_NE(img.pixel(r.Left + 3, r.Top + 3), transparent);  // box border and inside
        EXPECT_NE(img.pixel(r.Left + 7, r.Top + 8), transparent);
    }
}

}  // namespace

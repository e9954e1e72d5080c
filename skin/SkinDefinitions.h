#pragma once
// The skin's definitions as its text describes them: coordinates, value
// syntax, shared key groups and one class per kind of object and control.
#include "skin/SkinIni.h"
#include "toolkit/Controls.h"
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"

#include <QRect>
#include <QString>
#include <string>
#include <string_view>

// Skin coordinates: right and bottom exclusive, as the skin text writes them.
struct TskPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TskPoint&) const = default;
};

struct TskRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // A rect narrower or lower than one pixel counts as not given.
    bool IsEmpty() const { return Width() < 1 || Height() < 1; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const TskRect&) const = default;
};

// TAlignment comes from toolkit/Controls.h.
enum TskMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide,
                    mkRightSlide, mkPush };
enum TskInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmMinimizeToTray, cmSysMenu, cmDefault,
                     cmRollUp };

// ---- definition value readers -------------------------------------------
// One section of the definition text with the skin's value syntax.
class TskSectionReader {
public:
    TskSectionReader(const TskIniFile& ini, std::string_view section)
        : ini_(ini), section_(section) {}
    int Int(std::string_view key, int def = 0) const;
    bool Bool(std::string_view key) const;
    TColor Color(std::string_view key) const;
    QString Text(std::string_view key, const QString& def = {}) const;
    std::string Raw(std::string_view key) const;
    TskPoint Point(std::string_view key) const;
    TskRect Rect(std::string_view key) const;
    TFontStyles FontStyle(std::string_view key) const;
    TAlignment Alignment(std::string_view key) const;
    TskMorphKind MorphKind(std::string_view key) const;
    TskInActiveEffect InActiveEffect(std::string_view key) const;
    TskStdCommand Command(std::string_view key) const;

private:
    const TskIniFile& ini_;
    std::string section_;
};

// Value syntax on its own, for a value already taken out of its line.
TskRect ParseSkinRect(std::string_view value);
TskPoint ParseSkinPoint(std::string_view value);
TFontStyles ParseSkinFontStyle(std::string_view value);

// ---- key groups many sections share ---------------------------------------
struct TskFontKeys {
    QString fontname = QStringLiteral("Arial");
    int fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    void ReadFont(const TskSectionReader& r);
    TFontDesc FontDesc() const { return {fontname, fontheight, fontstyle, fontcolor}; }
};

// Inner corners that cut a picture into corner, edge and centre pieces.
struct TskCornerKeys {
    TskPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    void ReadCorners(const TskSectionReader& r);
};

// Stretch (true) or tile (false) each edge piece.
struct TskStretchKeys {
    bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
    void ReadStretch(const TskSectionReader& r);
};

// ---- colours, frame, popup and hint windows -----------------------------
struct TskSkinColors {
    TColor cbtnface = clBtnFace;
    TColor cbtntext = clBtnText;
    TColor cwindow = clWindow;
    TColor cwindowtext = clWindowText;
    TColor chighlight = clHighlight;
    TColor chighlighttext = clHighlightText;
    TColor cbtnhighlight = clBtnHighlight;
    TColor cbtnshadow = clBtnShadow;
    TColor c3dlight = cl3DLight;
    TColor c3ddkshadow = cl3DDkShadow;

    // Missing keys read as black: the skin owns every colour once loaded.
    void LoadFromIni(const TskIniFile& ini);
};

struct TskFormInfo : TskCornerKeys, TskStretchKeys {
    TskRect clientrect;
    int bgpictureindex = -1;
    int mdibgpictureindex = -1;
    TskRect buttonsrect, captionrect;
    int buttonsoffset = 0;
    bool buttonsinleft = false;
    TskRect maskrectarea;
    TskPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint,
        hittestrightbottompoint;
    TskPoint rollupleftpoint, rolluprightpoint;
    TskRect mainmenurect, iconrect;
    bool mainmenupopupup = false;
    int borderwidth = 0;
    int formminwidth = 0;
    int cursorindex = -1;
    bool autorenderinginactiveimage = false;
    TskInActiveEffect inactiveeffect = ieBrightness;

    // Reads [FORMINFO]; `hasMask` widens the mask area and fills hit-test points.
    void LoadFromIni(const TskIniFile& ini, bool hasMask);
};

struct TskDataSkinPopupWindow : TskCornerKeys, TskStretchKeys {
    int windowpictureindex = -1;
    int maskpictureindex = -1;
    int cursorindex = -1;
    TskRect itemsrect;
    TColor scrollmarkercolor = 0;
    TColor scrollmarkeractivecolor = 0;

    void LoadFromIni(const TskIniFile& ini);
};

struct TskDataSkinHintWindow : TskCornerKeys, TskFontKeys, TskStretchKeys {
    int windowpictureindex = -1;
    int maskpictureindex = -1;
    TskRect clientrect;

    void LoadFromIni(const TskIniFile& ini);
};

struct TskDataSkinArea {
    std::string IDName;
    TskRect AreaRect;
};

// ---- object definitions ([SKINOBJECTS]) ----------------------------------
class TskDataSkinObject {
public:
    explicit TskDataSkinObject(std::string name) : IDName(std::move(name)) {}
    virtual ~TskDataSkinObject() = default;
    // Reads the definition's own section, named like the definition.
    virtual void LoadFromIni(const TskIniFile& ini);

    std::string IDName;
    QString hint;
    bool rollup = false;
    int activepictureindex = -1;  // -1: the main picture
    bool skinrectinapicture = false;
    int cursorindex = -1;
    TskRect skinrect, activeskinrect, inactiveskinrect;
    bool morphing = false;
    TskMorphKind morphkind = mkDefault;
};

class TskDataSkinButton : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect downrect;
    TskRect disableskinrsect;  // the skin text spells the key so
    int groupindex = -1;
};

class TskDataSkinStdButton : public TskDataSkinButton {
public:
    using TskDataSkinButton::TskDataSkinButton;
    void LoadFromIni(const TskIniFile& ini) override;
    TskStdCommand command = cmDefault;
    TskRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
public:
    using TskDataSkinStdButton::TskDataSkinStdButton;
};

class TskDataSkinCaption : public TskDataSkinObject, public TskFontKeys {
public:
    using TskDataSkinObject::TskDataSkinObject;
    void LoadFromIni(const TskIniFile& ini) override;
    bool defaultcaption = false;
    TskRect textrect;
    TColor activefontcolor = 0;
    TAlignment alignment = taCenter;
    bool shadow = false;
    TColor shadowcolor = 0;
    bool light = false;
    TColor lightcolor = 0, activelightcolor = 0, activeshadowcolor = 0;
    TskRect framerect, activeframerect, frametextrect;
    int frameleftoffset = 0, framerightoffset = 0;
    bool stretcheffect = false;
    TskRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool inactiveanimation = false, fullframe = false;
};

class TskDataSkinMenuItem : public TskDataSkinObject, public TskFontKeys {
public:
    using TskDataSkinObject::TskDataSkinObject;
    void LoadFromIni(const TskIniFile& ini) override;
    int itemleftoffset = 0, itemrightoffset = 0;
    TskRect dividerrect;
    int dividerleftoffset = 0, dividerrightoffset = 0;
    TskRect textrect, imagerect;
    TColor activefontcolor = 0, unenabledfontcolor = 0;
    bool stretcheffect = false, inactivestretcheffect = false, dividerstretcheffect = false;
    TskRect animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool inactiveanimation = false;
    bool useimagecolor = false;
    TColor imagecolor = 0, activeimagecolor = 0;
};

// Kinds this window never shows; they keep the object keys.
#define SK_PLAIN_OBJECT(Name, Base) \
    class Name : public Base {       \
    public:                          \
        using Base::Base;            \
    };
SK_PLAIN_OBJECT(TskDataSkinMainMenuItem, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinMainMenuBarItem, TskDataSkinMainMenuItem)
SK_PLAIN_OBJECT(TskDataSkinLabel, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinBitLabel, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinSwitch, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinGauge, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinTrackBar, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinAnimate, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinFrameGaugeObject, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataSkinFrameRegulatorObject, TskDataSkinObject)
SK_PLAIN_OBJECT(TskDataUserObject, TskDataSkinObject)

// ---- control definitions ([SKINCONTROLS]) --------------------------------
class TskDataSkinControl {
public:
    explicit TskDataSkinControl(std::string name) : IDName(std::move(name)) {}
    virtual ~TskDataSkinControl() = default;
    virtual void LoadFromIni(const TskIniFile& ini);

    std::string IDName;
    int pictureindex = -1;  // -1: no picture, the control draws its built-in look
    int maskpictureindex = -1;
    int cursorindex = -1;
    TskRect skinrect;
};

class TskDataSkinCustomControl : public TskDataSkinControl,
                                 public TskCornerKeys,
                                 public TskStretchKeys {
public:
    using TskDataSkinControl::TskDataSkinControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect clientrect;
    bool stretcheffect = false;
};

class TskDataSkinButtonControl : public TskDataSkinCustomControl, public TskFontKeys {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TColor activefontcolor = 0, disabledfontcolor = 0, downfontcolor = 0;
    bool morphing = false;
    TskMorphKind morphkind = mkDefault;
    TskRect activeskinrect, downskinrect, disabledskinrect, animateskinrect;
    int framecount = 0;
    int animateinterval = 25;
    bool showfocus = false;
    TskRect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
    TColor menumarkertransparentcolor = 0;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl, public TskFontKeys {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TColor activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
    bool morphing = false;
    TskMorphKind morphkind = mkDefault;
    TskRect activeskinrect, checkimagearea, textarea, checkimagerect, uncheckimagerect,
        activecheckimagerect, activeuncheckimagerect, unenabledcheckimagerect,
        unenableduncheckimagerect;
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl, public TskFontKeys {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    int bgpictureindex = -1;
    TskRect captionrect;
    TAlignment alignment = taCenter;
    TskRect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
    int frameleftoffset = 0, framerightoffset = 0;
    TskRect gripperrect;
    bool grippertransparent = false;
    TColor grippertransparentcolor = 0;
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl, public TskFontKeys {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    };

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect gripperrect;
    bool grippertransparent = false;
    TColor grippertransparentcolor = 0;
};

class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
    TskRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl, public TskFontKeys {
public:
    using TskDataSkinCustomControl::TskDataSkinCustomControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect activeskinrect;
    TColor disabledfontcolor = 0, activefontcolor = 0;
    TskRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class TskDataSkinTabControl : public TskDataSkinControl,
                              public TskCornerKeys,
                              public TskStretchKeys,
                              public TskFontKeys {
public:
    using TskDataSkinControl::TskDataSkinControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TskRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
    int bgpictureindex = -1;
    int tableftoffset = 0, tabrightoffset = 0;
    TskRect tabsbgrect;
    bool tabstretcheffect = false;
    TColor activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
    QString updown;  // name of the up-down definition that scrolls the tab row
    bool showfocus = false;
    int focusoffsetx = 0, focusoffsety = 0;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl, public TskFontKeys {
public:
    using TskDataSkinControl::TskDataSkinControl;
    void LoadFromIni(const TskIniFile& ini) override;
    TColor activefontcolor = 0xFF0000;
};

// Kinds this window never shows; they keep their base class's keys.
#define SK_PLAIN_CONTROL(Name, Base) \
    class Name : public Base {        \
    public:                           \
        using Base::Base;             \
    };
SK_PLAIN_CONTROL(TskDataSkinMenuButtonControl, TskDataSkinButtonControl)
SK_PLAIN_CONTROL(TskDataSkinExPanelControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinBitLabelControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinTrackBarControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinGaugeControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinScrollBoxControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinControlBar, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinComboBox, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinScrollBarControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinSpinEditControl, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinMemoControl, TskDataSkinEditControl)
SK_PLAIN_CONTROL(TskDataSkinListBox, TskDataSkinCustomControl)
SK_PLAIN_CONTROL(TskDataSkinCheckListBox, TskDataSkinListBox)
SK_PLAIN_CONTROL(TskDataSkinGridControl, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinMainMenuBar, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinTreeView, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinListView, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinRichEdit, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinSlider, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinBevel, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinFrameControl, TskDataSkinControl)
SK_PLAIN_CONTROL(TskDataSkinAnimateControl, TskDataSkinFrameControl)
SK_PLAIN_CONTROL(TskDataSkinSwitchControl, TskDataSkinFrameControl)
SK_PLAIN_CONTROL(TskDataSkinFrameGauge, TskDataSkinFrameControl)
SK_PLAIN_CONTROL(TskDataSkinFrameRegulator, TskDataSkinFrameControl)
#undef SK_PLAIN_OBJECT
#undef SK_PLAIN_CONTROL

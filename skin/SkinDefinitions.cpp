#include "skin/SkinDefinitions.h"

#include "toolkit/CodePage.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

// Rect and point fields keep their digits only; this cap keeps a garbage
// value from overflowing the arithmetic callers do with them.
constexpr int kMaxField = 1000000;

std::vector<int> DigitFields(std::string_view value, size_t count)
{
    std::vector<int> fields(count, 0);
    size_t field = 0;
    for (char c : value) {
        if (c == ',') {
            if (++field == count)
                break;
        } else if (c >= '0' && c <= '9') {
            fields[field] = std::min(kMaxField, fields[field] * 10 + (c - '0'));
        }
    }
    return fields;
}

}  // namespace

TskRect ParseSkinRect(std::string_view value)
{
    auto f = DigitFields(value, 4);
    return {f[0], f[1], f[2], f[3]};
}

TskPoint ParseSkinPoint(std::string_view value)
{
    auto f = DigitFields(value, 2);
    return {f[0], f[1]};
}

TFontStyles ParseSkinFontStyle(std::string_view value)
{
    TFontStyles style = 0;
    if (value.find("fsbold") != std::string_view::npos)
        style |= fsBold;
    if (value.find("fsitalic") != std::string_view::npos)
        style |= fsItalic;
    if (value.find("fsunderline") != std::string_view::npos)
        style |= fsUnderline;
    if (value.find("fsstrikeout") != std::string_view::npos)
        style |= fsStrikeOut;
    return style;
}

// ---- TskSectionReader ------------------------------------------------------

int TskSectionReader::Int(std::string_view key, int def) const
{
    return ini_.ReadInteger(section_, key, def);
}

bool TskSectionReader::Bool(std::string_view key) const { return ini_.ReadBool(section_, key); }

TColor TskSectionReader::Color(std::string_view key) const { return TColor(Int(key, 0)); }

std::string TskSectionReader::Raw(std::string_view key) const
{
    return ini_.ReadString(section_, key);
}

QString TskSectionReader::Text(std::string_view key, const QString& def) const
{
    // Skin text is 8-bit in the service's code page.
    return ini_.ValueExists(section_, key) ? FromAnsi(Raw(key)) : def;
}

TskPoint TskSectionReader::Point(std::string_view key) const { return ParseSkinPoint(Raw(key)); }

TskRect TskSectionReader::Rect(std::string_view key) const { return ParseSkinRect(Raw(key)); }

TFontStyles TskSectionReader::FontStyle(std::string_view key) const
{
    return ParseSkinFontStyle(Raw(key));
}

TAlignment TskSectionReader::Alignment(std::string_view key) const
{
    std::string v = ini_.ReadString(section_, key, "tacenter");
    if (v == "tacenter")
        return taCenter;
    return v == "taleftjustify" ? taLeftJustify : taRightJustify;
}

TskMorphKind TskSectionReader::MorphKind(std::string_view key) const
{
    static const std::map<std::string, TskMorphKind, std::less<>> kinds = {
        {"mkdefault", mkDefault},         {"mkgradient", mkGradient},
        {"mkleftgradient", mkLeftGradient}, {"mkrightgradient", mkRightGradient},
        {"mkleftslide", mkLeftSlide},     {"mkrightslide", mkRightSlide},
        {"mkpush", mkPush}};
    auto it = kinds.find(Raw(key));
    return it == kinds.end() ? mkDefault : it->second;
}

TskInActiveEffect TskSectionReader::InActiveEffect(std::string_view key) const
{
    static const std::map<std::string, TskInActiveEffect, std::less<>> effects = {
        {"iebrightness", ieBrightness}, {"iedarkness", ieDarkness},
        {"iegrayscale", ieGrayScale},   {"ienoise", ieNoise},
        {"iesplitblur", ieSplitBlur},   {"ieinvert", ieInvert}};
    auto it = effects.find(ini_.ReadString(section_, key, "iebrightness"));
    return it == effects.end() ? ieGrayScale : it->second;
}

TskStdCommand TskSectionReader::Command(std::string_view key) const
{
    static const std::map<std::string, TskStdCommand, std::less<>> commands = {
        {"cmclose", cmClose},     {"cmmaximize", cmMaximize}, {"cmminimize", cmMinimize},
        {"cmsysmenu", cmSysMenu}, {"cmdefault", cmDefault},   {"cmrollup", cmRollUp}};
    auto it = commands.find(ini_.ReadString(section_, key, "cmdefault"));
    return it == commands.end() ? cmMinimizeToTray : it->second;
}

// ---- shared key groups --------------------------------------------------------

void TskFontKeys::ReadFont(const TskSectionReader& r)
{
    fontname = r.Text("fontname", QStringLiteral("Arial"));
    fontheight = r.Int("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
}

void TskCornerKeys::ReadCorners(const TskSectionReader& r)
{
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
}

void TskStretchKeys::ReadStretch(const TskSectionReader& r)
{
    leftstretch = r.Bool("leftstretch");
    topstretch = r.Bool("topstretch");
    rightstretch = r.Bool("rightstretch");
    bottomstretch = r.Bool("bottomstretch");
}

// ---- colours, frame, windows -----------------------------------------------

void TskSkinColors::LoadFromIni(const TskIniFile& ini)
{
    TskSectionReader r(ini, "SKINCOLORS");
    cbtnface = r.Color("cbtnface");
    cbtntext = r.Color("cbtntext");
    cwindow = r.Color("cwindow");
    cwindowtext = r.Color("cwindowtext");
    chighlight = r.Color("chighlight");
    chighlighttext = r.Color("chighlighttext");
    cbtnhighlight = r.Color("cbtnhighlight");
    cbtnshadow = r.Color("cbtnshadow");
    c3dlight = r.Color("c3dlight");
    c3ddkshadow = r.Color("c3ddkshadow");
}

void TskFormInfo::LoadFromIni(const TskIniFile& ini, bool hasMask)
{
    TskSectionReader r(ini, "FORMINFO");
    ReadCorners(r);
    clientrect = r.Rect("clientrect");
    bgpictureindex = r.Int("bgpictureindex", -1);
    mdibgpictureindex = r.Int("mdibgpictureindex", -1);
    ReadStretch(r);
    buttonsrect = r.Rect("buttonsrect");
    captionrect = r.Rect("captionrect");
    buttonsoffset = r.Int("buttonsoffset");
    buttonsinleft = r.Bool("buttonsinleft");
    maskrectarea = r.Rect("maskrectarea");
    hittestlefttoppoint = r.Point("hittestlefttoppoint");
    hittestrighttoppoint = r.Point("hittestrighttoppoint");
    hittestleftbottompoint = r.Point("hittestleftbottompoint");
    hittestrightbottompoint = r.Point("hittestrightbottompoint");
    rollupleftpoint = r.Point("rollupleftpoint");
    rolluprightpoint = r.Point("rolluprightpoint");
    mainmenurect = r.Rect("mainmenurect");
    iconrect = r.Rect("iconrect");
    mainmenupopupup = r.Bool("mainmenupopupup");
    borderwidth = r.Int("borderwidth");
    formminwidth = r.Int("formminwidth");
    cursorindex = r.Int("cursorindex", -1);
    autorenderinginactiveimage = r.Bool("autorenderinginactiveimage");
    inactiveeffect = r.InActiveEffect("inactiveeffect");

    if (hasMask) {
        if (maskrectarea.IsEmpty()) {
            maskrectarea = clientrect;
        } else {
            maskrectarea.Left = std::min(maskrectarea.Left, clientrect.Left);
            maskrectarea.Top = std::min(maskrectarea.Top, clientrect.Top);
            maskrectarea.Right = std::max(maskrectarea.Right, clientrect.Right);
            maskrectarea.Bottom = std::max(maskrectarea.Bottom, clientrect.Bottom);
        }
        auto fill = [](TskPoint& hit, const TskPoint& corner) {
            if (hit.X == 0 || hit.Y == 0)
                hit = corner;
        };
        fill(hittestlefttoppoint, lefttoppoint);
        fill(hittestrighttoppoint, righttoppoint);
        fill(hittestleftbottompoint, leftbottompoint);
        fill(hittestrightbottompoint, rightbottompoint);
    }
    // The corner points cut the picture into pieces; keep them off the border
    // of the client area unless the frame has no pieces at all.
    if (rightbottompoint.X != lefttoppoint.X && rightbottompoint.Y != lefttoppoint.Y) {
        for (TskPoint* p : {&lefttoppoint, &leftbottompoint})
            p->X = std::max(p->X, clientrect.Left);
        for (TskPoint* p : {&righttoppoint, &rightbottompoint})
            p->X = std::min(p->X, clientrect.Right);
        for (TskPoint* p : {&lefttoppoint, &righttoppoint})
            p->Y = std::max(p->Y, clientrect.Top);
        for (TskPoint* p : {&leftbottompoint, &rightbottompoint})
            p->Y = std::min(p->Y, clientrect.Bottom);
    }
}

void TskDataSkinPopupWindow::LoadFromIni(const TskIniFile& ini)
{
    TskSectionReader r(ini, "POPUPWINDOW");
    windowpictureindex = r.Int("windowpictureindex", -1);
    maskpictureindex = r.Int("maskpictureindex", -1);
    ReadCorners(r);
    cursorindex = r.Int("cursorindex", -1);
    itemsrect = r.Rect("itemsrect");
    scrollmarkercolor = r.Color("scrollmarkercolor");
    scrollmarkeractivecolor = r.Color("scrollmarkeractivecolor");
    ReadStretch(r);
}

void TskDataSkinHintWindow::LoadFromIni(const TskIniFile& ini)
{
    TskSectionReader r(ini, "HINTWINDOW");
    windowpictureindex = r.Int("windowpictureindex", -1);
    maskpictureindex = r.Int("maskpictureindex", -1);
    ReadCorners(r);
    clientrect = r.Rect("clientrect");
    ReadFont(r);
    ReadStretch(r);
}

// ---- objects ---------------------------------------------------------------

void TskDataSkinObject::LoadFromIni(const TskIniFile& ini)
{
    TskSectionReader r(ini, IDName);
    hint = r.Text("hint");
    rollup = r.Bool("rollup");
    activepictureindex = r.Int("activepictureindex", -1);
    skinrectinapicture = r.Bool("skinrectinapicture");
    cursorindex = r.Int("cursorindex", -1);
    skinrect = r.Rect("skinrect");
    activeskinrect = r.Rect("activeskinrect");
    inactiveskinrect = r.Rect("inactiveskinrect");
    morphing = r.Bool("morphing");
    morphkind = r.MorphKind("morphkind");
}

void TskDataSkinButton::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinObject::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    downrect = r.Rect("downrect");
    disableskinrsect = r.Rect("disableskinrsect");
    groupindex = r.Int("groupindex", -1);
}

void TskDataSkinStdButton::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinButton::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    command = r.Command("command");
    restorerect = r.Rect("restorerect");
    restoreactiverect = r.Rect("restoreactiverect");
    restoredownrect = r.Rect("restoredownrect");
    restoreinactiverect = r.Rect("restoreinactiverect");
}

void TskDataSkinCaption::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinObject::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    defaultcaption = r.Bool("defaultcaption");
    textrect = r.Rect("textrect");
    ReadFont(r);
    activefontcolor = r.Color("activefontcolor");
    alignment = r.Alignment("alignment");
    shadow = r.Bool("shadow");
    shadowcolor = r.Color("shadowcolor");
    light = r.Bool("light");
    lightcolor = r.Color("lightcolor");
    activelightcolor = r.Color("activelightcolor");
    activeshadowcolor = r.Color("activeshadowcolor");
    framerect = r.Rect("framerect");
    activeframerect = r.Rect("activeframerect");
    frametextrect = r.Rect("frametextrect");
    frameleftoffset = r.Int("frameleftoffset");
    framerightoffset = r.Int("framerightoffset");
    stretcheffect = r.Bool("stretcheffect");
    animateskinrect = r.Rect("animateskinrect");
    framecount = r.Int("framecount");
    animateinterval = r.Int("animateinterval", 25);
    inactiveanimation = r.Bool("inactiveanimation");
    fullframe = r.Bool("fullframe");
}

void TskDataSkinMenuItem::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinObject::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    itemleftoffset = r.Int("itemleftoffset");
    itemrightoffset = r.Int("itemrightoffset");
    dividerrect = r.Rect("dividerrect");
    dividerleftoffset = r.Int("dividerleftoffset");
    dividerrightoffset = r.Int("dividerrightoffset");
    textrect = r.Rect("textrect");
    imagerect = r.Rect("imagerect");
    ReadFont(r);
    activefontcolor = r.Color("activefontcolor");
    unenabledfontcolor = r.Color("unenabledfontcolor");
    stretcheffect = r.Bool("stretcheffect");
    inactivestretcheffect = r.Bool("inactivestretcheffect");
    dividerstretcheffect = r.Bool("dividerstretcheffect");
    animateskinrect = r.Rect("animateskinrect");
    framecount = r.Int("framecount");
    animateinterval = r.Int("animateinterval", 25);
    inactiveanimation = r.Bool("inactiveanimation");
    useimagecolor = r.Bool("useimagecolor");
    imagecolor = r.Color("imagecolor");
    activeimagecolor = r.Color("activeimagecolor");
}

// ---- controls --------------------------------------------------------------

void TskDataSkinControl::LoadFromIni(const TskIniFile& ini)
{
    TskSectionReader r(ini, IDName);
    pictureindex = r.Int("pictureindex", -1);
    maskpictureindex = r.Int("maskpictureindex", -1);
    cursorindex = r.Int("cursorindex", -1);
    skinrect = r.Rect("skinrect");
}

void TskDataSkinCustomControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    ReadCorners(r);
    clientrect = r.Rect("clientrect");
    stretcheffect = r.Bool("stretcheffect");
    ReadStretch(r);
}

void TskDataSkinButtonControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    ReadFont(r);
    activefontcolor = r.Color("activefontcolor");
    disabledfontcolor = r.Color("disabledfontcolor");
    downfontcolor = r.Color("downfontcolor");
    morphing = r.Bool("morphing");
    morphkind = r.MorphKind("morphkind");
    activeskinrect = r.Rect("activeskinrect");
    downskinrect = r.Rect("downskinrect");
    disabledskinrect = r.Rect("disabledskinrect");
    animateskinrect = r.Rect("animateskinrect");
    framecount = r.Int("framecount");
    animateinterval = r.Int("animateinterval", 25);
    showfocus = r.Bool("showfocus");
    menumarkerflatrect = r.Rect("menumarkerflatrect");
    menumarkerrect = r.Rect("menumarkerrect");
    menumarkeractiverect = r.Rect("menumarkeractiverect");
    menumarkerdownrect = r.Rect("menumarkerdownrect");
    menumarkertransparentcolor = r.Color("menumarkertransparentcolor");
}

void TskDataSkinCheckRadioControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    ReadFont(r);
    activefontcolor = r.Color("activefontcolor");
    unenabledfontcolor = r.Color("unenabledfontcolor");
    framefontcolor = r.Color("framefontcolor");
    morphing = r.Bool("morphing");
    morphkind = r.MorphKind("morphkind");
    activeskinrect = r.Rect("activeskinrect");
    checkimagearea = r.Rect("checkimagearea");
    textarea = r.Rect("textarea");
    checkimagerect = r.Rect("checkimagerect");
    uncheckimagerect = r.Rect("uncheckimagerect");
    activecheckimagerect = r.Rect("activecheckimagerect");
    activeuncheckimagerect = r.Rect("activeuncheckimagerect");
    unenabledcheckimagerect = r.Rect("unenabledcheckimagerect");
    unenableduncheckimagerect = r.Rect("unenableduncheckimagerect");
}

void TskDataSkinPanelControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    bgpictureindex = r.Int("bgpictureindex", -1);
    captionrect = r.Rect("captionrect");
    alignment = r.Alignment("alignment");
    ReadFont(r);
    checkimagerect = r.Rect("checkimagerect");
    uncheckimagerect = r.Rect("uncheckimagerect");
    markframerect = r.Rect("markframerect");
    framerect = r.Rect("framerect");
    frametextrect = r.Rect("frametextrect");
    frameleftoffset = r.Int("frameleftoffset");
    framerightoffset = r.Int("framerightoffset");
    gripperrect = r.Rect("gripperrect");
    grippertransparent = r.Bool("grippertransparent");
    grippertransparentcolor = r.Color("grippertransparentcolor");
}

void TskDataSkinLabelControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    ReadFont(r);
}

void TskDataSkinSplitterControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    gripperrect = r.Rect("gripperrect");
    grippertransparent = r.Bool("grippertransparent");
    grippertransparentcolor = r.Color("grippertransparentcolor");
}

void TskDataSkinUpDownControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    upbuttonrect = r.Rect("upbuttonrect");
    activeupbuttonrect = r.Rect("activeupbuttonrect");
    downupbuttonrect = r.Rect("downupbuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    activedownbuttonrect = r.Rect("activedownbuttonrect");
    downdownbuttonrect = r.Rect("downdownbuttonrect");
}

void TskDataSkinEditControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinCustomControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    activeskinrect = r.Rect("activeskinrect");
    ReadFont(r);
    disabledfontcolor = r.Color("disabledfontcolor");
    activefontcolor = r.Color("activefontcolor");
    buttonrect = r.Rect("buttonrect");
    activebuttonrect = r.Rect("activebuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    unenabledbuttonrect = r.Rect("unenabledbuttonrect");
}

void TskDataSkinTabControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    tabrect = r.Rect("tabrect");
    activetabrect = r.Rect("activetabrect");
    focustabrect = r.Rect("focustabrect");
    mouseintabrect = r.Rect("mouseintabrect");
    clientrect = r.Rect("clientrect");
    bgpictureindex = r.Int("bgpictureindex", -1);
    ReadCorners(r);
    tableftoffset = r.Int("tableftoffset");
    tabrightoffset = r.Int("tabrightoffset");
    tabsbgrect = r.Rect("tabsbgrect");
    tabstretcheffect = r.Bool("tabstretcheffect");
    ReadStretch(r);
    ReadFont(r);
    activefontcolor = r.Color("activefontcolor");
    focusfontcolor = r.Color("focusfontcolor");
    mouseinfontcolor = r.Color("mouseinfontcolor");
    updown = r.Text("updown");
    showfocus = r.Bool("showfocus");
    focusoffsetx = r.Int("focusoffsetx");
    focusoffsety = r.Int("focusoffsety");
}

void TskDataSkinStdLabelControl::LoadFromIni(const TskIniFile& ini)
{
    TskDataSkinControl::LoadFromIni(ini);
    TskSectionReader r(ini, IDName);
    ReadFont(r);
    activefontcolor = TColor(r.Int("activefontcolor", 0xFF0000));
}

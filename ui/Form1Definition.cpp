#include "ui/Form1Definition.h"

#include "skin/SkinData.h"
#include "toolkit/Resources.h"
#include "ui/GridLayout.h"

// The embedded resources live in a static library; naming their initializer
// keeps the linker from dropping them from the program.
static void InitEmbeddedResources()
{
    Q_INIT_RESOURCE(hoopline_res);
}

namespace {
const TFontDesc kSkinFont{QStringLiteral("Arial"), 14, 0, clWindowText};
const TFontDesc kNoticeFont{QStringLiteral("Arial"), 14, fsBold, clRed};

TFontDesc Arial(int height, TFontStyles style, TColor color)
{
    return {QStringLiteral("Arial"), height, style, color};
}

template <class T>
T* Placed(T* control, const char* name, QRect bounds, TAlign align)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(bounds);
    if (align != alNone)
        SetAlign(control, align);
    return control;
}
}  // namespace

TForm1Definition::TForm1Definition(QWidget* parent) : QWidget(parent)
{
    InitEmbeddedResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Hoopline"));
    setFont(MakeFont(QStringLiteral("MS Sans Serif"), -11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorToQColor(clBtnFace));
    pal.setColor(QPalette::WindowText, ColorToQColor(clWindowText));
    setPalette(pal);
    setAutoFillBackground(true);
    resize(kWindowWidth, kWindowHeight);

    // Laid out once the whole tree stands at its designed positions.
    const TAlignLock lock;
    CreateComponents();
    Page = NewPageControl(this, "Page", QRect(0, 0, kDesignWidth, kDesignHeight), alClient);
    skSkinTabSheet1 = NewPage(Page, "skSkinTabSheet1", QStringLiteral("About"), 6);
    skSkinTabSheet2 = NewPage(Page, "skSkinTabSheet2", QStringLiteral("Stats"), 1);
    skSkinTabSheet3 = NewPage(Page, "skSkinTabSheet3", QStringLiteral("Live"), 5);
    skSkinTabSheet4 = NewPage(Page, "skSkinTabSheet4", QStringLiteral("Radar"), 4);
    skSkinTabSheet5 = NewPage(Page, "skSkinTabSheet5", QStringLiteral("Report"), 3);
    CreateAboutPage();
    CreateStatsPage();
    CreateLivePage();
    CreateRadarPage();
    CreateReportPage();
    Page->SetActivePage(skSkinTabSheet1);

    // Unpacked once the whole tree stands, so every skinned control hears of the new skin.
    skCompressedStoredSkin1->SetCompressedData(OrangeSkinCompressedData());
    skSkinData1->SetCompressedStoredSkin(skCompressedStoredSkin1);
}

TForm1Definition::~TForm1Definition()
{
    // The pages go first: their grids and controls refer to the image lists.
    delete Page;
}

void TForm1Definition::CreateComponents()
{
    skSkinForm1 = new TskSkinForm(this);
    skSkinForm1->setObjectName(QStringLiteral("skSkinForm1"));
    skSkinForm1->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    skSkinForm1->SetShowIcon(true);
    skSkinForm1->SetSizeable(false);

    skCompressedStoredSkin1 = new TskCompressedStoredSkin(this);
    skCompressedStoredSkin1->setObjectName(QStringLiteral("skCompressedStoredSkin1"));
    skCompressedStoredSkin1->SetCompressedFileName(QStringLiteral("Orange.skn"));
    skSkinData1 = new TskSkinData(this);
    skSkinData1->setObjectName(QStringLiteral("skSkinData1"));
    skSkinData1->SetEnableSkinEffects(true);
    skSkinForm1->SetSkinData(skSkinData1);

    ImageList1 = new TImageList(this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    LoadFlagImages(*ImageList1);
    ImageList2 = new TImageList(this);
    ImageList2->setObjectName(QStringLiteral("ImageList2"));
    LoadTabImages(*ImageList2);

    Timer1 = new TTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
}

// ---- helpers ----

TskSkinPanel* TForm1Definition::NewPanel(QWidget* parent, const char* name, QRect bounds, TAlign align, bool skinned)
{
    auto* panel = new TskSkinPanel(parent);
    if (skinned)
        panel->SetSkinData(skSkinData1);
    panel->SetCaption(QString::fromLatin1(name));
    return Placed(panel, name, bounds, align);
}

TskSkinLabel* TForm1Definition::NewSkinFontLabel(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                                 const QString& caption)
{
    auto* label = new TskSkinLabel(parent);
    label->SetSkinData(skSkinData1);
    label->SetAlignment(taCenter);
    label->SetDefaultFont(kSkinFont);
    label->SetCaption(caption);
    return Placed(label, name, bounds, align);
}

TskSkinLabel* TForm1Definition::NewOwnFontLabel(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                                const TFontDesc& font, const QString& caption)
{
    TskSkinLabel* label = NewSkinFontLabel(parent, name, bounds, align, caption);
    label->SetUseSkinFont(false);
    label->SetUseSkinFontColor(false);
    label->SetUseSkinSize(false);
    label->SetDefaultFont(font);
    return label;
}

TskSkinSplitter* TForm1Definition::NewSplitter(QWidget* parent, const char* name, QRect bounds, TAlign align)
{
    auto* splitter = new TskSkinSplitter(parent);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setGeometry(bounds);
    splitter->SetAlign(align);
    return splitter;
}

TskSkinXFormButton* TForm1Definition::NewButton(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                                const QString& caption, const char* skinName)
{
    auto* button = new TskSkinXFormButton(parent);
    button->SetSkinData(skSkinData1);
    button->SetSkinDataName(QString::fromLatin1(skinName));
    button->setCursor(StockCursor(crHandPoint));
    button->SetDefaultFont(kSkinFont);
    button->SetCaption(caption);
    return Placed(button, name, bounds, align);
}

TDataGrid* TForm1Definition::NewGrid(QWidget* parent, const char* name, QRect bounds, TAlign align)
{
    auto* grid = new TDataGrid(parent);
    ApplyGridLayout(*grid, QString::fromLatin1(name), TGridImages{ImageList1});
    return Placed(grid, name, bounds, align);
}

TskSkinPageControl* TForm1Definition::NewPageControl(QWidget* parent, const char* name, QRect bounds, TAlign align)
{
    auto* control = new TskSkinPageControl(parent);
    control->SetSkinData(skSkinData1);
    control->SetImages(ImageList2);
    control->SetDefaultFont(Arial(14, 0, clBtnText));
    control->SetUseSkinFont(true);
    control->SetDefaultItemHeight(20);
    control->SetTabsBGTransparent(false);
    return Placed(control, name, bounds, align);
}

TskSkinTabSheet* TForm1Definition::NewPage(TskSkinPageControl* control, const char* name, const QString& caption,
                                           int imageIndex)
{
    auto* page = new TskSkinTabSheet(control);
    page->setObjectName(QString::fromLatin1(name));
    page->SetCaption(caption);
    page->SetImageIndex(imageIndex);
    return page;
}

// ---- About ----

void TForm1Definition::CreateAboutPage()
{
    QWidget* page = skSkinTabSheet1;
    Image1 = Placed(new TImage(page), "Image1", QRect(0, 0, 1015, 662), alClient);
    Image1->SetStretch(true);
    Image1->SetPicture(LoadResourceImage(QStringLiteral("ABOUT")));

    skSkinXFormButton1 = NewButton(page, "skSkinXFormButton1", QRect(672, 456, 177, 25), alNone,
                                   QStringLiteral("LOGIN"));
    // Logging in must work from the keyboard alone: LOGIN takes the focus, unlike the other buttons.
    skSkinXFormButton1->SetCanFocused(true);

    const TFontDesc stdFont{QStringLiteral("MS Sans Serif"), -11, 0, clWindowText};
    skSkinStdLabel1 = Placed(new TskSkinStdLabel(page), "skSkinStdLabel1", QRect(600, 264, 36, 13), alNone);
    skSkinStdLabel1->SetSkinData(skSkinData1);
    skSkinStdLabel1->SetDefaultFont(stdFont);
    skSkinStdLabel1->SetCaption(QStringLiteral("LOGIN:"));

    loginedit = Placed(new TskSkinEdit(page), "loginedit", QRect(598, 280, 299, 18), alNone);
    loginedit->SetSkinData(skSkinData1);
    loginedit->SetFont(Arial(14, 0, clBlack));
    loginedit->SetDefaultFont(Arial(14, 0, clBlack));
    loginedit->SetDefaultColor(clWindow);
    loginedit->SetAlphaBlendValue(0);
    loginedit->setAccessibleName(QStringLiteral("Login"));

    skSkinStdLabel2 = Placed(new TskSkinStdLabel(page), "skSkinStdLabel2", QRect(600, 336, 66, 13), alNone);
    skSkinStdLabel2->SetSkinData(skSkinData1);
    skSkinStdLabel2->SetDefaultFont(stdFont);
    skSkinStdLabel2->SetCaption(QStringLiteral("PASSWORD:"));

    passedit = Placed(new TskSkinPasswordEdit(page), "passedit", QRect(598, 352, 299, 21), alNone);
    passedit->SetSkinData(skSkinData1);
    passedit->SetPasswordKind(pkRoundRect);
    passedit->setCursor(StockCursor(crIBeam));
    passedit->SetDefaultFont(Arial(14, 0, clWindowText));
    passedit->SetDefaultColor(clWindow);
    passedit->setAccessibleName(QStringLiteral("Password"));
    loginedit->setFocus();

    zap = Placed(new TskSkinCheckRadioBox(page), "zap", QRect(600, 408, 97, 25), alNone);
    zap->SetSkinData(skSkinData1);
    zap->SetCaption(QStringLiteral("Запомнить"));
    zap->SetCanFocused(true);
    zap->SetFlat(true);
    zap->setCursor(StockCursor(crHandPoint));
    zap->SetDefaultFont(Arial(14, 0, clWindowText));
    QWidget::setTabOrder(loginedit, passedit);
    QWidget::setTabOrder(passedit, zap);
    QWidget::setTabOrder(zap, skSkinXFormButton1);

    skSkinShadowLabel1 = Placed(new TskSkinShadowLabel(page), "skSkinShadowLabel1", QRect(896, 216, 87, 19), alNone);
    skSkinShadowLabel1->SetSkinData(skSkinData1);
    skSkinShadowLabel1->SetFont(Arial(16, fsBold, clWindowText));
    skSkinShadowLabel1->SetCaption(QStringLiteral("Version: 4.2.3"));

    skSkinLinkLabel1 = Placed(new TskSkinLinkLabel(page), "skSkinLinkLabel1", QRect(896, 240, 83, 14), alNone);
    skSkinLinkLabel1->SetSkinData(skSkinData1);
    skSkinLinkLabel1->SetDefaultActiveFontColor(clBlue);
}

// ---- Stats ----

void TForm1Definition::CreateStatsPage()
{
    QWidget* page = skSkinTabSheet2;
    skSkinPanel1 = NewPanel(page, "skSkinPanel1", QRect(0, 0, 369, 662), alLeft);
    skSkinPanel3 = NewPanel(skSkinPanel1, "skSkinPanel3", QRect(1, 1, 367, 21), alTop);
    skSkinXFormButton2 = NewButton(skSkinPanel3, "skSkinXFormButton2", QRect(1, 1, 96, 19), alLeft,
                                   QStringLiteral("Refresh"), "resizebutton");
    // The one button of the logged-in window: a tab stop, so keyboard users reach it.
    skSkinXFormButton2->SetCanFocused(true);
    countsoon = NewSkinFontLabel(skSkinPanel3, "countsoon", QRect(256, 1, 110, 19), alRight, QStringLiteral("Count: 0"));
    LineNotice = NewOwnFontLabel(skSkinPanel3, "LineNotice", QRect(97, 1, 159, 19), alClient, kNoticeFont);
    RX = NewGrid(skSkinPanel1, "RX", QRect(1, 22, 367, 639), alClient);
    RX->setAccessibleName(QStringLiteral("Upcoming matches"));
    // The list first: it takes the focus when the login page goes, Tab then reaches Refresh.
    QWidget::setTabOrder(RX, skSkinXFormButton2);
    skSkinSplitter1 = NewSplitter(page, "skSkinSplitter1", QRect(369, 0, 3, 662), alLeft);

    skSkinPanel2 = NewPanel(page, "skSkinPanel2", QRect(372, 0, 643, 662), alClient);
    StatPanel = NewPanel(skSkinPanel2, "StatPanel", QRect(1, 1, 641, 660), alClient);
    CreateMatchHeader(StatPanel);
    CreateTeams(StatPanel);
    CreateFormStrips(StatPanel);
    CreateStatPages(StatPanel);

    // Until the first match is opened the view is a page of empty boxes.
    StatPrompt = new TPromptLabel(QStringLiteral("Double-click a match to see its statistics"), StatPanel);
    StatPrompt->setObjectName(QStringLiteral("StatPrompt"));
    StatPrompt->setFont(page->font());
}

void TForm1Definition::CreateMatchHeader(QWidget* parent)
{
    skSkinPanel5 = NewPanel(parent, "skSkinPanel5", QRect(1, 1, 639, 24), alTop, false);
    MatchGrid = NewGrid(skSkinPanel5, "MatchGrid", QRect(1, 1, 637, 22), alClient);
}

void TForm1Definition::CreateTeams(QWidget* parent)
{
    const TFontDesc nameFont = Arial(16, fsBold, clNavy);
    const TFontDesc rankFont = Arial(12, fsBold, clMaroon);
    const auto countryLabel = [this](QWidget* p, const char* name) {
        TskSkinLabel* label = NewSkinFontLabel(p, name, QRect(1, 28, 154, 21), alBottom);
        label->SetUseSkinFontColor(false);
        label->SetDefaultFont(Arial(14, 0, 0xC08080));
        return label;
    };

    skSkinPanel6 = NewPanel(parent, "skSkinPanel6", QRect(1, 25, 639, 120), alTop);

    // Home team, left.
    skSkinPanel8 = NewPanel(skSkinPanel6, "skSkinPanel8", QRect(1, 1, 250, 118), alLeft);
    skSkinPanel13 = NewPanel(skSkinPanel8, "skSkinPanel13", QRect(1, 1, 248, 52), alTop, false);
    LOGO1 = Placed(new TImage(skSkinPanel13), "LOGO1", QRect(1, 1, 50, 50), alLeft);
    skSkinPanel15 = NewPanel(skSkinPanel13, "skSkinPanel15", QRect(51, 1, 156, 50), alClient, false);
    Name1 = NewOwnFontLabel(skSkinPanel15, "Name1", QRect(1, 1, 154, 27), alClient, nameFont);
    Country1 = countryLabel(skSkinPanel15, "Country1");
    skSkinPanel14 = NewPanel(skSkinPanel13, "skSkinPanel14", QRect(207, 1, 40, 50), alRight);
    han1 = NewSkinFontLabel(skSkinPanel14, "han1", QRect(1, 1, 38, 21), alTop);
    Rank1 = NewOwnFontLabel(skSkinPanel14, "Rank1", QRect(1, 22, 38, 27), alClient, rankFont);
    TableName1 = NewGrid(skSkinPanel8, "TableName1", QRect(1, 53, 248, 20), alTop);
    Table1 = NewGrid(skSkinPanel8, "Table1", QRect(1, 73, 248, 44), alClient);
    skSkinSplitter2 = NewSplitter(skSkinPanel6, "skSkinSplitter2", QRect(251, 1, 3, 118), alLeft);

    // Middle: minute, score, odds.
    skSkinPanel9 = NewPanel(skSkinPanel6, "skSkinPanel9", QRect(254, 1, 131, 118), alClient);
    skSkinPanel4 = NewPanel(skSkinPanel9, "skSkinPanel4", QRect(1, 1, 129, 21), alTop);
    Min = NewOwnFontLabel(skSkinPanel4, "Min", QRect(1, 1, 127, 19), alClient, Arial(16, 0, clGreen));
    Score = NewOwnFontLabel(skSkinPanel9, "Score", QRect(1, 22, 129, 54), alTop, Arial(40, fsBold, clMaroon));
    KFGrid = NewGrid(skSkinPanel9, "KFGrid", QRect(1, 76, 129, 41), alClient);
    skSkinSplitter3 = NewSplitter(skSkinPanel6, "skSkinSplitter3", QRect(385, 1, 3, 118), alRight);

    // Away team, right: the mirror image of the home block.
    skSkinPanel7 = NewPanel(skSkinPanel6, "skSkinPanel7", QRect(388, 1, 250, 118), alRight);
    skSkinPanel10 = NewPanel(skSkinPanel7, "skSkinPanel10", QRect(1, 1, 248, 52), alTop, false);
    skSkinPanel11 = NewPanel(skSkinPanel10, "skSkinPanel11", QRect(1, 1, 40, 50), alLeft);
    han2 = NewSkinFontLabel(skSkinPanel11, "han2", QRect(1, 1, 38, 21), alTop);
    Rank2 = NewOwnFontLabel(skSkinPanel11, "Rank2", QRect(1, 22, 38, 27), alClient, rankFont);
    skSkinPanel12 = NewPanel(skSkinPanel10, "skSkinPanel12", QRect(41, 1, 156, 50), alClient, false);
    Name2 = NewOwnFontLabel(skSkinPanel12, "Name2", QRect(1, 1, 154, 27), alClient, nameFont);
    Country2 = countryLabel(skSkinPanel12, "Country2");
    LOGO2 = Placed(new TImage(skSkinPanel10), "LOGO2", QRect(197, 1, 50, 50), alRight);
    TableName2 = NewGrid(skSkinPanel7, "TableName2", QRect(1, 53, 248, 20), alTop);
    Table2 = NewGrid(skSkinPanel7, "Table2", QRect(1, 73, 248, 44), alClient);

    const QImage logo = LoadResourceImage(QStringLiteral("DEFAULTLOGO"));
    for (TImage* image : {LOGO1, LOGO2}) {
        image->SetStretch(true);
        image->SetPicture(logo);
    }
}

void TForm1Definition::CreateFormStrips(QWidget* parent)
{
    skSkinPanel19 = NewPanel(parent, "skSkinPanel19", QRect(1, 145, 639, 87), alTop, false);

    skSkinPanel20 = NewPanel(skSkinPanel19, "skSkinPanel20", QRect(1, 1, 214, 85), alLeft);
    skSkinXFormButton6 = NewButton(skSkinPanel20, "skSkinXFormButton6", QRect(1, 1, 212, 25), alTop,
                                   QStringLiteral("Latest Result Home"));
    LG1 = NewGrid(skSkinPanel20, "LG1", QRect(1, 26, 212, 58), alClient);
    skSkinSplitter5 = NewSplitter(skSkinPanel19, "skSkinSplitter5", QRect(215, 1, 3, 85), alLeft);

    skSkinPanel22 = NewPanel(skSkinPanel19, "skSkinPanel22", QRect(218, 1, 203, 85), alClient);
    skSkinXFormButton4 = NewButton(skSkinPanel22, "skSkinXFormButton4", QRect(1, 1, 201, 25), alTop,
                                   QStringLiteral("Head-To-Head"));
    LG3 = NewGrid(skSkinPanel22, "LG3", QRect(1, 26, 201, 58), alClient);
    skSkinSplitter6 = NewSplitter(skSkinPanel19, "skSkinSplitter6", QRect(421, 1, 3, 85), alRight);

    skSkinPanel21 = NewPanel(skSkinPanel19, "skSkinPanel21", QRect(424, 1, 214, 85), alRight);
    skSkinXFormButton5 = NewButton(skSkinPanel21, "skSkinXFormButton5", QRect(1, 1, 212, 25), alTop,
                                   QStringLiteral("Latest Result Away"));
    LG2 = NewGrid(skSkinPanel21, "LG2", QRect(1, 26, 212, 58), alClient);
}

void TForm1Definition::CreateStatPages(QWidget* parent)
{
    StatPage = NewPageControl(parent, "StatPage", QRect(1, 232, 639, 427), alClient);
    skSkinTabSheet6 = NewPage(StatPage, "skSkinTabSheet6", QStringLiteral("Forecast"), 9);
    skSkinTabSheet9 = NewPage(StatPage, "skSkinTabSheet9", QStringLiteral("Latest Result Home"), 10);
    skSkinTabSheet10 = NewPage(StatPage, "skSkinTabSheet10", QStringLiteral("Latest Result  Away"), 11);
    skSkinTabSheet11 = NewPage(StatPage, "skSkinTabSheet11", QStringLiteral("Head-To-Head"), 12);
    CreateForecastPage();

    LGrid1 = NewGrid(skSkinTabSheet9, "LGrid1", QRect(0, 0, 637, 332), alClient);
    skSkinPanel18 = NewPanel(skSkinTabSheet9, "skSkinPanel18", QRect(0, 332, 637, 73), alBottom);
    LGrid2 = NewGrid(skSkinTabSheet10, "LGrid2", QRect(0, 0, 637, 332), alClient);
    skSkinPanel17 = NewPanel(skSkinTabSheet10, "skSkinPanel17", QRect(0, 332, 637, 73), alBottom);
    HX = NewGrid(skSkinTabSheet11, "HX", QRect(0, 0, 639, 273), alNone);
    skSkinPanel16 = NewPanel(skSkinTabSheet11, "skSkinPanel16", QRect(0, 332, 637, 73), alBottom);
    StatPage->SetActivePage(skSkinTabSheet6);
}

void TForm1Definition::CreateForecastPage()
{
    QWidget* page = skSkinTabSheet6;
    const TFontDesc sideFont = Arial(25, fsBold, clGreen);
    const TFontDesc titleFont = Arial(20, fsBold, 0x4080FF);
    const TFontDesc scoreFont = Arial(40, fsBold, clMaroon);
    const TFontDesc percentFont = Arial(30, fsBold, clBlue);

    skSkinPanel27 = NewPanel(page, "skSkinPanel27", QRect(0, 0, 637, 25), alTop);
    skSkinLabel6 = NewOwnFontLabel(skSkinPanel27, "skSkinLabel6", QRect(1, 1, 254, 23), alLeft, sideFont,
                                   QStringLiteral("HOME"));
    skSkinLabel4 = NewOwnFontLabel(skSkinPanel27, "skSkinLabel4", QRect(255, 1, 120, 23), alClient, titleFont,
                                   QStringLiteral("FORECAST"));
    skSkinLabel5 = NewOwnFontLabel(skSkinPanel27, "skSkinLabel5", QRect(375, 1, 261, 23), alRight, sideFont,
                                   QStringLiteral("AWAY"));

    skSkinPanel23 = NewPanel(page, "skSkinPanel23", QRect(0, 25, 637, 73), alTop);
    skSkinPanel25 = NewPanel(skSkinPanel23, "skSkinPanel25", QRect(1, 1, 256, 71), alLeft);
    FSc1 = NewOwnFontLabel(skSkinPanel25, "FSc1", QRect(1, 1, 254, 40), alTop, scoreFont);
    FPr1 = NewOwnFontLabel(skSkinPanel25, "FPr1", QRect(1, 41, 254, 29), alClient, percentFont);
    skSkinPanel26 = NewPanel(skSkinPanel23, "skSkinPanel26", QRect(257, 1, 117, 71), alClient);
    skSkinLabel1 = NewOwnFontLabel(skSkinPanel26, "skSkinLabel1", QRect(1, 1, 115, 48), alNone,
                                   Arial(65, fsBold, clRed), QStringLiteral("VS"));
    tot = NewSkinFontLabel(skSkinPanel26, "tot", QRect(1, 49, 115, 21), alBottom, QStringLiteral("Total Forecast:"));
    skSkinPanel24 = NewPanel(skSkinPanel23, "skSkinPanel24", QRect(374, 1, 262, 71), alRight);
    Fsc2 = NewOwnFontLabel(skSkinPanel24, "Fsc2", QRect(1, 1, 260, 40), alTop, scoreFont);
    Fpr2 = NewOwnFontLabel(skSkinPanel24, "Fpr2", QRect(1, 41, 260, 29), alClient, percentFont);

    skSkinLabel7 = NewOwnFontLabel(page, "skSkinLabel7", QRect(0, 98, 637, 25), alTop, titleFont,
                                   QStringLiteral("STATS"));
    skSkinPanel31 = NewPanel(page, "skSkinPanel31", QRect(0, 123, 637, 126), alTop);
    SG = NewGrid(skSkinPanel31, "SG", QRect(40, 5, 569, 116), alNone);
    skSkinLabel2 = NewOwnFontLabel(page, "skSkinLabel2", QRect(0, 249, 637, 25), alTop, titleFont,
                                   QStringLiteral("LINE BOOKMAKERS"));
    Buk = NewGrid(page, "Buk", QRect(40, 280, 563, 57), alNone);
}

// ---- Live, Radar, Report ----

void TForm1Definition::CreateLivePage()
{
    QWidget* page = skSkinTabSheet3;
    skSkinPanel28 = NewPanel(page, "skSkinPanel28", QRect(0, 0, 1015, 21), alTop);
    Livetime = NewSkinFontLabel(skSkinPanel28, "Livetime", QRect(1, 1, 208, 19), alLeft);
    lcount = NewSkinFontLabel(skSkinPanel28, "lcount", QRect(904, 1, 110, 19), alRight, QStringLiteral("Count: 0"));
    LiveNotice = NewOwnFontLabel(skSkinPanel28, "LiveNotice", QRect(209, 1, 695, 19), alClient, kNoticeFont);
    LG = NewGrid(page, "LG", QRect(0, 21, 1015, 508), alClient);
    LG->setAccessibleName(QStringLiteral("Live matches"));
    skSkinSplitter4 = NewSplitter(page, "skSkinSplitter4", QRect(0, 529, 1015, 3), alBottom);
    skSkinPanel29 = NewPanel(page, "skSkinPanel29", QRect(0, 532, 1015, 130), alBottom);
    skSkinLabel3 = NewSkinFontLabel(skSkinPanel29, "skSkinLabel3", QRect(1, 1, 1013, 21), alTop,
                                    QStringLiteral("Recoming Bets Live"));
    skSkinLabel3->SetAlignment(taLeftJustify);
    LGG = NewGrid(skSkinPanel29, "LGG", QRect(1, 22, 1013, 107), alClient);
    LGG->setAccessibleName(QStringLiteral("Recommended live bets"));
}

void TForm1Definition::CreateRadarPage()
{
    ListBox1 = Placed(new TListBox(skSkinTabSheet4), "ListBox1", QRect(8, 8, 321, 545), alNone);
    ListBox1->SetItemHeight(14);
}

void TForm1Definition::CreateReportPage()
{
    QWidget* page = skSkinTabSheet5;
    skSkinPanel30 = NewPanel(page, "skSkinPanel30", QRect(0, 0, 1015, 21), alTop);
    countsoon2 = NewSkinFontLabel(skSkinPanel30, "countsoon2", QRect(893, 1, 121, 19), alRight,
                                  QStringLiteral("Count: 0"));
    ReportNotice = NewOwnFontLabel(skSkinPanel30, "ReportNotice", QRect(1, 1, 892, 19), alClient, kNoticeFont);
    RG = NewGrid(page, "RG", QRect(0, 21, 1015, 641), alClient);
    RG->setAccessibleName(QStringLiteral("Upcoming matches in full"));
}

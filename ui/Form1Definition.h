#pragma once
// The main window's whole control tree: every page, panel, splitter, label,
// button, edit, picture, list box and grid, created at once, parents before
// children, and reachable by name. The window's logic derives from it.
#include "grid/DgGrid.h"
#include "skin/SkinBoxCtrls.h"
#include "skin/SkinCtrls.h"
#include "skin/SkinForm.h"
#include "skin/SkinTabs.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListBox.h"
#include "toolkit/PromptLabel.h"
#include "toolkit/Timer.h"

#include <QWidget>

class TskSkinData;
class TskCompressedStoredSkin;

class TForm1Definition : public QWidget {
    Q_OBJECT
public:
    explicit TForm1Definition(QWidget* parent = nullptr);
    ~TForm1Definition() override;

    // Client size at design time.
    static constexpr int kDesignWidth = 1017;
    static constexpr int kDesignHeight = 684;
    // Outer size at design time, the skinned frame included.
    static constexpr int kWindowWidth = 1034;
    static constexpr int kWindowHeight = 718;

    // ---- non-visual components ----
    TskSkinForm* skSkinForm1;
    TskSkinData* skSkinData1;
    TskCompressedStoredSkin* skCompressedStoredSkin1;
    TImageList* ImageList1;  // flags
    TImageList* ImageList2;  // tab icons
    TTimer* Timer1;

    // ---- pages ----
    TskSkinPageControl* Page;
    TskSkinTabSheet* skSkinTabSheet1;  // About
    TskSkinTabSheet* skSkinTabSheet2;  // Stats
    TskSkinTabSheet* skSkinTabSheet3;  // Live
    TskSkinTabSheet* skSkinTabSheet4;  // Radar
    TskSkinTabSheet* skSkinTabSheet5;  // Report

    // ---- About ----
    TImage* Image1;
    TskSkinStdLabel* skSkinStdLabel1;
    TskSkinEdit* loginedit;
    TskSkinStdLabel* skSkinStdLabel2;
    TskSkinPasswordEdit* passedit;
    TskSkinCheckRadioBox* zap;
    TskSkinXFormButton* skSkinXFormButton1;
    TskSkinShadowLabel* skSkinShadowLabel1;
    TskSkinLinkLabel* skSkinLinkLabel1;

    // ---- Stats: upcoming-match column ----
    TskSkinPanel* skSkinPanel1;
    TskSkinPanel* skSkinPanel3;
    TskSkinXFormButton* skSkinXFormButton2;
    TskSkinLabel* countsoon;
    // Says when the last load of the list failed; empty otherwise.
    TskSkinLabel* LineNotice;
    TDataGrid* RX;
    TskSkinSplitter* skSkinSplitter1;

    // ---- Stats: statistics of one match ----
    TskSkinPanel* skSkinPanel2;
    TskSkinPanel* StatPanel;
    TPromptLabel* StatPrompt;  // over the view until the first match is opened
    TskSkinPanel* skSkinPanel5;
    TDataGrid* MatchGrid;
    TskSkinPanel* skSkinPanel6;
    // home team
    TskSkinPanel* skSkinPanel8;
    TskSkinPanel* skSkinPanel13;
    TImage* LOGO1;
    TskSkinPanel* skSkinPanel15;
    TskSkinLabel* Name1;
    TskSkinLabel* Country1;
    TskSkinPanel* skSkinPanel14;
    TskSkinLabel* han1;
    TskSkinLabel* Rank1;
    TDataGrid* TableName1;
    TDataGrid* Table1;
    TskSkinSplitter* skSkinSplitter2;
    // middle
    TskSkinPanel* skSkinPanel9;
    TskSkinPanel* skSkinPanel4;
    TskSkinLabel* Min;
    TskSkinLabel* Score;
    TDataGrid* KFGrid;
    TskSkinSplitter* skSkinSplitter3;
    // away team
    TskSkinPanel* skSkinPanel7;
    TskSkinPanel* skSkinPanel10;
    TskSkinPanel* skSkinPanel11;
    TskSkinLabel* han2;
    TskSkinLabel* Rank2;
    TskSkinPanel* skSkinPanel12;
    TskSkinLabel* Name2;
    TskSkinLabel* Country2;
    TImage* LOGO2;
    TDataGrid* TableName2;
    TDataGrid* Table2;
    // form strips
    TskSkinPanel* skSkinPanel19;
    TskSkinPanel* skSkinPanel20;
    TskSkinXFormButton* skSkinXFormButton6;
    TDataGrid* LG1;
    TskSkinSplitter* skSkinSplitter5;
    TskSkinPanel* skSkinPanel22;
    TskSkinXFormButton* skSkinXFormButton4;
    TDataGrid* LG3;
    TskSkinSplitter* skSkinSplitter6;
    TskSkinPanel* skSkinPanel21;
    TskSkinXFormButton* skSkinXFormButton5;
    TDataGrid* LG2;
    // inner pages
    TskSkinPageControl* StatPage;
    TskSkinTabSheet* skSkinTabSheet6;   // Forecast
    TskSkinTabSheet* skSkinTabSheet9;   // Latest Result Home
    TskSkinTabSheet* skSkinTabSheet10;  // Latest Result  Away
    TskSkinTabSheet* skSkinTabSheet11;  // Head-To-Head
    TskSkinPanel* skSkinPanel27;
    TskSkinLabel* skSkinLabel6;
    TskSkinLabel* skSkinLabel4;
    TskSkinLabel* skSkinLabel5;
    TskSkinPanel* skSkinPanel23;
    TskSkinPanel* skSkinPanel25;
    TskSkinLabel* FSc1;
    TskSkinLabel* FPr1;
    TskSkinPanel* skSkinPanel26;
    TskSkinLabel* skSkinLabel1;
    TskSkinLabel* tot;
    TskSkinPanel* skSkinPanel24;
    TskSkinLabel* Fsc2;
    TskSkinLabel* Fpr2;
    TskSkinLabel* skSkinLabel7;
    TskSkinPanel* skSkinPanel31;
    TDataGrid* SG;
    TskSkinLabel* skSkinLabel2;
    TDataGrid* Buk;
    TDataGrid* LGrid1;
    TskSkinPanel* skSkinPanel18;
    TDataGrid* LGrid2;
    TskSkinPanel* skSkinPanel17;
    TDataGrid* HX;
    TskSkinPanel* skSkinPanel16;

    // ---- Live ----
    TskSkinPanel* skSkinPanel28;
    TskSkinLabel* Livetime;
    TskSkinLabel* lcount;
    TskSkinLabel* LiveNotice;
    TDataGrid* LG;
    TskSkinSplitter* skSkinSplitter4;
    TskSkinPanel* skSkinPanel29;
    TskSkinLabel* skSkinLabel3;
    TDataGrid* LGG;

    // ---- Radar ----
    TListBox* ListBox1;

    // ---- Report ----
    TskSkinPanel* skSkinPanel30;
    TskSkinLabel* countsoon2;
    TskSkinLabel* ReportNotice;
    TDataGrid* RG;

private:
    void CreateComponents();
    void CreateAboutPage();
    void CreateStatsPage();
    void CreateMatchHeader(QWidget* parent);
    void CreateTeams(QWidget* parent);
    void CreateFormStrips(QWidget* parent);
    void CreateStatPages(QWidget* parent);
    void CreateForecastPage();
    void CreateLivePage();
    void CreateRadarPage();
    void CreateReportPage();

    TskSkinPanel* NewPanel(QWidget* parent, const char* name, QRect bounds, TAlign align, bool skinned = true);
    TskSkinLabel* NewSkinFontLabel(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                   const QString& caption = {});
    TskSkinLabel* NewOwnFontLabel(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                  const TFontDesc& font, const QString& caption = {});
    TskSkinSplitter* NewSplitter(QWidget* parent, const char* name, QRect bounds, TAlign align);
    TskSkinXFormButton* NewButton(QWidget* parent, const char* name, QRect bounds, TAlign align,
                                  const QString& caption, const char* skinName = "button");
    TDataGrid* NewGrid(QWidget* parent, const char* name, QRect bounds, TAlign align);
    TskSkinTabSheet* NewPage(TskSkinPageControl* control, const char* name, const QString& caption,
                             int imageIndex);
    TskSkinPageControl* NewPageControl(QWidget* parent, const char* name, QRect bounds, TAlign align);
};

#pragma once
// Skinned page control: a row of tabs over a stack of pages, one page shown,
// and the up-down control that scrolls the tab row when the tabs do not fit.
#include "skin/SkinCtrls.h"

#include <QVector>

class TskSkinPageControl;

// Two arrow buttons stepping a position between Min and Max.
class TskSkinUpDown : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    void SetMin(int v) { min_ = v; }
    int Max() const { return max_; }
    void SetMax(int v) { max_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    int Position() const { return position_; }
    void SetPosition(int v);
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool v);
    Qt::Orientation Orientation() const { return orientation_; }
    void SetOrientation(Qt::Orientation o);

    // The up button (right arrow when horizontal) and the down button (left arrow).
    QRect UpButtonRect() const;
    QRect DownButtonRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    Qt::Orientations SkinFixedSides() const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    enum Button { bNone, bUp, bDown };
    const TskDataSkinUpDownControl* UpDownDefinition() const;
    Button ButtonAt(QPoint p) const;
    void Step(Button b);
    void SetHot(Button b);
    void Repeat();

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    bool useSkinSize_ = true;
    Qt::Orientation orientation_ = Qt::Horizontal;
    Button pressed_ = bNone;
    Button hot_ = bNone;
    QTimer repeat_;
};

class TskSkinCustomTabSheet : public QWidget {
    Q_OBJECT
public:
    // The page joins `pageControl` as its last page.
    explicit TskSkinCustomTabSheet(TskSkinPageControl* pageControl);
    ~TskSkinCustomTabSheet() override;

    TskSkinPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    const QImage& WallPaper() const { return wallPaper_; }
    void SetWallPaper(const QImage& img);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    TskSkinPageControl* pageControl_;
    QString caption_;
    int imageIndex_ = -1;
    bool tabVisible_ = true;
    QImage wallPaper_;
};

class TskSkinTabSheet : public TskSkinCustomTabSheet {
    Q_OBJECT
public:
    using TskSkinCustomTabSheet::TskSkinCustomTabSheet;
};

using TDrawSkinTabEvent = std::function<void(QObject* sender, int tabIndex, const QRect& rct, bool active,
                                             bool mouseIn, QPainter& canvas)>;

class TskSkinPageControl : public QWidget, public TskSkinProperties {
    Q_OBJECT
public:
    explicit TskSkinPageControl(QWidget* parent = nullptr);
    ~TskSkinPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TskSkinCustomTabSheet* Pages(int i) const;
    TskSkinCustomTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TskSkinCustomTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    // Visible-tab index of the active page, -1 when its tab is hidden.
    int TabIndex() const;
    // Pages whose tab is shown, in page order.
    QVector<TskSkinCustomTabSheet*> VisiblePages() const;
    // The tab of the visible index `i` in control coordinates (empty when none).
    QRect TabRect(int i) const;
    // Where the pages lie.
    QRect DisplayRect() const;

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool v);
    const TFontDesc& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFontDesc& f);
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int v);
    bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool v);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int v);
    // Height of every tab: TabHeight, the skin's tab picture, or DefaultItemHeight.
    int ItemHeight() const;
    // Visible index of the tab under the mouse, -1 when none.
    int HotTab() const { return hotTab_; }
    // The up-down that scrolls the tab row; null while every tab fits.
    TskSkinUpDown* TabScroller() const { return scroller_; }
    // Visible tabs scrolled out to the left.
    int FirstTab() const { return firstTab_; }

    void SkinChanged() override;
    // Font and colour of a tab's caption in the given state.
    TFontDesc TabFont(bool active, bool hot) const;

    TDrawSkinTabEvent OnDrawSkinTab;
    TNotifyEvent OnChange;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void Repaint() override { update(); }

private:
    friend class TskSkinCustomTabSheet;
    const TskDataSkinTabControl* TabDefinition() const
    {
        return DefinitionAs<TskDataSkinTabControl>();
    }
    QImage TabPicture() const;
    // The page background: the sheet's wallpaper, else the skin's client piece.
    void DrawPageBackground(QPainter& p, const QRect& r) const;
    void AddPage(TskSkinCustomTabSheet* page);
    void RemovePage(TskSkinCustomTabSheet* page);
    void TabVisibilityChanged(TskSkinCustomTabSheet* page);
    void UpdateDisplayArea();
    void UpdateScroller();
    int TabAt(QPoint p) const;
    void SetHotTab(int i);
    int TabWidth(const TskSkinCustomTabSheet* page) const;
    void DrawSkinnedTabs(QPainter& p, const TskDataSkinTabControl& d);
    void DrawDefaultTabs(QPainter& p);
    void DrawTab(QPainter& p, int visibleIndex, const QRect& r, bool active, bool hot);
    void DrawTabContent(QPainter& p, int visibleIndex, const QRect& r, bool active, bool hot);
    void SelectNext(bool forward);

    QVector<TskSkinCustomTabSheet*> pages_;
    TskSkinCustomTabSheet* active_ = nullptr;
    TImageList* images_ = nullptr;
    bool useSkinFont_ = true;
    TFontDesc defaultFont_{QStringLiteral("Arial"), 14, 0, clBtnText};
    int defaultItemHeight_ = 20;
    bool tabsBGTransparent_ = false;
    int tabHeight_ = 0;
    int hotTab_ = -1;
    TskSkinUpDown* scroller_ = nullptr;
    int firstTab_ = 0;
};

#pragma once
// Skinned page control: a row of tabs over a stack of pages, one page shown.
#include "skin/SkinCtrls.h"

#include <QVector>

class TskSkinPageControl;

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
    void SetUseSkinFont(bool v) { useSkinFont_ = v; }
    const TFontDesc& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFontDesc& f);
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int v);
    bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool v);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int v);
    int HotTab() const { return hotTab_; }

    TDrawSkinTabEvent OnDrawSkinTab;
    TNotifyEvent OnChange;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;
    void Repaint() override { update(); }

private:
    friend class TskSkinCustomTabSheet;
    void AddPage(TskSkinCustomTabSheet* page);
    void RemovePage(TskSkinCustomTabSheet* page);
    void TabVisibilityChanged(TskSkinCustomTabSheet* page);
    void UpdateDisplayArea();
    int ItemHeight() const;
    int TabAt(QPoint p) const;
    void DrawTab(QPainter& p, int visibleIndex, const QRect& r, bool active, bool hot);
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
};

#include "skin/SkinTabs.h"

#include "skin/SkinAccessible.h"

#include "toolkit/Align.h"
#include "toolkit/ImageList.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

// ---- TskSkinCustomTabSheet ----

TskSkinCustomTabSheet::TskSkinCustomTabSheet(TskSkinPageControl* pageControl)
    : QWidget(pageControl), pageControl_(pageControl)
{
    hide();
    SetAlignWhenHidden(this, true);
    SetAlign(this, alClient);
    pageControl_->AddPage(this);
}

TskSkinCustomTabSheet::~TskSkinCustomTabSheet()
{
    pageControl_->RemovePage(this);
}

int TskSkinCustomTabSheet::PageIndex() const
{
    return int(pageControl_->pages_.indexOf(const_cast<TskSkinCustomTabSheet*>(this)));
}

void TskSkinCustomTabSheet::SetCaption(const QString& c)
{
    caption_ = c;
    pageControl_->update();
}

void TskSkinCustomTabSheet::SetImageIndex(int i)
{
    imageIndex_ = i;
    pageControl_->update();
}

void TskSkinCustomTabSheet::SetTabVisible(bool v)
{
    if (tabVisible_ == v)
        return;
    tabVisible_ = v;
    pageControl_->TabVisibilityChanged(this);
}

void TskSkinCustomTabSheet::SetWallPaper(const QImage& img)
{
    wallPaper_ = img;
    update();
}

void TskSkinCustomTabSheet::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    if (wallPaper_.isNull()) {
        p.fillRect(e->rect(), ColorToQColor(clBtnFace));
        return;
    }
    for (int y = 0; y < height(); y += wallPaper_.height())
        for (int x = 0; x < width(); x += wallPaper_.width())
            p.drawImage(x, y, wallPaper_);
}

// ---- TskSkinPageControl ----

TskSkinPageControl::TskSkinPageControl(QWidget* parent) : QWidget(parent)
{
    SetSkinDataName(QStringLiteral("tab"));
    setMouseTracking(true);
    setFont(MakeFont(defaultFont_));
    resize(289, 193);
    UpdateDisplayArea();
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { SelectNext(true); });
    auto* prev = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    prev->setContext(Qt::WidgetWithChildrenShortcut);
    connect(prev, &QShortcut::activated, this, [this] { SelectNext(false); });
}

TskSkinPageControl::~TskSkinPageControl()
{
    // Pages unregister themselves, so they go while the control is still whole.
    const QVector<TskSkinCustomTabSheet*> pages = pages_;
    qDeleteAll(pages);
}

TskSkinCustomTabSheet* TskSkinPageControl::Pages(int i) const
{
    return i >= 0 && i < pages_.size() ? pages_[i] : nullptr;
}

void TskSkinPageControl::AddPage(TskSkinCustomTabSheet* page)
{
    pages_.append(page);
    if (!active_)
        SetActivePage(page);
    update();
}

void TskSkinPageControl::RemovePage(TskSkinCustomTabSheet* page)
{
    pages_.removeAll(page);
    if (active_ == page)
        active_ = nullptr;
    update();
}

void TskSkinPageControl::SetActivePage(TskSkinCustomTabSheet* page)
{
    if (page && page->PageControl() != this)
        return;
    if (page == active_)
        return;
    TskSkinCustomTabSheet* old = active_;
    active_ = page;
    if (page) {
        page->raise();
        page->show();
    }
    if (old)
        old->hide();
    update();
    SkinAccessibility::PageChanged(this);
    if (OnChange)
        OnChange(this);
}

int TskSkinPageControl::ActivePageIndex() const
{
    return active_ ? active_->PageIndex() : -1;
}

void TskSkinPageControl::SetActivePageIndex(int i)
{
    SetActivePage(Pages(i));
}

QVector<TskSkinCustomTabSheet*> TskSkinPageControl::VisiblePages() const
{
    QVector<TskSkinCustomTabSheet*> list;
    for (TskSkinCustomTabSheet* p : pages_)
        if (p->TabVisible())
            list.append(p);
    return list;
}

int TskSkinPageControl::TabIndex() const
{
    return int(VisiblePages().indexOf(active_));
}

void TskSkinPageControl::TabVisibilityChanged(TskSkinCustomTabSheet* page)
{
    // Hiding the active page's tab moves on to the next page with a tab.
    if (page == active_ && !page->TabVisible()) {
        const QVector<TskSkinCustomTabSheet*> visible = VisiblePages();
        TskSkinCustomTabSheet* next = nullptr;
        for (TskSkinCustomTabSheet* p : visible)
            if (p->PageIndex() > page->PageIndex()) {
                next = p;
                break;
            }
        if (!next && !visible.isEmpty())
            next = visible.back();
        if (next)
            SetActivePage(next);
    }
    update();
}

void TskSkinPageControl::SelectNext(bool forward)
{
    const QVector<TskSkinCustomTabSheet*> visible = VisiblePages();
    if (visible.isEmpty())
        return;
    const int i = int(visible.indexOf(active_));
    const int n = int(visible.size());
    SetActivePage(visible[((i < 0 ? 0 : i + (forward ? 1 : -1)) + n) % n]);
}

void TskSkinPageControl::SetImages(TImageList* images)
{
    images_ = images;
    update();
}

void TskSkinPageControl::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    setFont(MakeFont(f));
    update();
}

void TskSkinPageControl::SetDefaultItemHeight(int v)
{
    defaultItemHeight_ = v;
    UpdateDisplayArea();
}

void TskSkinPageControl::SetTabsBGTransparent(bool v)
{
    tabsBGTransparent_ = v;
    update();
}

void TskSkinPageControl::SetTabHeight(int v)
{
    tabHeight_ = v;
    UpdateDisplayArea();
}

int TskSkinPageControl::ItemHeight() const
{
    return tabHeight_ > 0 ? tabHeight_ : defaultItemHeight_;
}

void TskSkinPageControl::UpdateDisplayArea()
{
    // The pages lie inside a 1-pixel frame below the tab row.
    setContentsMargins(1, ItemHeight() + 1, 1, 1);
    AlignControls(this);
    update();
}

QRect TskSkinPageControl::DisplayRect() const
{
    return contentsRect();
}

QRect TskSkinPageControl::TabRect(int i) const
{
    const QVector<TskSkinCustomTabSheet*> visible = VisiblePages();
    if (i < 0 || i >= visible.size())
        return {};
    const QFontMetrics fm(font());
    const int imageW = images_ ? images_->Width() + 2 : 0;
    int x = 2;
    for (int k = 0; k <= i; ++k) {
        const int w = 12 + imageW + fm.horizontalAdvance(visible[k]->Caption()) + 2;
        if (k == i) {
            const bool active = visible[k] == active_;
            // The active tab stands 2 pixels taller and covers the frame line below it.
            return active ? QRect(x - 2, 0, w + 4, ItemHeight() + 1) : QRect(x, 2, w, ItemHeight() - 2);
        }
        x += w;
    }
    return {};
}

int TskSkinPageControl::TabAt(QPoint p) const
{
    const int n = int(VisiblePages().size());
    for (int i = 0; i < n; ++i)
        if (TabRect(i).contains(p))
            return i;
    return -1;
}

void TskSkinPageControl::DrawTab(QPainter& p, int i, const QRect& r, bool active, bool hot)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const bool focused = active && hasFocus();
    const TColor face = focused ? 0xB59385 : (active || hot) ? 0xD2BDB6 : clBtnFace;
    p.fillRect(r, ColorToQColor(face));
    p.setPen(ColorToQColor(active ? clNavy : clBtnShadow));
    p.drawRect(r.adjusted(0, 0, -1, active ? 0 : -1));
    if (OnDrawSkinTab) {
        OnDrawSkinTab(this, i, r, active, hot, p);
        return;
    }
    TskSkinCustomTabSheet* page = VisiblePages()[i];
    p.setFont(font());
    p.setPen(ColorToQColor(defaultFont_.Color));
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(page->Caption()) + 2;
    const int th = fm.height();
    if (images_ && page->PageIndex() < images_->Count()) {
        const int iw = images_->Width();
        const int ih = images_->Height();
        const int x = r.left() + r.width() / 2 - (iw + tw + 2) / 2;
        images_->Draw(p, x, r.top() + r.height() / 2 - ih / 2, page->ImageIndex(), page->isEnabled());
        p.drawText(QRect(x + iw + 2, r.top() + r.height() / 2 - th / 2, tw, th), Qt::AlignCenter, page->Caption());
    } else {
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
    }
}

void TskSkinPageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ColorToQColor(clBtnFace));
    const QRect frame = DisplayRect().adjusted(-1, -1, 1, 1);
    p.setPen(ColorToQColor(clBtnShadow));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    const int active = TabIndex();
    const int n = int(VisiblePages().size());
    for (int i = 0; i < n; ++i)
        if (i != active)
            DrawTab(p, i, TabRect(i), false, i == hotTab_);
    // The active tab last, over its neighbours and the frame.
    if (active >= 0)
        DrawTab(p, active, TabRect(active), true, active == hotTab_);
}

void TskSkinPageControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int i = TabAt(e->position().toPoint());
    hotTab_ = i;
    if (i >= 0)
        SetActivePage(VisiblePages()[i]);
    update();
}

void TskSkinPageControl::mouseMoveEvent(QMouseEvent* e)
{
    const int i = TabAt(e->position().toPoint());
    if (i != hotTab_) {
        hotTab_ = i;
        update();
    }
}

void TskSkinPageControl::leaveEvent(QEvent*)
{
    if (hotTab_ >= 0) {
        hotTab_ = -1;
        update();
    }
}

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
    pageControl_->UpdateScroller();
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
    pageControl_->EnsureResolved();
    QPainter p(this);
    if (wallPaper_.isNull())
        pageControl_->DrawPageBackground(p, e->rect());
    else
        TileSkinPiece(p, wallPaper_, wallPaper_.rect(), rect(), {0, 0});
}

void TskSkinCustomTabSheet::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    update();
}

// ---- TskSkinPageControl ----

TskSkinPageControl::TskSkinPageControl(QWidget* parent) : QWidget(parent)
{
    SetSkinDataName(QStringLiteral("tab"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
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
    UpdateScroller();
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
    if (scroller_)
        scroller_->raise();
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
    UpdateScroller();
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
    UpdateScroller();
    update();
}

void TskSkinPageControl::SetUseSkinFont(bool v)
{
    useSkinFont_ = v;
    SkinChanged();
}

void TskSkinPageControl::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    SkinChanged();
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

bool TskSkinPageControl::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinTabControl*>(&d) != nullptr;
}

QImage TskSkinPageControl::TabPicture() const
{
    const TskDataSkinTabControl* d = TabDefinition();
    return d ? SkinData()->ActivePicture(d->pictureindex) : QImage();
}

void TskSkinPageControl::SkinChanged()
{
    TskSkinProperties::SkinChanged();
    TFontDesc f = defaultFont_;
    if (const TskDataSkinTabControl* d = TabDefinition()) {
        if (useSkinFont_)
            f = d->FontDesc();
        f.Color = d->fontcolor;
    }
    setFont(MakeFont(f));
    // The scroller belongs to the old skin: build it again for the new one.
    delete scroller_;
    scroller_ = nullptr;
    UpdateDisplayArea();
    for (TskSkinCustomTabSheet* page : pages_)
        page->update();
}

int TskSkinPageControl::ItemHeight() const
{
    if (tabHeight_ > 0)
        return tabHeight_;
    const TskDataSkinTabControl* d = TabDefinition();
    return d ? d->tabrect.Height() : defaultItemHeight_;
}

void TskSkinPageControl::UpdateDisplayArea()
{
    // The tab row as a plain tab control lays it out: 2 pixels above and
    // below the tabs, a 2-pixel border; the skin's border replaces that.
    const int top = ItemHeight() + 6;
    if (const TskDataSkinTabControl* d = TabDefinition()) {
        const TskRect& c = d->clientrect;
        setContentsMargins(c.Left, top + c.Top - 6, d->skinrect.Width() - c.Right,
                           d->skinrect.Height() - c.Bottom);
    } else {
        setContentsMargins(1, top - 5, 1, 1);
    }
    AlignControls(this);
    UpdateScroller();
    update();
}

QRect TskSkinPageControl::DisplayRect() const
{
    return contentsRect();
}

int TskSkinPageControl::TabWidth(const TskSkinCustomTabSheet* page) const
{
    const int imageW = images_ ? images_->Width() + 2 : 0;
    return 12 + imageW + QFontMetrics(font()).horizontalAdvance(page->Caption()) + 2;
}

QRect TskSkinPageControl::TabRect(int i) const
{
    const QVector<TskSkinCustomTabSheet*> visible = VisiblePages();
    if (i < 0 || i >= visible.size())
        return {};
    // Tabs as a tab control places them (from x 2, y 2), moved 2 up and 2 left;
    // the first starts 1 pixel further right.
    int x = 0;
    for (int k = 0; k < firstTab_ && k < visible.size(); ++k)
        x -= TabWidth(visible[k]);
    for (int k = 0; k < i; ++k)
        x += TabWidth(visible[k]);
    QRect r(x, 0, TabWidth(visible[i]), ItemHeight());
    if (i == 0)
        r.setLeft(r.left() + 1);
    return r;
}

void TskSkinPageControl::UpdateScroller()
{
    const QVector<TskSkinCustomTabSheet*> visible = VisiblePages();
    const int n = int(visible.size());
    const int room = width() - (scroller_ ? scroller_->width() : 2 * defaultItemHeight_) - 3;
    // Smallest scroll position from which the remaining tabs fit.
    int total = 0;
    for (const TskSkinCustomTabSheet* page : visible)
        total += TabWidth(page);
    int needed = 0;
    for (int k = 0; k < n && total > room; ++k, ++needed)
        total -= TabWidth(visible[k]);
    if (needed == 0) {
        delete scroller_;
        scroller_ = nullptr;
        firstTab_ = 0;
        return;
    }
    if (!scroller_) {
        scroller_ = new TskSkinUpDown(this);
        scroller_->resize(2 * defaultItemHeight_, defaultItemHeight_);
        scroller_->SetSkinDataName(TabDefinition() ? TabDefinition()->updown : QString());
        scroller_->SetSkinData(SkinData());
        scroller_->OnChange = [this](QObject*) {
            firstTab_ = scroller_->Position();
            update();
        };
        scroller_->show();
        UpdateScroller();  // the scroller's own size changes the room left
        return;
    }
    firstTab_ = std::min(firstTab_, needed);
    scroller_->SetMax(needed);
    scroller_->SetPosition(firstTab_);
    scroller_->move(width() - scroller_->width(), 0);
    scroller_->raise();
}

void TskSkinPageControl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    UpdateScroller();
}

int TskSkinPageControl::TabAt(QPoint p) const
{
    const int n = int(VisiblePages().size());
    for (int i = 0; i < n; ++i)
        if (TabRect(i).contains(p))
            return i;
    return -1;
}

TFontDesc TskSkinPageControl::TabFont(bool active, bool hot) const
{
    const TskDataSkinTabControl* d = TabDefinition();
    if (!d)
        return defaultFont_;
    TFontDesc f = useSkinFont_ ? d->FontDesc() : defaultFont_;
    f.Color = hot && !active            ? d->mouseinfontcolor
              : active && hasFocus()    ? d->focusfontcolor
              : !active                 ? d->fontcolor
                                        : d->activefontcolor;
    return f;
}

void TskSkinPageControl::DrawTab(QPainter& p, int i, const QRect& r, bool active, bool hot)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (const TskDataSkinTabControl* d = TabDefinition()) {
        const TskRect& state = hot && !active && !d->mouseintabrect.IsEmpty() ? d->mouseintabrect
                               : active && hasFocus()
                                   ? (d->focustabrect.IsEmpty() ? d->activetabrect : d->focustabrect)
                               : !active || d->activetabrect.IsEmpty() ? d->tabrect
                                                                       : d->activetabrect;
        const int h = tabHeight_ > 0 ? r.height() : state.Height();
        DrawSkinStrip(p, TabPicture(),
                      {state.ToQRect(), d->tableftoffset, d->tabrightoffset, d->tabstretcheffect},
                      QRect(r.left(), r.top(), r.width(), h), Qt::Horizontal);
        if (d->showfocus && active && hasFocus()) {
            p.setPen(QPen(ColorToQColor(SkinData()->SkinColors().cbtnface), 1, Qt::DotLine));
            p.drawRect(r.adjusted(d->focusoffsetx, d->focusoffsety, -d->focusoffsetx - 1,
                                  -d->focusoffsety - 1));
        }
    } else {
        const bool focused = active && hasFocus();
        const TColor face = focused ? 0xB59385 : (active || hot) ? 0xD2BDB6 : clBtnFace;
        p.fillRect(r, ColorToQColor(face));
        if (active) {
            p.setPen(ColorToQColor(clNavy));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    DrawTabContent(p, i, r, active, hot);
}

void TskSkinPageControl::DrawTabContent(QPainter& p, int i, const QRect& r, bool active, bool hot)
{
    if (OnDrawSkinTab) {
        OnDrawSkinTab(this, i, r, active, hot, p);
        return;
    }
    TskSkinCustomTabSheet* page = VisiblePages()[i];
    const TFontDesc f = TabFont(active, hot);
    const QFont font = MakeFont(f);
    p.setFont(font);
    p.setPen(ColorToQColor(f.Color));
    const QFontMetrics fm(font);
    if (!images_ || page->PageIndex() >= images_->Count()) {
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
        return;
    }
    // Image and caption as one block, centred.
    const int tw = fm.horizontalAdvance(page->Caption()) + 2;
    const int th = fm.height();
    const int iw = images_->Width();
    const int ih = images_->Height();
    const int x = r.left() + r.width() / 2 - (iw + tw + 2) / 2;
    images_->Draw(p, x, r.top() + r.height() / 2 - ih / 2, page->ImageIndex(), page->isEnabled());
    p.drawText(QRect(x + iw + 2, r.top() + r.height() / 2 - th / 2, tw, th), Qt::AlignCenter,
               page->Caption());
}

void TskSkinPageControl::DrawPageBackground(QPainter& p, const QRect& r) const
{
    const TskDataSkinTabControl* d = TabDefinition();
    const QImage background = d ? SkinData()->ActivePicture(d->bgpictureindex) : QImage();
    if (!background.isNull()) {
        TileSkinPiece(p, background, background.rect(), r, {0, 0});
    } else if (d) {
        const QRect client = d->clientrect.ToQRect().translated(d->skinrect.Left, d->skinrect.Top);
        TileSkinPiece(p, TabPicture(), client, r, {0, 0});
    } else {
        p.fillRect(r, ColorToQColor(clBtnFace));
    }
}

void TskSkinPageControl::DrawSkinnedTabs(QPainter& p, const TskDataSkinTabControl& d)
{
    const QImage picture = TabPicture();
    const TskRect& c = d.clientrect;
    const QRect frame = DisplayRect().adjusted(-c.Left, -c.Top, d.skinrect.Width() - c.Right,
                                               d.skinrect.Height() - c.Bottom);
    // The border, cut from the skin rect like the window frame.
    TskNinePiece cut = SkinNinePiece(d, d, d.skinrect, c);
    cut.tileFromStart = true;
    DrawSkinFrame(p, picture, cut, frame);

    // The tab row: background, then every tab; the active one again over the border.
    const QRect row(0, 0, width(), frame.top());
    if (!row.isEmpty()) {
        p.save();
        p.setClipRect(row);
        if (!tabsBGTransparent_) {
            const QRect bg = d.tabsbgrect.IsEmpty() ? c.ToQRect().translated(cut.rect.topLeft())
                                                    : d.tabsbgrect.ToQRect();
            TileSkinPiece(p, picture, bg, row, {0, 0});
        }
        const int n = int(VisiblePages().size());
        for (int i = 0; i < n; ++i)
            DrawTab(p, i, TabRect(i), i == TabIndex(), i == hotTab_);
        p.restore();
    }
    if (TabIndex() >= 0)
        DrawTab(p, TabIndex(), TabRect(TabIndex()), true, TabIndex() == hotTab_);
}

void TskSkinPageControl::DrawDefaultTabs(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(clBtnFace));
    const QRect frame = DisplayRect().adjusted(-1, -1, 1, 1);
    p.setPen(ColorToQColor(clBtnShadow));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    const int active = TabIndex();
    const int n = int(VisiblePages().size());
    for (int i = 0; i < n; ++i)
        if (i != active)
            DrawTab(p, i, TabRect(i), false, i == hotTab_);
    if (active >= 0)
        DrawTab(p, active, TabRect(active), true, active == hotTab_);
}

void TskSkinPageControl::paintEvent(QPaintEvent*)
{
    EnsureResolved();
    QPainter p(this);
    const TskDataSkinTabControl* d = TabDefinition();
    if (pages_.isEmpty()) {
        // Nothing but the page background.
        DrawPageBackground(p, rect());
        return;
    }
    if (d)
        DrawSkinnedTabs(p, *d);
    else
        DrawDefaultTabs(p);
}

void TskSkinPageControl::SetHotTab(int i)
{
    if (i == hotTab_)
        return;
    // Only the two tabs concerned are drawn again.
    update(TabRect(hotTab_));
    hotTab_ = i;
    update(TabRect(hotTab_));
}

void TskSkinPageControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int i = TabAt(e->position().toPoint());
    SetHotTab(i);
    if (i >= 0) {
        setFocus(Qt::MouseFocusReason);
        SetActivePage(VisiblePages()[i]);
    }
}

void TskSkinPageControl::mouseMoveEvent(QMouseEvent* e)
{
    SetHotTab(TabAt(e->position().toPoint()));
}

void TskSkinPageControl::leaveEvent(QEvent*)
{
    SetHotTab(-1);
}

void TskSkinPageControl::focusInEvent(QFocusEvent*)
{
    update(TabRect(TabIndex()));
}

void TskSkinPageControl::focusOutEvent(QFocusEvent*)
{
    update(TabRect(TabIndex()));
}

// ---- TskSkinUpDown ----

namespace {
constexpr int kRepeatDelay = 500;
constexpr int kRepeatInterval = 100;
constexpr int kResumeInterval = 50;
}  // namespace

TskSkinUpDown::TskSkinUpDown(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("hupdown"));
    resize(25, 50);
    setMouseTracking(true);
    connect(&repeat_, &QTimer::timeout, this, &TskSkinUpDown::Repeat);
}

bool TskSkinUpDown::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinUpDownControl*>(&d) != nullptr;
}

const TskDataSkinUpDownControl* TskSkinUpDown::UpDownDefinition() const
{
    return useSkinSize_ ? DefinitionAs<TskDataSkinUpDownControl>() : nullptr;
}

Qt::Orientations TskSkinUpDown::SkinFixedSides() const
{
    return useSkinSize_ ? TskSkinCustomControl::SkinFixedSides() : Qt::Orientations();
}

void TskSkinUpDown::SetUseSkinSize(bool v)
{
    useSkinSize_ = v;
    SkinChanged();
}

void TskSkinUpDown::SetOrientation(Qt::Orientation o)
{
    orientation_ = o;
    update();
}

void TskSkinUpDown::SetPosition(int v)
{
    position_ = v;
}

QRect TskSkinUpDown::UpButtonRect() const
{
    if (const TskDataSkinUpDownControl* d = UpDownDefinition())
        return d->upbuttonrect.ToQRect();
    return orientation_ == Qt::Horizontal ? QRect(width() / 2, 0, width() - width() / 2, height())
                                          : QRect(0, 0, width(), height() / 2);
}

QRect TskSkinUpDown::DownButtonRect() const
{
    if (const TskDataSkinUpDownControl* d = UpDownDefinition())
        return d->downbuttonrect.ToQRect();
    return orientation_ == Qt::Horizontal ? QRect(0, 0, width() / 2, height())
                                          : QRect(0, height() / 2, width(), height() - height() / 2);
}

TskSkinUpDown::Button TskSkinUpDown::ButtonAt(QPoint p) const
{
    return UpButtonRect().contains(p) ? bUp : DownButtonRect().contains(p) ? bDown : bNone;
}

void TskSkinUpDown::DrawSkinImage(QPainter& p)
{
    const TskDataSkinUpDownControl* d = UpDownDefinition();
    if (!d) {
        DrawDefaultImage(p);
        return;
    }
    TskSkinCustomControl::DrawSkinImage(p);
    const QImage picture = SkinPicture();
    for (const Button b : {bUp, bDown}) {
        const bool up = b == bUp;
        const TskRect& state = pressed_ == b && hot_ == b ? (up ? d->downupbuttonrect : d->downdownbuttonrect)
                               : hot_ == b ? (up ? d->activeupbuttonrect : d->activedownbuttonrect)
                                           : TskRect();
        if (!state.IsEmpty())
            DrawSkinPiece(p, picture, state.ToQRect(), up ? UpButtonRect() : DownButtonRect());
    }
}

void TskSkinUpDown::DrawDefaultImage(QPainter& p)
{
    for (const Button b : {bUp, bDown}) {
        const QRect r = b == bUp ? UpButtonRect() : DownButtonRect();
        const bool down = pressed_ == b && hot_ == b;
        const TColor face = down ? 0xB59385 : hot_ == b ? 0xD2BDB6 : clBtnFace;
        p.fillRect(r, ColorToQColor(face));
        p.setPen(ColorToQColor(down || hot_ == b ? clNavy : clBtnShadow));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        // A small black arrow pointing away from the other button.
        const QPoint c = r.center();
        QPolygon arrow;
        if (orientation_ == Qt::Horizontal)
            arrow = b == bUp ? QPolygon({c + QPoint(-1, -3), c + QPoint(2, 0), c + QPoint(-1, 3)})
                             : QPolygon({c + QPoint(1, -3), c + QPoint(-2, 0), c + QPoint(1, 3)});
        else
            arrow = b == bUp ? QPolygon({c + QPoint(-3, 1), c + QPoint(0, -2), c + QPoint(3, 1)})
                             : QPolygon({c + QPoint(-3, -1), c + QPoint(0, 2), c + QPoint(3, -1)});
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawPolygon(arrow);
        p.setBrush(Qt::NoBrush);
    }
}

void TskSkinUpDown::Step(Button b)
{
    const int next = position_ + (b == bUp ? increment_ : -increment_);
    if (next < min_ || next > max_ || next == position_)
        return;
    position_ = next;
    if (OnChange)
        OnChange(this);
}

void TskSkinUpDown::Repeat()
{
    if (hot_ != pressed_)
        return;
    Step(pressed_);
    repeat_.setInterval(kRepeatInterval);
}

void TskSkinUpDown::SetHot(Button b)
{
    if (b == hot_)
        return;
    hot_ = b;
    if (pressed_ != bNone && increment_ != 0) {
        // Leaving the pressed button pauses the repeat; coming back resumes it.
        if (hot_ == pressed_)
            repeat_.start(kResumeInterval);
        else
            repeat_.stop();
    }
    update();
}

void TskSkinUpDown::MouseLeave()
{
    SetHot(bNone);
}

void TskSkinUpDown::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    pressed_ = ButtonAt(e->position().toPoint());
    hot_ = pressed_;
    if (pressed_ != bNone && increment_ != 0)
        repeat_.start(kRepeatDelay);
    update();
}

void TskSkinUpDown::mouseMoveEvent(QMouseEvent* e)
{
    SetHot(ButtonAt(e->position().toPoint()));
}

void TskSkinUpDown::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || pressed_ == bNone)
        return;
    const Button released = pressed_;
    repeat_.stop();
    pressed_ = bNone;
    update();
    // Released over the button it pressed: one more step and the click.
    if (ButtonAt(e->position().toPoint()) != released)
        return;
    Step(released);
    const TNotifyEvent& click = released == bUp ? OnUpButtonClick : OnDownButtonClick;
    if (click)
        click(this);
}

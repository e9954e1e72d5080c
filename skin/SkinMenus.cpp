#include "skin/SkinMenus.h"
#include "skin/SkinAccessible.h"

#include "skin/SkinData.h"
#include "skin/SkinDraw.h"
#include "skin/SkinForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

// ---- placement ----------------------------------------------------------------

TskPopupPlacement PlacePopup(const TskPopupPlacementInput& in)
{
    const QRect& a = in.Anchor;
    const QRect& wa = in.WorkArea;
    const int w = in.Size.width(), h = in.Size.height();
    // Right and bottom edges exclusive; an anchor may be a bare point.
    const int aLeft = a.x(), aTop = a.y(), aRight = a.x() + a.width(), aBottom = a.y() + a.height();
    const int waLeft = wa.x(), waTop = wa.y(), waRight = wa.x() + wa.width(), waBottom = wa.y() + wa.height();
    const bool upperHalf = aTop < waTop + wa.height() / 2;

    TskPopupPlacement out;
    int& y = out.Pos.ry();
    if (in.ScreenScroll) {
        y = waTop;
        out.Overlap = true;
    } else if (in.SubMenu) {
        if (aTop - in.ItemsTop + h <= waBottom)
            y = aTop - in.ItemsTop;
        else if (upperHalf)
            y = waBottom - h;
        else
            y = std::max(waTop, aBottom + in.ItemsTop - h);
    } else if (in.Upward) {
        if (aTop - h >= waTop) {
            y = aTop - h;
        } else if (upperHalf) {
            out.Overlap = aBottom + h > waBottom;
            y = out.Overlap ? waBottom - h : aBottom;
        } else {
            y = waTop;
            out.Overlap = true;
        }
    } else if (aBottom + h <= waBottom) {
        y = aBottom;
    } else if (upperHalf) {
        y = waBottom - h;
        out.Overlap = true;
    } else if (aTop - h >= waTop) {
        y = aTop - h;
    } else {
        y = waTop;
        out.Overlap = true;
    }

    int& x = out.Pos.rx();
    if (in.SubMenu || in.ScreenScroll || out.Overlap) {
        // Beside the anchor, so that it stays visible.
        x = waRight >= aRight + w + 1 ? aRight + 1 : aLeft - w - 1;
    } else {
        x = aLeft;
        if (x + w > waRight)
            x = waRight - w;
        else if (x < waLeft)
            x = waLeft;
    }
    return out;
}

// ---- drawing helpers ------------------------------------------------------------

namespace {
constexpr int kScrollBand = 10;
constexpr int kMouseInterval = 50;
constexpr int kScrollInterval = 100;
constexpr int kSubMenuWait = 500;
constexpr int kFadeStep = 10;
constexpr int kFadeInterval = 5;
constexpr TColor kBuiltInActiveFill = 0xD2BDB6;

QRect Rc(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
QRect Rc(const TskRect& r) { return r.ToQRect(); }
int Right(const QRect& r) { return r.x() + r.width(); }
int Bottom(const QRect& r) { return r.y() + r.height(); }

// A horizontal strip of `src`: its left and right columns fixed, the middle spread.
void Strip(QPainter& p, const QImage& img, const QRect& src, const QRect& dst, int leftFixed, int rightFixed,
           bool stretch)
{
    DrawSkinStrip(p, img, TskStrip{src, leftFixed, rightFixed, stretch, false}, dst, Qt::Horizontal);
}

// A piece copied unscaled with its top-left corner at `at`.
void Piece(QPainter& p, const QImage& img, const QRect& src, QPoint at)
{
    DrawSkinPiece(p, img, src, QRect(at, src.size()));
}

// A line whose end point is left out, as the platform draws lines.
void Line(QPainter& p, int x1, int y1, int x2, int y2)
{
    const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
    if (dx == 0 && dy == 0)
        return;
    p.drawLine(x1, y1, x2 - dx, y2 - dy);
}

void Frame(QPainter& p, const QRect& r)
{
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// Rows of a small arrow pointing right: columns of 7, 5, 3 and 1 pixels.
void SubMenuArrow(QPainter& p, int x, int y)
{
    for (int i = 0; i < 4; ++i)
        p.drawLine(x + i, y + i, x + i, y + 6 - i);
}

// Arrows of the scroll bands: rows of 1, 3, 5 and 7 pixels.
void ScrollArrow(QPainter& p, const QRect& band, bool up, const QColor& c)
{
    p.setPen(c);
    const int cx = band.x() + band.width() / 2, top = band.y() + band.height() / 2 - 2;
    for (int i = 0; i < 4; ++i) {
        const int y = up ? top + i : top + 3 - i;
        p.drawLine(cx - i, y, cx + i, y);
    }
}

void BuiltInGlyph(QPainter& p, const TMenuItem& item, int x, int y, const QColor& c)
{
    p.setPen(c);
    p.setBrush(Qt::NoBrush);
    const QString& n = item.Name;
    if (n == u"DSF_CLOSE" || n == u"TRAY_DSF_CLOSE") {
        Line(p, x + 1, y + 1, x + 9, y + 9);
        Line(p, x + 2, y + 1, x + 10, y + 9);
        Line(p, x + 9, y + 1, x + 1, y + 9);
        Line(p, x + 8, y + 1, x, y + 9);
    } else if (n == u"DSF_MINITEM") {
        Line(p, x + 1, y + 8, x + 9, y + 8);
        Line(p, x + 1, y + 9, x + 9, y + 9);
    } else if (n == u"DSF_MAXITEM") {
        Frame(p, Rc(x, y, x + 11, y + 10));
        p.fillRect(Rc(x, y, x + 11, y + 2), c);
    } else if (n == u"DSF_RESTORE" || n == u"TRAY_DSF_RESTORE") {
        Frame(p, Rc(x + 2, y, x + 10, y + 6));
        p.fillRect(Rc(x + 2, y, x + 10, y + 2), c);
        Frame(p, Rc(x, y + 4, x + 7, y + 10));
        p.fillRect(Rc(x, y + 4, x + 7, y + 6), c);
    } else if (n == u"DSF_ROLLUP") {
        for (int i = 0; i <= 4; ++i)
            Line(p, x + 5 - i, y + 2 + i, x + 5 + i, y + 2 + i);
    } else if (n == u"DSF_MINTOTRAY") {
        p.fillRect(Rc(x + 2, y + 2, x + 7, y + 7), c);
    } else if (item.Checked && item.RadioItem) {
        p.setBrush(c);
        p.setPen(Qt::NoPen);
        p.drawEllipse(Rc(x, y, x + 6, y + 6));
    } else if (item.Checked) {
        for (int i = 0; i <= 2; ++i) {
            Line(p, x, y + 5 - i, x + 2, y + 7 - i);
            Line(p, x + 2, y + 7 - i, x + 7, y + 2 - i);
        }
    }
}

// The caption drawn from `x`, cut at `limit`, its "&" marking the underlined character.
void Caption(QPainter& p, const QString& text, int x, int top, int limit)
{
    const QFontMetrics fm(p.font());
    const QRect box(x, top, std::max(0, limit - x), fm.height());
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine, text);
}

void ShortCutText(QPainter& p, const QString& text, int right, int top)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(text);
    p.drawText(QRect(right - w, top, w, fm.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

QString ItemText(const TMenuItem& item)
{
    const QString sc = item.ShortCutText();
    return sc.isEmpty() ? item.Caption : item.Caption + QStringLiteral("  ") + sc;
}
}  // namespace

// ---- TskSkinMenuItem ----------------------------------------------------------------

void TskSkinMenuItem::Draw(QPainter& p, QPoint at) const
{
    if (Popup->ItemDef())
        DrawSkin(p, at);
    else
        DrawBuiltIn(p, at);
}

void TskSkinMenuItem::DrawSkin(QPainter& p, QPoint at) const
{
    const TskDataSkinMenuItem& d = *Popup->ItemDef();
    const QImage& pic = Popup->ItemPicture();
    const int w = ItemRect.width();
    if (IsLine()) {
        Strip(p, pic, Rc(d.dividerrect), QRect(at, QSize(w, d.dividerrect.Height())), d.dividerleftoffset,
              d.dividerrightoffset, d.dividerstretcheffect);
        return;
    }
    const bool lit = Active || Down;
    Strip(p, pic, Rc(lit ? d.activeskinrect : d.skinrect), QRect(at, QSize(w, d.skinrect.Height())),
          d.itemleftoffset, d.itemrightoffset, lit ? d.stretcheffect : d.inactivestretcheffect);

    const QRect tr = Rc(d.textrect).adjusted(0, 0, w - d.skinrect.Width(), 0).translated(at);
    const TColor color = lit ? d.activefontcolor : MenuItem->Enabled ? d.fontcolor : d.unenabledfontcolor;
    p.setFont(Popup->ItemFont());
    p.setPen(ColorToQColor(color));
    const int g = d.imagerect.IsEmpty() ? Popup->GlyphWidth() : 0;
    const int capHeight = QFontMetrics(p.font()).height();
    const int top = tr.y() + tr.height() / 2 - capHeight / 2;
    Caption(p, MenuItem->Caption, tr.x() + g + 1, top, Right(tr) - 16);
    ShortCutText(p, MenuItem->ShortCutText(), Right(tr) - 16, top);
    const int middle = tr.y() + tr.height() / 2;
    if (HasChildren())
        SubMenuArrow(p, Right(tr) - 7, middle - 4);
    const QColor glyphColor = ColorToQColor(d.useimagecolor ? (lit ? d.activeimagecolor : d.imagecolor) : color);
    p.setPen(glyphColor);
    DrawGlyph(p, QPoint(tr.x() + 2, middle - 4),
              d.imagerect.IsEmpty() ? QRect() : Rc(d.imagerect).translated(at));
}

void TskSkinMenuItem::DrawGlyph(QPainter& p, QPoint at, const QRect& imageRect) const
{
    const QColor c = p.pen().color();
    if (!MenuItem->Bitmap.isNull()) {
        const QImage& b = MenuItem->Bitmap;
        const QPoint pos = imageRect.isValid()
                               ? imageRect.center() - QPoint(b.width() / 2, b.height() / 2)
                               : QPoint(at.x(), at.y() + 4 - b.height() / 2);
        p.drawImage(pos, b);
        if (MenuItem->Checked)
            Frame(p, QRect(pos, b.size()).adjusted(-1, -1, 1, 1));
        return;
    }
    const QPoint pos = imageRect.isValid() ? imageRect.center() - QPoint(5, 4) : at;
    BuiltInGlyph(p, *MenuItem, pos.x(), pos.y(), c);
}

void TskSkinMenuItem::DrawBuiltIn(QPainter& p, QPoint at) const
{
    const QRect r(at, ItemRect.size());
    const int c = 19;
    if (IsLine()) {
        p.fillRect(QRect(r.x(), r.y(), c, r.height()), ColorToQColor(clBtnFace));
        p.fillRect(Rc(r.x() + c, r.y(), Right(r), Bottom(r)), ColorToQColor(clWindow));
        p.setPen(ColorToQColor(clBtnShadow));
        Line(p, r.x() + c, r.y() + r.height() / 2, Right(r), r.y() + r.height() / 2);
        return;
    }
    QColor text = ColorToQColor(clWindowText);
    if (Active || Down) {
        p.fillRect(r, ColorToQColor(kBuiltInActiveFill));
        p.setPen(ColorToQColor(clNavy));
        Frame(p, r);
    } else {
        p.fillRect(QRect(r.x(), r.y(), c, r.height()), ColorToQColor(clBtnFace));
        p.fillRect(Rc(r.x() + c, r.y(), Right(r), Bottom(r)), ColorToQColor(clWindow));
        if (!MenuItem->Enabled)
            text = ColorToQColor(clBtnShadow);
    }
    const QRect inner = r.adjusted(2, 2, -2, -2);
    p.setFont(Popup->ItemFont());
    p.setPen(text);
    const int capHeight = QFontMetrics(p.font()).height();
    const int top = inner.y() + inner.height() / 2 - capHeight / 2;
    Caption(p, MenuItem->Caption, inner.x() + c, top, Right(inner) - 19);
    ShortCutText(p, MenuItem->ShortCutText(), Right(inner) - 19, top);
    const int middle = r.y() + r.height() / 2;
    if (HasChildren())
        SubMenuArrow(p, Right(inner) - 7, middle - 4);
    const bool checkMark = MenuItem->Checked && MenuItem->Name.isEmpty();
    const int gx = r.x() + (checkMark ? 5 : 4);
    const int gy = checkMark && MenuItem->RadioItem ? middle - 3 : middle - 4;
    DrawGlyph(p, QPoint(gx, gy), QRect());
}

// ---- TskSkinPopupWindow ---------------------------------------------------------------

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu* menu, TskSkinData* skinData)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), menu_(menu), data_(skinData)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    mouseTimer_.setInterval(kMouseInterval);
    connect(&mouseTimer_, &QTimer::timeout, this, [this] { TrackMouse(QCursor::pos()); });
    scrollTimer_.setInterval(kScrollInterval);
    connect(&scrollTimer_, &QTimer::timeout, this, &TskSkinPopupWindow::ScrollStep);
    ResolveLook();
}

TskSkinPopupWindow::~TskSkinPopupWindow() = default;

void TskSkinPopupWindow::ResolveLook()
{
    // The built-in look unless the skin is loaded and has both the popup picture
    // and an item definition whose picture exists.
    font_ = MakeFont(menu_->DefMenuItemFont);
    if (!data_ || data_->IsEmpty())
        return;
    const TskDataSkinPopupWindow& w = data_->PopupWindow();
    if (w.windowpictureindex == -1)
        return;
    const QImage picture = data_->ActivePicture(w.windowpictureindex);
    int index = data_->IndexOfObject("MENUITEM");
    if (index < 0)
        index = data_->IndexOfObject("menuitem");
    auto* item = dynamic_cast<TskDataSkinMenuItem*>(data_->Object(index));
    if (picture.isNull() || !item)
        return;
    const QImage itemPicture = data_->ActivePicture(item->activepictureindex);
    if (itemPicture.isNull() || item->skinrect.IsEmpty())
        return;
    windowDef_ = &w;
    windowPicture_ = picture;
    itemDef_ = item;
    itemPicture_ = itemPicture;
    if (menu_->UseSkinFontInMenu)
        font_ = MakeFont(item->fontname, item->fontheight, item->fontstyle);
}

int TskSkinPopupWindow::NormalItemHeight() const
{
    return itemDef_ ? itemDef_->skinrect.Height() : std::max(1, menu_->DefMenuItemHeight);
}

int TskSkinPopupWindow::ItemHeight(const TMenuItem* item) const
{
    if (item->IsLine())
        return itemDef_ ? itemDef_->dividerrect.Height() : 4;
    return NormalItemHeight();
}

QSize TskSkinPopupWindow::PopupSize(int itemCount)
{
    const QFontMetrics fm(font_);
    int widest = 0, height = 0;
    for (const auto& item : items_) {
        widest = std::max(widest, fm.size(Qt::TextShowMnemonic | Qt::TextSingleLine, ItemText(*item->MenuItem)).width());
        height += ItemHeight(item->MenuItem);
    }
    int frameW = 10, frameH = 6;
    if (itemDef_) {
        const TskRect& ir = windowDef_->itemsrect;
        frameW = windowPicture_.width() - ir.Width() + itemDef_->textrect.Left
                 + (itemDef_->skinrect.Width() - itemDef_->textrect.Right);
        frameH = windowPicture_.height() - ir.Height();
    }
    const int width = widest + 2 + GlyphWidth() + 16 + frameW;
    height += frameH;
    scrolling_ = maxItemsScroll_ = false;
    const int maxItems = std::max(0, menu_->MaxMenuItemsInWindow);
    if (maxItems > 0 && maxItems < itemCount) {
        height = maxItems * NormalItemHeight() + frameH + 2 * kScrollBand;
        scrolling_ = maxItemsScroll_ = true;
    }
    if (height > menu_->WorkArea().height()) {
        height = menu_->WorkArea().height();
        scrolling_ = true;
    }
    return {width, height};
}

void TskSkinPopupWindow::SetGeometryFor(QSize size)
{
    const int w = size.width(), h = size.height();
    resize(size);
    if (!windowDef_) {
        itemsRect_ = Rc(3, 3, w - 3, h - 3);
        return;
    }
    const int pw = windowPicture_.width(), ph = windowPicture_.height();
    const TskDataSkinPopupWindow& d = *windowDef_;
    lt_ = QPoint(d.lefttoppoint.X, d.lefttoppoint.Y);
    rt_ = QPoint(d.righttoppoint.X + w - pw, d.righttoppoint.Y);
    lb_ = QPoint(d.leftbottompoint.X, d.leftbottompoint.Y + h - ph);
    rb_ = QPoint(d.rightbottompoint.X + w - pw, d.rightbottompoint.Y + h - ph);
    itemsRect_ = Rc(d.itemsrect.Left, d.itemsrect.Top, d.itemsrect.Right + w - pw, d.itemsrect.Bottom + h - ph);
}

void TskSkinPopupWindow::LayoutItems()
{
    const int band = scrolling_ ? kScrollBand : 0;
    int y = itemsRect_.y() + band;
    const int limit = Bottom(itemsRect_) - band;
    bool fits = true;
    for (int i = 0; i < ItemCount(); ++i) {
        TskSkinMenuItem& item = *Item(i);
        const int h = ItemHeight(item.MenuItem);
        if (i < firstVisible_) {
            item.Visible = false;
            continue;
        }
        fits = fits && y + h <= limit;
        item.Visible = fits;
        item.ItemRect = QRect(itemsRect_.x(), y, itemsRect_.width(), h);
        if (fits)
            y += h;
    }
}

void TskSkinPopupWindow::Open(TMenuItem* root, int first, const QRect& anchor, bool subMenu, bool upward)
{
    for (int i = first; i < root->Count(); ++i) {
        if (root->Items(i)->Visible)
            items_.push_back(std::make_unique<TskSkinMenuItem>(this, root->Items(i)));
    }
    SetGeometryFor(PopupSize(ItemCount()));
    LayoutItems();

    TskPopupPlacementInput in;
    in.Anchor = anchor;
    in.Size = size();
    in.WorkArea = menu_->WorkArea();
    in.ItemsTop = itemsRect_.y() + (scrolling_ ? kScrollBand : 0);
    in.SubMenu = subMenu;
    in.Upward = upward;
    in.ScreenScroll = scrolling_ && !maxItemsScroll_;
    move(PlacePopup(in).Pos);

    if (menu_->MenusAlphaBlend)
        FadeIn(menu_->MenusAlphaBlendAnimation && menu_->LevelCount() == 1);
    show();
    SkinAccessibility::MenuOpened(this);
    lastMouse_ = QCursor::pos();  // only a move after opening counts as hover
    mouseTimer_.start();
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i)->Selectable()) {
            Item(i)->AutoSelected = true;
            ItemEnter(i, false);
            break;
        }
    }
}

void TskSkinPopupWindow::FadeIn(bool animate)
{
    const int target = std::clamp(menu_->MenusAlphaBlendValue, 0, 255);
    alpha_ = animate ? 0 : target;
    setWindowOpacity(alpha_ / 255.0);
    if (!animate)
        return;
    connect(&fadeTimer_, &QTimer::timeout, this, [this, target] {
        alpha_ = std::min(target, alpha_ + kFadeStep);
        setWindowOpacity(alpha_ / 255.0);
        if (alpha_ >= target)
            fadeTimer_.stop();
    });
    fadeTimer_.start(kFadeInterval);
}

int TskSkinPopupWindow::ItemAt(QPoint pos) const
{
    for (int i = firstVisible_; i < ItemCount(); ++i) {
        if (Item(i)->Visible && Item(i)->ItemRect.contains(pos))
            return i;
    }
    return -1;
}

void TskSkinPopupWindow::RepaintItem(int index)
{
    if (index >= 0 && index < ItemCount())
        update(Item(index)->ItemRect);
}

void TskSkinPopupWindow::ItemEnter(int index, bool byMouse)
{
    TskSkinMenuItem& item = *Item(index);
    active_ = index;
    item.Active = true;
    SkinAccessibility::MenuItemHighlighted(this, index);
    const int level = menu_->LevelOf(this);
    for (int i = 0; i < ItemCount(); ++i) {
        if (i != index && Item(i)->Down) {
            Item(i)->Down = false;
            Item(i)->Active = false;
            RepaintItem(i);
        }
    }
    if (item.Down) {
        menu_->CloseLevels(level + 2);
        return;
    }
    RepaintItem(index);
    menu_->CloseLevels(level + 1);
    if (item.HasChildren() && byMouse)
        menu_->WaitForSubMenu(this, &item);
}

void TskSkinPopupWindow::ItemLeave(int index)
{
    TskSkinMenuItem& item = *Item(index);
    item.Active = false;
    menu_->CancelSubMenuWait();
    if (!item.Down)
        RepaintItem(index);
}

void TskSkinPopupWindow::SetActive(int index, bool byMouse)
{
    if (index < 0 || index == active_) {
        if (index >= 0 && Item(index)->AutoSelected && byMouse) {
            // The opening's highlight is taken over by the mouse.
            Item(index)->AutoSelected = false;
            if (Item(index)->HasChildren())
                ItemEnter(index, true);
        }
        return;
    }
    const int previous = active_;
    if (previous >= 0) {
        Item(previous)->AutoSelected = false;
        if (Item(previous)->Selectable())
            ItemLeave(previous);
        else
            Item(previous)->Active = false;
    }
    active_ = index;
    if (Item(index)->Selectable())
        ItemEnter(index, byMouse);
    else
        menu_->CloseLevels(menu_->LevelOf(this) + 1);
}

void TskSkinPopupWindow::TrackMouse(QPoint global)
{
    if (!isVisible() || global == lastMouse_)
        return;
    lastMouse_ = global;
    if (QApplication::topLevelAt(global) != this) {
        scrollTimer_.stop();
        scrollDir_ = 0;
        return;
    }
    const QPoint pos = mapFromGlobal(global);
    if (scrolling_) {
        const bool inTop = pos.y() < itemsRect_.y() + kScrollBand;
        const bool inBottom = pos.y() >= Bottom(itemsRect_) - kScrollBand;
        const bool moreBelow = ItemCount() > 0 && !Item(ItemCount() - 1)->Visible;
        const int dir = inTop && firstVisible_ > 0 ? 1 : inBottom && moreBelow ? 2 : 0;
        if (dir != scrollDir_) {
            scrollDir_ = dir;
            if (dir) {
                menu_->CloseLevels(menu_->LevelOf(this) + 1);
                scrollTimer_.start();
            } else {
                scrollTimer_.stop();
            }
            update();
        }
    }
    const int index = ItemAt(pos);
    if (index >= 0)
        SetActive(index, true);
}

void TskSkinPopupWindow::ScrollStep()
{
    if (!isVisible())
        return;
    const bool moreBelow = ItemCount() > 0 && !Item(ItemCount() - 1)->Visible;
    if (scrollDir_ == 1 && firstVisible_ > 0)
        --firstVisible_;
    else if (scrollDir_ == 2 && moreBelow)
        ++firstVisible_;
    else {
        scrollTimer_.stop();
        scrollDir_ = 0;
    }
    LayoutItems();
    update();
}

void TskSkinPopupWindow::ScrollTo(int index)
{
    if (!scrolling_ || index < 0)
        return;
    if (index < firstVisible_) {
        firstVisible_ = index;
    } else {
        while (!Item(index)->Visible && firstVisible_ < index) {
            ++firstVisible_;
            LayoutItems();
        }
    }
    LayoutItems();
    update();
}

void TskSkinPopupWindow::mouseMoveEvent(QMouseEvent* e)
{
    TrackMouse(e->globalPosition().toPoint());
}

void TskSkinPopupWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int index = ItemAt(e->position().toPoint());
    if (index >= 0 && !Item(index)->IsLine())
        ItemClick(index);
}

void TskSkinPopupWindow::ItemClick(int index)
{
    TskSkinMenuItem& item = *Item(index);
    if (!item.Selectable() || item.Down)
        return;
    TMenuItem* menuItem = item.MenuItem;
    if (!item.HasChildren()) {
        TskSkinMenu* menu = menu_;
        menu->CloseMenu();  // deletes this popup later; nothing of it is used below
        menuItem->Click();
        if (QWidget* opener = menu->LastOpener()) {
            QEvent command(SKIN_MENU_COMMAND);
            QCoreApplication::sendEvent(opener, &command);
        }
        return;
    }
    menuItem->Click();
    menu_->CancelSubMenuWait();
    menu_->OpenSubMenu(this, &item);
}

void TskSkinPopupWindow::RaiseDownItem()
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (Item(i)->Down) {
            Item(i)->Down = false;
            RepaintItem(i);
        }
    }
}

void TskSkinPopupWindow::MoveActiveTo(int from, int step)
{
    for (int i = from; i >= 0 && i < ItemCount(); i += step) {
        if (Item(i)->Selectable()) {
            SetActive(i, false);
            ScrollTo(i);
            return;
        }
    }
}

void TskSkinPopupWindow::MoveActive(int step)
{
    const int last = ItemCount() - 1;
    if (step > 0)
        MoveActiveTo(active_ < 0 || active_ == last ? 0 : active_ + 1, 1);
    else
        MoveActiveTo(active_ <= 0 ? last : active_ - 1, -1);
}

void TskSkinPopupWindow::KeyDown(int key, const QString& text)
{
    if (!text.isEmpty() && text[0].isPrint()) {
        const QChar typed = text[0].toUpper();
        for (int i = 0; i < ItemCount(); ++i) {
            if (MenuAccelerator(Item(i)->MenuItem->Caption).toUpper() == typed) {
                SetActive(i, false);
                ScrollTo(i);
                ItemClick(i);
                return;
            }
        }
    }
    const int level = menu_->LevelOf(this);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (active_ >= 0)
            ItemClick(active_);
        break;
    case Qt::Key_Escape:
        if (level == 0)
            menu_->CloseMenu();
        else
            menu_->CloseLevels(level);
        break;
    case Qt::Key_Left:
        if (level > 0)
            menu_->CloseLevels(level);
        break;
    case Qt::Key_Right:
        if (active_ >= 0 && Item(active_)->HasChildren())
            ItemClick(active_);
        break;
    case Qt::Key_Down:
        MoveActive(1);
        break;
    case Qt::Key_Up:
        MoveActive(-1);
        break;
    case Qt::Key_Home:
        MoveActiveTo(0, 1);
        break;
    case Qt::Key_End:
        MoveActiveTo(ItemCount() - 1, -1);
        break;
    default:
        break;
    }
}

void TskSkinPopupWindow::DrawBackground(QPainter& p) const
{
    const int w = width(), h = height();
    if (!windowDef_) {
        p.fillRect(rect(), ColorToQColor(clWindow));
        p.fillRect(QRect(0, 0, 22, h), ColorToQColor(clBtnFace));
        p.setPen(ColorToQColor(clBtnShadow));
        Frame(p, rect());
        p.setPen(ColorToQColor(clWindow));
        Frame(p, rect().adjusted(1, 1, -1, -1));
        return;
    }
    const TskDataSkinPopupWindow& d = *windowDef_;
    const QImage& pic = windowPicture_;
    const int pw = pic.width(), ph = pic.height();
    const QPoint LT(d.lefttoppoint.X, d.lefttoppoint.Y), RT(d.righttoppoint.X, d.righttoppoint.Y);
    const QPoint LB(d.leftbottompoint.X, d.leftbottompoint.Y), RB(d.rightbottompoint.X, d.rightbottompoint.Y);
    const TskRect& I = d.itemsrect;
    if (RB.x() == LT.x() || RB.y() == LT.y() || pic.isNull())
        return;
    const QRect& nI = itemsRect_;
    const int nIr = Right(nI), nIb = Bottom(nI);
    FillSkinPiece(p, pic, Rc(LT.x(), 0, RT.x(), I.Top), Rc(lt_.x(), 0, rt_.x(), nI.y()), d.topstretch);
    FillSkinPiece(p, pic, Rc(LB.x(), I.Bottom, RB.x(), ph), Rc(lb_.x(), nIb, rb_.x(), h), d.bottomstretch);
    FillSkinPiece(p, pic, Rc(0, LT.y(), I.Left, LB.y()), Rc(0, lt_.y(), nI.x(), lb_.y()), d.leftstretch);
    FillSkinPiece(p, pic, Rc(I.Right, RT.y(), pw, RB.y()), Rc(nIr, rt_.y(), w, rb_.y()), d.rightstretch);
    // Corners, unscaled, at the moved points.
    Piece(p, pic, Rc(0, 0, LT.x(), I.Top), QPoint(0, 0));
    Piece(p, pic, Rc(0, I.Top, I.Left, LT.y()), QPoint(0, I.Top));
    Piece(p, pic, Rc(RT.x(), 0, pw, I.Top), QPoint(rt_.x(), 0));
    Piece(p, pic, Rc(I.Right, I.Top, pw, RT.y()), QPoint(nIr, I.Top));
    Piece(p, pic, Rc(0, LB.y(), I.Left, ph), QPoint(0, lb_.y()));
    Piece(p, pic, Rc(I.Left, I.Bottom, LB.x(), ph), QPoint(I.Left, nIb));
    Piece(p, pic, Rc(RB.x(), I.Bottom, pw, ph), QPoint(rb_.x(), nIb));
    Piece(p, pic, Rc(I.Right, RB.y(), pw, I.Bottom), QPoint(nIr, rb_.y()));
    if (scrolling_)
        FillSkinPiece(p, pic, Rc(I), nI, false);
}

void TskSkinPopupWindow::DrawScrollMarkers(QPainter& p) const
{
    if (!scrolling_)
        return;
    QRect top, bottom;
    QColor normal, lit;
    if (windowDef_) {
        top = QRect(itemsRect_.x(), itemsRect_.y(), itemsRect_.width(), kScrollBand);
        bottom = QRect(itemsRect_.x(), Bottom(itemsRect_) - kScrollBand, itemsRect_.width(), kScrollBand);
        normal = ColorToQColor(windowDef_->scrollmarkercolor);
        lit = ColorToQColor(windowDef_->scrollmarkeractivecolor);
    } else {
        top = Rc(3, 3, width() - 3, 13);
        bottom = Rc(3, height() - 10, width() - 3, height() - 3);
        normal = ColorToQColor(clBtnShadow);
        lit = ColorToQColor(clBtnText);
    }
    ScrollArrow(p, top, true, scrollDir_ == 1 ? lit : normal);
    ScrollArrow(p, bottom, false, scrollDir_ == 2 ? lit : normal);
}

QImage TskSkinPopupWindow::Compose(qreal dpr) const
{
    QImage img(size() * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::white);
    QPainter p(&img);
    DrawBackground(p);
    for (const auto& item : items_) {
        if (item->Visible)
            item->Draw(p, item->ItemRect.topLeft());
    }
    DrawScrollMarkers(p);
    return img;
}

void TskSkinPopupWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0), Compose(devicePixelRatio()));
}

// ---- TskSkinMenu ----------------------------------------------------------------------

TskSkinMenu::TskSkinMenu(TskSkinForm* form) : QObject(form), form_(form)
{
    subMenuTimer_.setSingleShot(true);
    subMenuTimer_.setInterval(kSubMenuWait);
    connect(&subMenuTimer_, &QTimer::timeout, this, [this] {
        if (waitingPopup_ && waitingItem_)
            OpenSubMenu(waitingPopup_, waitingItem_);
        waitingItem_ = nullptr;
    });
}

TskSkinMenu::~TskSkinMenu()
{
    if (filterInstalled_)
        qApp->removeEventFilter(this);
    for (TskSkinPopupWindow* level : levels_)
        delete level;
}

int TskSkinMenu::LevelOf(const TskSkinPopupWindow* popup) const
{
    const auto it = std::find(levels_.begin(), levels_.end(), popup);
    return it == levels_.end() ? -1 : int(it - levels_.begin());
}

void TskSkinMenu::SyncSettings()
{
    if (!form_)
        return;
    MaxMenuItemsInWindow = form_->MaxMenuItemsInWindow;
    UseSkinFontInMenu = form_->UseSkinFontInMenu;
    DefMenuItemHeight = form_->DefMenuItemHeight;
    DefMenuItemFont = form_->DefMenuItemFont;
    MenusAlphaBlend = form_->MenusAlphaBlend;
    MenusAlphaBlendAnimation = form_->MenusAlphaBlendAnimation;
    MenusAlphaBlendValue = form_->MenusAlphaBlendValue;
}

void TskSkinMenu::ShowMenu(QWidget* opener, TskSkinData* data, bool upward, TMenuItem* root, const QRect& anchor,
                           int first)
{
    CloseLevels(0);
    SyncSettings();
    opener_ = opener;
    QScreen* screen = form_ ? form_->Form()->screen() : QGuiApplication::screenAt(anchor.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    workArea_ = screen->availableGeometry();
    data_ = data;
    if (!root || first < 0 || first >= root->Count()) {
        MenuClosedStep();
        return;
    }
    MenuOpenStep();
    root_ = root;
    visible_ = true;
    auto* popup = new TskSkinPopupWindow(this, data_);
    levels_.push_back(popup);
    popup->Open(root, first, anchor, false, upward);
}

void TskSkinMenu::OpenSubMenu(TskSkinPopupWindow* popup, TskSkinMenuItem* item)
{
    const int level = LevelOf(popup);
    if (level < 0 || !item->HasChildren())
        return;
    CloseLevels(level + 1);
    item->Down = true;
    popup->update(item->ItemRect);
    auto* sub = new TskSkinPopupWindow(this, data_);
    levels_.push_back(sub);
    sub->Open(item->MenuItem, 0, item->ItemRect.translated(popup->pos()), true, false);
}

void TskSkinMenu::WaitForSubMenu(TskSkinPopupWindow* popup, TskSkinMenuItem* item)
{
    waitingPopup_ = popup;
    waitingItem_ = item;
    subMenuTimer_.start();
}

void TskSkinMenu::CancelSubMenuWait()
{
    subMenuTimer_.stop();
    waitingItem_ = nullptr;
}

void TskSkinMenu::CloseLevels(int level)
{
    level = std::max(0, level);
    if (level >= LevelCount())
        return;
    CancelSubMenuWait();
    while (LevelCount() > level) {
        TskSkinPopupWindow* popup = levels_.back();
        levels_.pop_back();
        popup->hide();
        popup->deleteLater();  // may be running one of its own handlers
    }
    if (level > 0) {
        Level(level - 1)->RaiseDownItem();
        return;
    }
    const bool wasVisible = visible_;
    visible_ = false;
    root_ = nullptr;
    lastOpener_ = opener_;
    QPointer<QWidget> opener = opener_;
    opener_ = nullptr;
    if (wasVisible && opener) {
        QEvent closed(SKIN_MENU_CLOSED);
        QCoreApplication::sendEvent(opener, &closed);
    }
    if (auto once = std::exchange(OnMenuClose, nullptr))
        once();
}

void TskSkinMenu::CloseMenu()
{
    const bool wasOpen = visible_ || LevelCount() > 0;
    CloseLevels(0);
    if (!wasOpen)
        return;
    if (form_) {
        QEvent closed(SKIN_MENU_CLOSED);
        QCoreApplication::sendEvent(form_->Form(), &closed);
    }
    MenuClosedStep();
}

void TskSkinMenu::MenuOpenStep()
{
    if (!filterInstalled_) {
        qApp->installEventFilter(this);
        filterInstalled_ = true;
    }
    if (!formMenuOpen_) {
        formMenuOpen_ = true;
        if (form_ && form_->OnSkinMenuOpen)
            form_->OnSkinMenuOpen(form_);
    }
}

void TskSkinMenu::MenuClosedStep()
{
    if (filterInstalled_) {
        qApp->removeEventFilter(this);
        filterInstalled_ = false;
    }
    if (!formMenuOpen_)
        return;
    formMenuOpen_ = false;
    emit Closed();
    if (form_ && form_->OnSkinMenuClose)
        form_->OnSkinMenuClose(form_);
}

bool TskSkinMenu::ClosesMenu(QObject* watched, const QEvent* e) const
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::TouchBegin: {
        // A press anywhere but on the menu's own popups.
        auto* w = qobject_cast<QWidget*>(watched);
        return w && !qobject_cast<TskSkinPopupWindow*>(w->window());
    }
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange:
        return form_ && watched == form_->Form();
    default:
        return false;
    }
}

bool TskSkinMenu::eventFilter(QObject* watched, QEvent* e)
{
    if (!visible_ || levels_.empty())
        return false;
    switch (e->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(e);
        // System keys (with Alt) go on to the window: Alt+Space opens its menu anew.
        if (key->modifiers() & Qt::AltModifier || key->key() == Qt::Key_Alt)
            return false;
        e->accept();  // an accepted override keeps shortcuts from taking the key
        if (e->type() == QEvent::KeyPress)
            levels_.back()->KeyDown(key->key(), key->text());
        return true;
    }
    case QEvent::Wheel:
        return true;
    default:
        break;
    }
    if (ClosesMenu(watched, e))
        CloseMenu();
    return false;
}

// ---- TskSkinPopupMenu ---------------------------------------------------------------

TskSkinForm* SkinFormOf(QWidget* window)
{
    return window ? window->findChild<TskSkinForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TskSkinPopupMenu::TskSkinPopupMenu(QObject* owner) : QObject(owner) {}

TskSkinPopupMenu::~TskSkinPopupMenu()
{
    // Never leave the engine pointing into items that are gone.
    if (shownBy_ && shownBy_->Root() == &items_)
        shownBy_->CloseMenu();
}

TskSkinForm* TskSkinPopupMenu::FindForm() const
{
    if (form_)
        return SkinFormOf(form_);
    if (auto* w = qobject_cast<QWidget*>(parent()))
        return SkinFormOf(w->window());
    return nullptr;
}

bool TskSkinPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    TskSkinForm* form = FindForm();
    if (!form)
        return false;
    TskSkinData* data = skinData_ ? skinData_.data() : form->MenusSkinData ? form->MenusSkinData : form->SkinData();
    if (RequireSkinData && !data)
        return false;
    TskSkinMenu* menu = form->SkinMenu();
    if (menu->Visible())
        menu->CloseMenu();
    shownBy_ = menu;
    menu->ShowMenu(opener_, data, false, &items_, QRect(x, y, 0, 0), 0);
    if (menu->Visible())
        menu->OnMenuClose = OnMenuClose;
    return menu->Visible();
}

// ---- system menu ------------------------------------------------------------------------

void BuildSystemMenu(TMenuItem& root, const TskSystemMenuState& s, const TskSystemMenuCommands& commands)
{
    root.Clear();
    const auto add = [&root](const char* caption, const char* name, const std::function<void()>& command) {
        TMenuItem* item = root.Add(QString::fromLatin1(caption), QString::fromLatin1(name));
        item->OnClick = [command](TMenuItem*) {
            if (command)
                command();
        };
        return item;
    };
    const bool normal = !s.Minimized && !s.Maximized;
    if (s.BorderIcons & biMinimize && !s.Minimized)
        add("Mi&nimize", "DSF_MINITEM", commands.Minimize);
    if (s.BorderIcons & biMaximize && !s.Maximized)
        add("Ma&ximize", "DSF_MAXITEM", commands.Maximize);
    if (!normal || s.RolledUp)
        add("&Restore", "DSF_RESTORE", s.RolledUp ? commands.RollUp : commands.Restore);
    if (s.BorderIcons & biRollUp && !s.RolledUp && !s.Minimized)
        add("Ro&llUp", "DSF_ROLLUP", commands.RollUp);
    if (s.BorderIcons & biMinimizeToTray)
        add("Minimize to &Tray", "DSF_MINTOTRAY", commands.MinimizeToTray);
    if (root.Count() > 0)
        root.AddLine();
    add("&Close", "DSF_CLOSE", commands.Close)->ShortCut = QKeySequence(Qt::ALT | Qt::Key_F4);
}

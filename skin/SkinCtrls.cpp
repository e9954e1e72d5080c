#include "skin/SkinCtrls.h"

#include "skin/SkinAccessible.h"

#include "toolkit/Align.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ImageList.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

// ---- TskSkinProperties ----

// Every skinned control can be found by screen readers.
TskSkinProperties::TskSkinProperties()
{
    InstallSkinAccessibility();
}

void TskSkinProperties::SetSkinData(TskSkinData* data)
{
    skinData_ = data;
    SkinChanged();
}

void TskSkinProperties::SetSkinDataName(const QString& name)
{
    skinDataName_ = name;
    SkinChanged();
}

void TskSkinProperties::SetDrawDefault(bool v)
{
    drawDefault_ = v;
    Repaint();
}

void TskSkinProperties::SetAlphaBlend(bool v)
{
    alphaBlend_ = v;
    Repaint();
}

void TskSkinProperties::SetAlphaBlendValue(int v)
{
    alphaBlendValue_ = std::clamp(v, 0, 255);
    Repaint();
}

void TskSkinProperties::SkinChanging()
{
    skinIndex_ = -1;
    resolved_ = false;
}

void TskSkinProperties::SkinChanged()
{
    skinIndex_ = FindDefinition();
    resolved_ = skinData_ && !skinData_->IsEmpty();
    Repaint();
}

void TskSkinProperties::EnsureResolved()
{
    if (!resolved_ && skinData_ && !skinData_->IsEmpty() && !skinData_->IsChanging())
        SkinChanged();
}

int TskSkinProperties::FindDefinition() const
{
    if (!skinData_ || skinData_->IsEmpty())
        return -1;
    const int index = skinData_->IndexOfControl(skinDataName_);
    const TskDataSkinControl* d = skinData_->Control(index);
    return d && Accepts(*d) ? index : -1;
}

bool TskSkinProperties::Accepts(const TskDataSkinControl&) const
{
    return true;
}

const TskDataSkinControl* TskSkinProperties::Definition() const
{
    // Looked up by index: a skin replaced without the relay yields null, never a stale pointer.
    if (skinIndex_ < 0 || !skinData_ || skinData_->IsEmpty())
        return nullptr;
    return skinData_->Control(skinIndex_);
}

// ---- TskSkinControl ----

TskSkinControl::TskSkinControl(QWidget* parent) : QWidget(parent) {}

void TskSkinControl::paintEvent(QPaintEvent*)
{
    EnsureResolved();
    if (width() < 1 || height() < 1)
        return;
    const qreal dpr = devicePixelRatioF();
    QImage buffer(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(dpr);
    buffer.fill(Qt::transparent);
    {
        QPainter bp(&buffer);
        if (Definition())
            DrawSkinImage(bp);
        else if (DrawDefault())
            DrawDefaultImage(bp);
    }
    QPainter p(this);
    if (AlphaBlend())
        p.setOpacity(AlphaBlendValue() / 255.0);
    p.drawImage(0, 0, buffer);
}

void TskSkinControl::enterEvent(QEnterEvent*)
{
    MouseEnter();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TskSkinControl::leaveEvent(QEvent*)
{
    MouseLeave();
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TskSkinControl::DrawDefaultImage(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(clBtnFace));
}

TskGraphicSkinControl::TskGraphicSkinControl(QWidget* parent) : TskSkinControl(parent) {}

// ---- resize modes ----

namespace {
QPoint Q(const TskPoint& pt) { return {pt.X, pt.Y}; }
bool NonZero(const TskPoint& pt) { return pt.X != 0 || pt.Y != 0; }
}  // namespace

TskResizeMode SkinResizeMode(const TskDataSkinCustomControl& d)
{
    if (d.skinrect.IsEmpty())
        return rmNone;
    if (d.rightbottompoint.X != 0 && d.rightbottompoint.Y != 0)
        return rmNinePiece;
    if (NonZero(d.righttoppoint))
        return rmHorizontal;
    if (NonZero(d.leftbottompoint))
        return rmVertical;
    return rmFixed;
}

TskNinePiece SkinNinePiece(const TskCornerKeys& corners, const TskStretchKeys& stretch,
                           const TskRect& rect, const TskRect& client)
{
    TskNinePiece cut;
    cut.rect = rect.ToQRect();
    cut.leftTop = Q(corners.lefttoppoint);
    cut.rightTop = Q(corners.righttoppoint);
    cut.leftBottom = Q(corners.leftbottompoint);
    cut.rightBottom = Q(corners.rightbottompoint);
    cut.client = client.ToQRect();
    cut.leftStretch = stretch.leftstretch;
    cut.topStretch = stretch.topstretch;
    cut.rightStretch = stretch.rightstretch;
    cut.bottomStretch = stretch.bottomstretch;
    return cut;
}

void DrawSkinRect(QPainter& p, const QImage& picture, const TskDataSkinCustomControl& d,
                  const TskRect& rect, const QRect& dest)
{
    const QRect piece = rect.ToQRect();
    switch (SkinResizeMode(d)) {
    case rmNone:
        return;
    case rmFixed:
        DrawSkinPiece(p, picture, piece, QRect(dest.topLeft(), piece.size()));
        return;
    case rmHorizontal:
        DrawSkinStrip(p, picture,
                      {piece, d.lefttoppoint.X, rect.Width() - d.righttoppoint.X, d.stretcheffect},
                      dest, Qt::Horizontal);
        return;
    case rmVertical:
        DrawSkinStrip(p, picture,
                      {piece, d.lefttoppoint.Y, rect.Height() - d.leftbottompoint.Y, d.stretcheffect},
                      dest, Qt::Vertical);
        return;
    case rmNinePiece:
        if (d.rightbottompoint.X == d.lefttoppoint.X || d.rightbottompoint.Y == d.lefttoppoint.Y)
            return;
        TskNinePiece cut = SkinNinePiece(d, d, rect, d.clientrect);
        cut.clientStretch = d.stretcheffect;
        DrawSkinNinePiece(p, picture, cut, dest);
        return;
    }
}

// ---- TskSkinCustomControl ----

TskSkinCustomControl::TskSkinCustomControl(QWidget* parent) : TskSkinControl(parent) {}

void TskSkinCustomControl::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    setFont(MakeFont(f));
    DefaultFontChanged();
    update();
}

void TskSkinCustomControl::SetUseSkinFont(bool v)
{
    useSkinFont_ = v;
    update();
}

bool TskSkinCustomControl::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinCustomControl*>(&d) != nullptr;
}

TskResizeMode TskSkinCustomControl::ResizeMode() const
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    return d ? SkinResizeMode(*d) : rmNone;
}

Qt::Orientations TskSkinCustomControl::SkinFixedSides() const
{
    switch (ResizeMode()) {
    case rmHorizontal: return Qt::Vertical;
    case rmVertical: return Qt::Horizontal;
    case rmFixed: return Qt::Horizontal | Qt::Vertical;
    default: return {};
    }
}

QSize TskSkinCustomControl::CalcSkinSize(QSize proposed) const
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    if (!d)
        return proposed;
    const Qt::Orientations fixed = SkinFixedSides();
    return {fixed & Qt::Horizontal ? d->skinrect.Width() : proposed.width(),
            fixed & Qt::Vertical ? d->skinrect.Height() : proposed.height()};
}

QRect TskSkinCustomControl::SkinClientRect() const
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    if (!d)
        return {};
    const TskRect& c = d->clientrect;
    const int dx = width() - d->skinrect.Width();
    const int dy = height() - d->skinrect.Height();
    return QRect(QPoint(c.Left, c.Top), QPoint(c.Right + dx - 1, c.Bottom + dy - 1));
}

QImage TskSkinCustomControl::SkinPicture() const
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    return d ? SkinData()->ActivePicture(d->pictureindex) : QImage();
}

void TskSkinCustomControl::DrawSkinImage(QPainter& p)
{
    if (const TskDataSkinCustomControl* d = CustomDefinition())
        DrawSkinRect(p, SkinPicture(), *d, d->skinrect, rect());
}

void TskSkinCustomControl::SkinChanged()
{
    TskSkinProperties::SkinChanged();
    ApplySkinSize();
    UpdateRegion();
}

void TskSkinCustomControl::ApplySkinSize()
{
    // The size rule holds for every later move too: Qt bounds each geometry
    // change by these limits.
    const Qt::Orientations fixed = CustomDefinition() ? SkinFixedSides() : Qt::Orientations();
    const QSize skin = CalcSkinSize(size());
    for (const Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        const bool horizontal = o == Qt::Horizontal;
        if (fixed & o) {
            horizontal ? setFixedWidth(skin.width()) : setFixedHeight(skin.height());
        } else if (constrained_ & o) {
            horizontal ? setMinimumWidth(0) : setMinimumHeight(0);
            horizontal ? setMaximumWidth(QWIDGETSIZE_MAX) : setMaximumHeight(QWIDGETSIZE_MAX);
        }
    }
    constrained_ = fixed;
    if (!CustomDefinition() && (defaultWidth_ > 0 || defaultHeight_ > 0))
        resize(defaultWidth_ > 0 ? defaultWidth_ : width(),
               defaultHeight_ > 0 ? defaultHeight_ : height());
}

void TskSkinCustomControl::resizeEvent(QResizeEvent* e)
{
    TskSkinControl::resizeEvent(e);
    UpdateRegion();
}

void TskSkinCustomControl::UpdateRegion()
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    const QImage mask = d ? SkinData()->ActivePicture(d->maskpictureindex) : QImage();
    if (mask.isNull() || width() < 1 || height() < 1) {
        if (masked_)
            clearMask();
        masked_ = false;
        return;
    }
    // The mask is cut like the picture; its white pixels fall outside the region.
    QImage shape(size(), QImage::Format_RGB32);
    shape.fill(Qt::white);
    {
        QPainter p(&shape);
        DrawSkinRect(p, mask, *d, d->skinrect, shape.rect());
    }
    setMask(QBitmap::fromImage(shape.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskOutColor)));
    masked_ = true;
}

QColor TskSkinCustomControl::TextColor() const
{
    return isEnabled() ? ColorToQColor(defaultFont_.Color) : ColorToQColor(clGrayText);
}

void DrawBevelFrame(QPainter& p, const QRect& r, TskSkinBorderStyle style)
{
    if (style == bvNone || r.width() < 1 || r.height() < 1)
        return;
    const QColor shadow = ColorToQColor(clBtnShadow);
    const QColor light = ColorToQColor(clBtnHighlight);
    const QColor topLeft = style == bvLowered ? shadow : style == bvRaised ? light : shadow;
    const QColor bottomRight = style == bvLowered ? light : shadow;
    const int x2 = r.left() + r.width() - 1;
    const int y2 = r.top() + r.height() - 1;
    p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    p.fillRect(r.left(), y2, r.width(), 1, bottomRight);
    p.fillRect(x2, r.top(), 1, r.height(), bottomRight);
}

namespace {
int HAlign(TAlignment a)
{
    switch (a) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
}  // namespace

// ---- TskSkinPanel ----

TskSkinPanel::TskSkinPanel(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("panel"));
    TskSkinCustomControl::SetDefaultFont({QStringLiteral("Arial"), 14, 0, clWindowText});
    resize(150, 150);
    UpdateChildArea();
}

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle v)
{
    borderStyle_ = v;
    UpdateChildArea();
    update();
}

void TskSkinPanel::SetCaptionMode(bool v)
{
    captionMode_ = v;
    UpdateChildArea();
    update();
}

void TskSkinPanel::SetDefaultCaptionHeight(int v)
{
    defaultCaptionHeight_ = v;
    UpdateChildArea();
    update();
}

void TskSkinPanel::SetDefaultAlignment(TAlignment v)
{
    defaultAlignment_ = v;
    update();
}

void TskSkinPanel::SetCheckedMode(bool v)
{
    checkedMode_ = v;
    update();
}

void TskSkinPanel::SetChecked(bool v)
{
    checked_ = v;
    if (checkedMode_ && autoEnabledControls_)
        for (QObject* o : children())
            if (auto* w = qobject_cast<QWidget*>(o))
                w->setEnabled(v);
    if (OnChecked)
        OnChecked(this);
    update();
}

void TskSkinPanel::SetGlyph(const QImage& g)
{
    glyph_ = g;
    update();
}

void TskSkinPanel::SetCaption(const QString& c)
{
    caption_ = c;
    update();
}

bool TskSkinPanel::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinPanelControl*>(&d) != nullptr;
}

void TskSkinPanel::SkinChanged()
{
    TskSkinCustomControl::SkinChanged();
    UpdateChildArea();
}

void TskSkinPanel::UpdateChildArea()
{
    const TskDataSkinCustomControl* d = CustomDefinition();
    if (d && ResizeMode() != rmNone) {
        // Children lie in the client rect; a frameless nine-piece panel is all client.
        const bool whole = borderStyle_ == bvNone && !captionMode_ && ResizeMode() == rmNinePiece;
        const TskRect& c = d->clientrect;
        whole ? setContentsMargins(0, 0, 0, 0)
              : setContentsMargins(c.Left, c.Top, d->skinrect.Width() - c.Right,
                                   d->skinrect.Height() - c.Bottom);
    } else {
        // Docked inside the frame, and below the caption bar in caption mode.
        const int m = borderStyle_ == bvNone ? 0 : 1;
        setContentsMargins(m, m + (captionMode_ ? defaultCaptionHeight_ : 0), m, m);
    }
    AlignControls(this);
}

void TskSkinPanel::DrawDefaultImage(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(clBtnFace));
    DrawBevelFrame(p, rect(), borderStyle_);
    if (!captionMode_)
        return;
    const QRect bar(0, 0, width(), defaultCaptionHeight_);
    DrawBevelFrame(p, bar, bvFrame);
    p.setFont(TextFont());
    p.setPen(TextColor());
    p.drawText(bar.adjusted(4, 0, -4, 0), HAlign(defaultAlignment_) | Qt::AlignVCenter, caption_);
}

void TskSkinPanel::DrawSkinImage(QPainter& p)
{
    const auto* d = DefinitionAs<TskDataSkinPanelControl>();
    const QImage background = SkinData()->ActivePicture(d->bgpictureindex);
    const QImage picture = SkinPicture();
    if (!background.isNull()) {
        TileSkinPiece(p, background, background.rect(), rect(), {0, 0});
    } else if (ResizeMode() != rmNinePiece) {
        TskSkinCustomControl::DrawSkinImage(p);
    } else if (borderStyle_ == bvNone && !captionMode_) {
        const QRect client = d->clientrect.ToQRect().translated(d->skinrect.Left, d->skinrect.Top);
        TileSkinPiece(p, picture, client, rect(), {0, 0});
    } else {
        // Only the frame strips are composed; the client piece is tiled straight in.
        const TskNinePiece cut = SkinNinePiece(*d, *d, d->skinrect, d->clientrect);
        DrawSkinNinePiece(p, picture, cut, rect());
    }
    DrawSkinCaption(p, *d);
}

void TskSkinPanel::DrawSkinCaption(QPainter& p, const TskDataSkinPanelControl& d)
{
    if (d.captionrect.IsEmpty() || caption_.isEmpty())
        return;
    QRect r = d.captionrect.ToQRect();
    r.setRight(r.right() + width() - d.skinrect.Width());
    if (checkedMode_) {
        const TskRect& box = checked_ ? d.checkimagerect : d.uncheckimagerect;
        const QRect piece = box.ToQRect();
        DrawSkinPiece(p, SkinPicture(), piece,
                      QRect(QPoint(r.left(), r.top() + r.height() / 2 - piece.height() / 2),
                            piece.size()));
        r.setLeft(r.left() + piece.width() + spacing_);
    }
    TFontDesc font = UseSkinFont() ? d.FontDesc() : DefaultFont();
    font.Color = d.fontcolor;
    p.setFont(MakeFont(font));
    p.setPen(ColorToQColor(font.Color));
    p.drawText(r, HAlign(d.alignment) | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

// ---- TskSkinLabel ----

TskSkinLabel::TskSkinLabel(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("label"));
    resize(75, 21);
}

void TskSkinLabel::SetUseSkinSize(bool v)
{
    useSkinSize_ = v;
    SkinChanged();
}

void TskSkinLabel::SetUseSkinFontColor(bool v)
{
    useSkinFontColor_ = v;
    update();
}

void TskSkinLabel::SetBorderStyle(TskSkinBorderStyle v)
{
    borderStyle_ = v;
    update();
}

void TskSkinLabel::SetAlignment(TAlignment v)
{
    alignment_ = v;
    update();
}

void TskSkinLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    AdjustSize();
}

void TskSkinLabel::SetCaption(const QString& c)
{
    if (caption_ == c)
        return;
    caption_ = c;
    AdjustSize();
    update();
    SkinAccessibility::NameChanged(this);
}

bool TskSkinLabel::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinLabelControl*>(&d) != nullptr;
}

Qt::Orientations TskSkinLabel::SkinFixedSides() const
{
    return useSkinSize_ ? TskSkinCustomControl::SkinFixedSides() : Qt::Orientations();
}

TFontDesc TskSkinLabel::CaptionFont() const
{
    TFontDesc f = DefaultFont();
    if (const auto* d = DefinitionAs<TskDataSkinLabelControl>()) {
        if (UseSkinFont())
            f = d->FontDesc();
        f.Color = d->fontcolor;
    }
    if (!useSkinFontColor_)
        f.Color = DefaultFont().Color;
    return f;
}

void TskSkinLabel::AdjustSize()
{
    const TAlign a = GetAlign(this);
    if (!autoSize_ || a == alTop || a == alBottom || a == alClient)
        return;
    const int textWidth = QFontMetrics(MakeFont(CaptionFont())).horizontalAdvance(caption_);
    const int grow = Definition() ? textWidth - SkinClientRect().width() : textWidth + 4 - width();
    if (grow > 0)
        resize(width() + grow, height());
}

void TskSkinLabel::DrawCaption(QPainter& p, const QRect& r) const
{
    const QFont font = MakeFont(CaptionFont());
    const QFontMetrics fm(font);
    const int textWidth = fm.horizontalAdvance(caption_);
    const int x = alignment_ == taRightJustify ? r.right() + 1 - textWidth
                  : alignment_ == taCenter     ? r.left() + (r.width() - textWidth) / 2
                                               : r.left();
    const int y = r.top() + r.height() / 2 - fm.height() / 2;
    p.save();
    p.setClipRect(r);
    p.setFont(font);
    p.setPen(isEnabled() ? ColorToQColor(CaptionFont().Color) : ColorToQColor(clGrayText));
    p.drawText(x, y + fm.ascent(), caption_);
    p.restore();
}

void TskSkinLabel::DrawDefaultImage(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(clBtnFace));
    DrawBevelFrame(p, rect(), borderStyle_);
    DrawCaption(p, rect().adjusted(2, 2, -2, -2));
}

void TskSkinLabel::DrawSkinImage(QPainter& p)
{
    TskSkinCustomControl::DrawSkinImage(p);
    DrawCaption(p, SkinClientRect());
}

// ---- TskSkinStdLabel ----

TskSkinStdLabel::TskSkinStdLabel(QWidget* parent) : QWidget(parent)
{
    SetSkinDataName(QStringLiteral("stdlabel"));
    resize(65, 13);
}

void TskSkinStdLabel::SetCaption(const QString& c)
{
    caption_ = c;
    Repaint();
}

void TskSkinStdLabel::SetFont(const TFontDesc& f)
{
    font_ = f;
    Repaint();
}

void TskSkinStdLabel::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    Repaint();
}

void TskSkinStdLabel::SetUseSkinFont(bool v)
{
    useSkinFont_ = v;
    Repaint();
}

void TskSkinStdLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    Repaint();
}

void TskSkinStdLabel::AdjustSize()
{
    if (!autoSize_ || caption_.isEmpty())
        return;
    const QFontMetrics fm(MakeFont(DrawFont()));
    resize(fm.horizontalAdvance(caption_), fm.height());
}

void TskSkinStdLabel::SetUseSkinColor(bool v)
{
    useSkinColor_ = v;
    update();
}

bool TskSkinStdLabel::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinStdLabelControl*>(&d) != nullptr;
}

TFontDesc TskSkinStdLabel::DrawFont() const
{
    const TskDataSkinStdLabelControl* d = LabelDefinition();
    if (!d)
        return useSkinFont_ ? defaultFont_ : font_;
    TFontDesc f = font_;
    if (useSkinFont_)
        f = {d->fontname, d->fontheight, d->fontstyle, font_.Color};
    if (useSkinColor_)
        f.Color = d->fontcolor;
    return f;
}

void TskSkinStdLabel::paintEvent(QPaintEvent*)
{
    EnsureResolved();
    QPainter p(this);
    const TFontDesc f = DrawFont();
    p.setFont(MakeFont(f));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (!isEnabled()) {
        // Embossed: highlight 1 pixel down-right, then the shadow in place.
        const bool skinned = LabelDefinition() != nullptr;
        const TskSkinColors* colors = skinned ? &SkinData()->SkinColors() : nullptr;
        p.setPen(ColorToQColor(colors ? colors->cbtnhighlight : clBtnHighlight));
        p.drawText(rect().translated(1, 1), flags, caption_);
        p.setPen(ColorToQColor(colors ? colors->cbtnshadow : clBtnShadow));
    } else {
        p.setPen(ColorToQColor(f.Color));
    }
    p.drawText(rect(), flags, caption_);
}

// ---- TskSkinLinkLabel ----

TskSkinLinkLabel::TskSkinLinkLabel(QWidget* parent) : TskSkinStdLabel(parent)
{
    setCursor(StockCursor(crHandPoint));
    SetDefaultFont({QStringLiteral("Arial"), 14, fsUnderline, clWindowText});
    SetFont({QStringLiteral("Arial"), 14, fsUnderline, clWindowText});
}

void TskSkinLinkLabel::SetUseUnderLine(bool v)
{
    useUnderLine_ = v;
    update();
}

void TskSkinLinkLabel::SetDefaultActiveFontColor(TColor c)
{
    defaultActiveFontColor_ = c;
    update();
}

TFontDesc TskSkinLinkLabel::DrawFont() const
{
    const TskDataSkinStdLabelControl* d = LabelDefinition();
    if (!d) {
        TFontDesc f = UseSkinFont() ? DefaultFont() : Font();
        f.Style |= fsUnderline;
        if (hot_)
            f.Color = defaultActiveFontColor_;
        return f;
    }
    TFontDesc f = Font();
    if (UseSkinFont())
        f = {d->fontname, d->fontheight, d->fontstyle, f.Color};
    f.Style = useUnderLine_ ? (f.Style | fsUnderline) : (f.Style & ~fsUnderline);
    f.Color = hot_ ? d->activefontcolor : d->fontcolor;
    return f;
}

void TskSkinLinkLabel::enterEvent(QEnterEvent*)
{
    hot_ = true;
    update();
}

void TskSkinLinkLabel::leaveEvent(QEvent*)
{
    hot_ = false;
    update();
}

void TskSkinLinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint()))
        return;
    if (OnClick)
        OnClick(this);
    if (!url_.isEmpty())
        ShellOpen(url_);
}

// ---- TskSkinShadowLabel ----

TskSkinShadowLabel::TskSkinShadowLabel(QWidget* parent) : TskGraphicSkinControl(parent)
{
    SetSkinDataName(QStringLiteral("stdlabel"));
    resize(65, 17);
}

void TskSkinShadowLabel::SetCaption(const QString& c)
{
    caption_ = c;
    AdjustSize();
    update();
}

void TskSkinShadowLabel::SetFont(const TFontDesc& f)
{
    font_ = f;
    AdjustSize();
    update();
}

void TskSkinShadowLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    AdjustSize();
}

void TskSkinShadowLabel::SetAlignment(TAlignment v)
{
    alignment_ = v;
    update();
}

void TskSkinShadowLabel::SetLayout(TTextLayout v)
{
    layout_ = v;
    update();
}

void TskSkinShadowLabel::SetWordWrap(bool v)
{
    wordWrap_ = v;
    AdjustSize();
    update();
}

int TskSkinShadowLabel::TextFlags() const
{
    const int v = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    return HAlign(alignment_) | v | (wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
}

void TskSkinShadowLabel::AdjustSize()
{
    if (!autoSize_)
        return;
    const QFontMetrics fm(MakeFont(font_));
    const QRect extent = fm.boundingRect(QRect(0, 0, wordWrap_ ? width() : 10000, 10000), TextFlags(), caption_);
    const QSize s(extent.width() + 3, fm.height() * std::max(1, extent.height() / std::max(1, fm.height())) + 3);
    if (alignment_ == taRightJustify)
        setGeometry(x() + width() - s.width(), y(), s.width(), s.height());
    else
        resize(s);
}

bool TskSkinShadowLabel::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinStdLabelControl*>(&d) != nullptr;
}

QImage TskSkinShadowLabel::ShadowShade() const
{
    const qreal dpr = devicePixelRatioF();
    // The shadow mask: the caption in black, 1 and 2 pixels down-right, on white.
    QImage mask(size() * dpr, QImage::Format_RGB32);
    mask.setDevicePixelRatio(dpr);
    mask.fill(Qt::white);
    {
        QPainter mp(&mask);
        mp.setFont(MakeFont(font_));
        mp.setPen(Qt::black);
        const QRect textRect = rect().adjusted(0, 0, -3, -3);
        mp.drawText(textRect.translated(1, 1), TextFlags(), caption_);
        mp.drawText(textRect.translated(2, 2), TextFlags(), caption_);
    }
    // Shade multiplied into the background: 0.7 under the mask; at its edge
    // (a clear diagonal neighbour) the mean of the four diagonal neighbours'
    // shades, which softens the outline over any even background.
    const int w = mask.width();
    const int h = mask.height();
    auto masked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && (mask.pixel(x, y) & RGB_MASK) != 0xFFFFFF;
    };
    constexpr int kDark = 179;  // round(0.7 * 255)
    QImage shade(mask.size(), QImage::Format_RGB32);
    shade.setDevicePixelRatio(dpr);
    shade.fill(Qt::white);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!masked(x, y))
                continue;
            int dark = 0;
            for (const QPoint d : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)})
                dark += masked(x + d.x(), y + d.y()) ? 1 : 0;
            const bool inner = x == 0 || y == 0 || x == w - 1 || y == h - 1 || dark == 4;
            const int v = inner ? kDark : (dark * kDark + (4 - dark) * 255) / 4;
            shade.setPixel(x, y, qRgb(v, v, v));
        }
    return shade;
}

void TskSkinShadowLabel::paintEvent(QPaintEvent*)
{
    if (width() < 1 || height() < 1)
        return;
    EnsureResolved();
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.drawImage(0, 0, ShadowShade());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const auto* d = DefinitionAs<TskDataSkinStdLabelControl>();
    const TColor color = useSkinColor_ && d ? d->fontcolor : font_.Color;
    p.setFont(MakeFont(font_));
    p.setPen(isEnabled() ? ColorToQColor(color) : ColorToQColor(clGrayText));
    p.drawText(rect().adjusted(0, 0, -3, -3), TextFlags(), caption_);
}

// ---- TskSkinSplitter ----

TskSkinSplitter::TskSkinSplitter(QWidget* parent) : TSplitter(parent)
{
    SetSkinDataName(QStringLiteral("vsplitter"));
}

void TskSkinSplitter::SetTransparent(bool v)
{
    transparent_ = v;
    update();
}

bool TskSkinSplitter::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinSplitterControl*>(&d) != nullptr;
}

void TskSkinSplitter::SkinChanged()
{
    TskSkinProperties::SkinChanged();
    // A splitter without skin data keeps the thickness it was given.
    if (!SkinData())
        return;
    const auto* d = DefinitionAs<TskDataSkinSplitterControl>();
    const int thickness = !d ? defaultSize_
                          : Horizontal() ? d->skinrect.Height()
                                         : d->skinrect.Width();
    Horizontal() ? resize(width(), thickness) : resize(thickness, height());
    if (parentWidget())
        AlignControls(parentWidget());
}

void TskSkinSplitter::paintEvent(QPaintEvent* e)
{
    EnsureResolved();
    const auto* d = DefinitionAs<TskDataSkinSplitterControl>();
    if (!d || transparent_ || Align() == alClient) {
        TSplitter::paintEvent(e);
        return;
    }
    const QImage picture = SkinData()->ActivePicture(d->pictureindex);
    QPainter p(this);
    const TskRect& r = d->skinrect;
    const TskStrip strip = Horizontal()
        ? TskStrip{r.ToQRect(), d->lefttoppoint.X, r.Width() - d->righttoppoint.X, d->stretcheffect}
        : TskStrip{r.ToQRect(), d->lefttoppoint.Y, r.Height() - d->leftbottompoint.Y,
                   d->stretcheffect};
    DrawSkinStrip(p, picture, strip, rect(), Horizontal() ? Qt::Horizontal : Qt::Vertical);
    const QRect grip = d->gripperrect.ToQRect();
    if (grip.isEmpty())
        return;
    const QPoint at(width() / 2 - grip.width() / 2, height() / 2 - grip.height() / 2);
    if (d->grippertransparent)
        p.drawImage(at, SkinPieceWithTransparentColor(picture, grip, ColorToQColor(d->grippertransparentcolor).rgb()));
    else
        DrawSkinPiece(p, picture, grip, QRect(at, grip.size()));
}

// ---- TskSkinButton ----

TskSkinButton::TskSkinButton(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("button"));
    resize(75, 25);
    SetCanFocused(true);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        if (pressed_ && mouseIn_)
            Click();
    });
}

void TskSkinButton::SetUseSkinSize(bool v)
{
    useSkinSize_ = v;
    SkinChanged();
}

void TskSkinButton::SetUseSkinFontColor(bool v)
{
    useSkinFontColor_ = v;
    update();
}

void TskSkinButton::SetCanFocused(bool v)
{
    canFocused_ = v;
    setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
    UpdateAccelerator();
}

void TskSkinButton::SetDefault(bool v)
{
    default_ = v;
    WatchWindowKeys();
}

void TskSkinButton::SetCancel(bool v)
{
    cancel_ = v;
    WatchWindowKeys();
}

void TskSkinButton::SetDown(bool v)
{
    if (down_ == v)
        return;
    down_ = v;
    // Within a group only one button stays down.
    if (v && groupIndex_ != 0 && parentWidget())
        for (QObject* o : parentWidget()->children())
            if (auto* b = qobject_cast<TskSkinButton*>(o); b && b != this && b->groupIndex_ == groupIndex_)
                b->SetDown(false);
    update();
}

void TskSkinButton::SetGroupIndex(int v)
{
    groupIndex_ = v;
    if (v != 0)
        SetCanFocused(false);
}

void TskSkinButton::SetCaption(const QString& c)
{
    caption_ = c;
    UpdateAccelerator();
    update();
}

void TskSkinButton::SetGlyph(const QImage& g)
{
    glyph_ = g;
    update();
}

void TskSkinButton::SetLayout(TButtonLayout v)
{
    layout_ = v;
    update();
}

void TskSkinButton::SetMargin(int v)
{
    margin_ = v;
    update();
}

void TskSkinButton::SetSpacing(int v)
{
    spacing_ = v;
    update();
}

void TskSkinButton::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TskSkinButton::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinButtonControl*>(&d) != nullptr;
}

Qt::Orientations TskSkinButton::SkinFixedSides() const
{
    // Without the skin size the state picture is stretched to any size.
    return useSkinSize_ ? TskSkinCustomControl::SkinFixedSides() : Qt::Orientations();
}

bool TskSkinButton::ShowsPressed() const
{
    return down_ && (mouseIn_ || spaceHeld_ || groupIndex_ != 0);
}

bool TskSkinButton::ShowsActive() const
{
    return mouseIn_ || (canFocused_ && hasFocus());
}

void TskSkinButton::DrawCaption(QPainter& p, const QRect& area, const QFont& font, const QColor& color) const
{
    QImage glyph;
    if (!glyph_.isNull()) {
        const int w = glyph_.width() / numGlyphs_;
        const int state = !isEnabled() && numGlyphs_ > 1 ? 1 : 0;
        glyph = glyph_.copy(state * w, 0, w, glyph_.height());
    }
    const QFontMetrics fm(font);
    const int textW = caption_.isEmpty() ? 0 : fm.size(Qt::TextShowMnemonic, caption_).width();
    const bool vertical = layout_ == blGlyphTop || layout_ == blGlyphBottom;
    const int gap = glyph.isNull() || caption_.isEmpty() ? 0 : spacing_;
    const int blockW = vertical ? std::max(glyph.width(), textW) : glyph.width() + gap + textW;
    const int blockH = vertical ? glyph.height() + gap + fm.height() : std::max(glyph.height(), fm.height());
    QPoint origin(area.left() + (area.width() - blockW) / 2, area.top() + (area.height() - blockH) / 2);
    if (margin_ >= 0 && !vertical)
        origin.setX(layout_ == blGlyphLeft ? area.left() + margin_ : area.left() + area.width() - margin_ - blockW);
    if (ShowsPressed())
        origin += QPoint(1, 1);
    QRect glyphRect, textRect;
    switch (layout_) {
    case blGlyphLeft:
        glyphRect = QRect(origin.x(), origin.y() + (blockH - glyph.height()) / 2, glyph.width(), glyph.height());
        textRect = QRect(origin.x() + glyph.width() + gap, origin.y(), textW, blockH);
        break;
    case blGlyphRight:
        textRect = QRect(origin.x(), origin.y(), textW, blockH);
        glyphRect = QRect(origin.x() + textW + gap, origin.y() + (blockH - glyph.height()) / 2, glyph.width(), glyph.height());
        break;
    case blGlyphTop:
        glyphRect = QRect(origin.x() + (blockW - glyph.width()) / 2, origin.y(), glyph.width(), glyph.height());
        textRect = QRect(origin.x(), origin.y() + glyph.height() + gap, blockW, fm.height());
        break;
    case blGlyphBottom:
        textRect = QRect(origin.x(), origin.y(), blockW, fm.height());
        glyphRect = QRect(origin.x() + (blockW - glyph.width()) / 2, origin.y() + fm.height() + gap, glyph.width(), glyph.height());
        break;
    }
    if (!glyph.isNull())
        p.drawImage(glyphRect.topLeft(), glyph);
    p.setFont(font);
    p.setPen(color);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, caption_);
}

void TskSkinButton::DrawDefaultImage(QPainter& p)
{
    const bool pressed = ShowsPressed();
    const bool hot = ShowsActive();
    const TColor face = pressed ? 0xB59385 : hot ? 0xD2BDB6 : clBtnFace;
    p.fillRect(rect(), ColorToQColor(face));
    p.setPen(ColorToQColor(pressed || hot ? clNavy : clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawCaption(p, rect(), TextFont(), TextColor());
}

void TskSkinButton::DrawSkinImage(QPainter& p)
{
    const auto* d = DefinitionAs<TskDataSkinButtonControl>();
    const TskRect active = d->activeskinrect.IsEmpty() ? d->skinrect : d->activeskinrect;
    const TskRect pressed = d->downskinrect.IsEmpty() ? active : d->downskinrect;
    // A disabled button without a picture of its own keeps the normal one but greys its text.
    const bool disabled = !isEnabled();
    const TskRect& face = disabled       ? (d->disabledskinrect.IsEmpty() ? d->skinrect : d->disabledskinrect)
                          : ShowsPressed() ? pressed
                          : ShowsActive()  ? active
                                           : d->skinrect;
    TColor color = disabled         ? d->disabledfontcolor
                   : ShowsPressed() ? d->downfontcolor
                   : ShowsActive()  ? d->activefontcolor
                                    : d->fontcolor;
    if (!disabled && !useSkinFontColor_)
        color = DefaultFont().Color;
    if (useSkinSize_ || ResizeMode() == rmNinePiece)
        DrawSkinRect(p, SkinPicture(), *d, face, rect());
    else
        DrawSkinPiece(p, SkinPicture(), face.ToQRect(), rect());
    // The client rect moves with the size either way.
    const QRect area = SkinClientRect();
    DrawCaption(p, area, MakeFont(UseSkinFont() ? d->FontDesc() : DefaultFont()), ColorToQColor(color));
    if (d->showfocus && hasFocus()) {
        p.setPen(QPen(ColorToQColor(color), 1, Qt::DotLine));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

void TskSkinButton::MouseEnter()
{
    mouseIn_ = true;
    update();
}

void TskSkinButton::MouseLeave()
{
    // A focused default button stays lit: Enter still goes to it.
    mouseIn_ = default_ && hasFocus();
    update();
}

void TskSkinButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (canFocused_)
        setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    mouseIn_ = true;
    wasDown_ = down_;
    if (groupIndex_ != 0) {
        if (!down_) {
            SetDown(true);
            Click();
        }
    } else {
        SetDown(true);
        if (repeatMode_)
            repeat_.start(repeatInterval_);
    }
    update();
}

void TskSkinButton::mouseMoveEvent(QMouseEvent* e)
{
    // While held the button grabs the mouse: follow the pointer in and out.
    if (!pressed_)
        return;
    const bool inside = rect().contains(e->position().toPoint());
    if (inside != mouseIn_) {
        mouseIn_ = inside;
        update();
    }
}

void TskSkinButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    repeat_.stop();
    pressed_ = false;
    mouseIn_ = rect().contains(e->position().toPoint());
    if (groupIndex_ == 0) {
        // Released outside: up again without a click.
        Release(mouseIn_);
    } else if (allowAllUp_ && wasDown_ && mouseIn_) {
        SetDown(false);
        Click();
    }
    update();
}

void TskSkinButton::Release(bool click)
{
    const bool wasDown = down_;
    SetDown(false);
    if (click && wasDown)
        Click();
}

void TskSkinButton::keyPressEvent(QKeyEvent* e)
{
    if (!canFocused_) {
        TskSkinCustomControl::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Space:
        if (!e->isAutoRepeat() && !pressed_) {
            spaceHeld_ = true;
            SetDown(true);
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Click();
        return;
    default:
        TskSkinCustomControl::keyPressEvent(e);
    }
}

void TskSkinButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && spaceHeld_) {
        spaceHeld_ = false;
        Release(true);
        return;
    }
    TskSkinCustomControl::keyReleaseEvent(e);
}

void TskSkinButton::focusInEvent(QFocusEvent* e)
{
    TskSkinCustomControl::focusInEvent(e);
    update();
}

void TskSkinButton::focusOutEvent(QFocusEvent* e)
{
    // Focus leaving while Space is held raises the button without a click.
    if (spaceHeld_) {
        spaceHeld_ = false;
        Release(false);
    }
    if (default_)
        mouseIn_ = underMouse();
    TskSkinCustomControl::focusOutEvent(e);
    update();
}

void TskSkinButton::UpdateAccelerator()
{
    if (accelerator_ != 0)
        releaseShortcut(accelerator_);
    accelerator_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (canFocused_ && !key.isEmpty())
        accelerator_ = grabShortcut(key);
}

void TskSkinButton::WatchWindowKeys()
{
    QWidget* top = window();
    if (watchedWindow_ == top)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = top;
    if (top != this)
        top->installEventFilter(this);
}

bool TskSkinButton::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == accelerator_
        && accelerator_ != 0) {
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            Click();
        }
        return true;
    }
    if (e->type() == QEvent::ParentChange && (default_ || cancel_))
        WatchWindowKeys();
    return TskSkinCustomControl::event(e);
}

bool TskSkinButton::eventFilter(QObject* watched, QEvent* e)
{
    // Enter or Escape that no control of the window took: the dialog keys.
    if (watched == watchedWindow_ && e->type() == QEvent::KeyPress && canFocused_ && isVisible() && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if ((enter && default_) || (key == Qt::Key_Escape && cancel_)) {
            Click();
            return true;
        }
    }
    return TskSkinCustomControl::eventFilter(watched, e);
}

// ---- TskSkinXFormButton ----

TskSkinXFormButton::TskSkinXFormButton(QWidget* parent) : TskSkinButton(parent)
{
    SetCanFocused(false);
}

void TskSkinXFormButton::SetDefImage(const QImage& img)
{
    defImage_ = img;
    if (!img.isNull()) {
        SetDefaultWidth(img.width());
        SetDefaultHeight(img.height());
    }
    update();
}

void TskSkinXFormButton::DrawDefaultImage(QPainter& p)
{
    if (defImage_.isNull()) {
        TskSkinButton::DrawDefaultImage(p);
        return;
    }
    const bool pressed = ShowsPressed();
    const bool hot = ShowsActive();
    const QImage& face = pressed && !defDownImage_.isNull() ? defDownImage_
                         : hot && !defActiveImage_.isNull() ? defActiveImage_
                                                            : defImage_;
    p.drawImage(rect(), face);
    const QColor color = !isEnabled() ? ColorToQColor(clGrayText)
                         : pressed    ? ColorToQColor(defDownFontColor_)
                         : hot        ? ColorToQColor(defActiveFontColor_)
                                      : TextColor();
    DrawCaption(p, rect(), TextFont(), color);
}

// ---- TskSkinCheckRadioBox ----

TskSkinCheckRadioBox::TskSkinCheckRadioBox(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("checkbox"));
    resize(150, 25);
    SetCanFocused(true);
}

void TskSkinCheckRadioBox::SetChecked(bool v)
{
    checked_ = v;
    if (v)
        state_ = cbChecked;
    else if (state_ != cbGrayed)
        state_ = cbUnchecked;
    if (v)
        UncheckGroup();
    update();
    SkinAccessibility::StateChanged(this);
    if (OnClick && (!radio_ || v))
        OnClick(this);
}

void TskSkinCheckRadioBox::SetState(TCheckBoxState s)
{
    state_ = s;
    checked_ = s == cbChecked;
    if (checked_)
        UncheckGroup();
    update();
    SkinAccessibility::StateChanged(this);
    if (OnClick)
        OnClick(this);
}

void TskSkinCheckRadioBox::UncheckGroup()
{
    if (groupIndex_ == 0 || !parentWidget())
        return;
    for (QObject* o : parentWidget()->children())
        if (auto* b = qobject_cast<TskSkinCheckRadioBox*>(o);
            b && b != this && b->groupIndex_ == groupIndex_ && b->checked_)
            b->SetChecked(false);
}

void TskSkinCheckRadioBox::SetRadio(bool v)
{
    radio_ = v;
    update();
}

void TskSkinCheckRadioBox::SetFlat(bool v)
{
    flat_ = v;
    // Only the framed look takes its size from the skin.
    SkinChanged();
}

void TskSkinCheckRadioBox::SetCanFocused(bool v)
{
    canFocused_ = v;
    setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TskSkinCheckRadioBox::SetImages(TImageList* images)
{
    images_ = images;
    update();
}

void TskSkinCheckRadioBox::SetImageIndex(int v)
{
    imageIndex_ = v;
    update();
}

void TskSkinCheckRadioBox::SetCaption(const QString& c)
{
    caption_ = c;
    update();
}

void TskSkinCheckRadioBox::Toggle()
{
    if (radio_) {
        if (!checked_)
            SetChecked(true);
        return;
    }
    if (allowGrayed_) {
        SetState(state_ == cbUnchecked ? cbGrayed : state_ == cbGrayed ? cbChecked : cbUnchecked);
        return;
    }
    SetChecked(!checked_);
}

bool TskSkinCheckRadioBox::Accepts(const TskDataSkinControl& d) const
{
    return dynamic_cast<const TskDataSkinCheckRadioControl*>(&d) != nullptr;
}

Qt::Orientations TskSkinCheckRadioBox::SkinFixedSides() const
{
    return flat_ ? Qt::Orientations() : TskSkinCustomControl::SkinFixedSides();
}

void TskSkinCheckRadioBox::DrawCaption(QPainter& p, int x, const QRect& area, const TFontDesc& font) const
{
    if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) {
        images_->Draw(p, x, area.top() + area.height() / 2 - images_->Height() / 2, imageIndex_, isEnabled());
        x += images_->Width() + 5;
    }
    const QRect text(x, area.top(), area.right() + 1 - x, area.height());
    p.setFont(MakeFont(font));
    p.setPen(ColorToQColor(font.Color));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    if (canFocused_ && hasFocus()) {
        const int w = std::min(QFontMetrics(MakeFont(font)).horizontalAdvance(caption_) + 4, text.width() + 2);
        p.setPen(QPen(ColorToQColor(font.Color), 1, Qt::DotLine));
        p.drawRect(QRect(x - 2, area.top() + 2, w, area.height() - 5));
    }
}

void TskSkinCheckRadioBox::DrawDefaultImage(QPainter& p)
{
    if (!flat_)
        p.fillRect(rect(), ColorToQColor(clBtnFace));
    const QRect box(3, height() / 2 - 7, 14, 14);
    p.fillRect(box, state_ == cbGrayed ? ColorToQColor(clBtnFace) : ColorToQColor(clWindow));
    p.setPen(ColorToQColor(mouseIn_ ? clNavy : clBtnShadow));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const QColor mark = isEnabled() ? ColorToQColor(clWindowText) : ColorToQColor(clGrayText);
    if (state_ != cbUnchecked) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        if (radio_) {
            p.setBrush(mark);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(box).adjusted(4, 4, -4, -4));
        } else {
            QPen pen(mark, 2);
            p.setPen(pen);
            const QPointF o = box.topLeft();
            p.drawPolyline(QPolygonF({o + QPointF(3, 7), o + QPointF(6, 10), o + QPointF(11, 4)}));
        }
        p.restore();
    }
    TFontDesc font = DefaultFont();
    if (!isEnabled())
        font.Color = clGrayText;
    DrawCaption(p, 22, rect(), font);
}

namespace {
// Each channel halfway toward white, rounding halves up; clear pixels stay clear.
QImage MixedHalfwayToWhite(QImage img)
{
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) != 0)
                line[x] = qRgb((qRed(line[x]) + 256) / 2, (qGreen(line[x]) + 256) / 2, (qBlue(line[x]) + 256) / 2);
    }
    return img;
}

const TskRect& Given(const TskRect& r, const TskRect& fallback)
{
    return r.IsEmpty() ? fallback : r;
}
}  // namespace

QImage TskSkinCheckRadioBox::CheckImage(const TskDataSkinCheckRadioControl& d) const
{
    const bool check = state_ != cbUnchecked;
    const TskRect& plain = check ? d.checkimagerect : d.uncheckimagerect;
    const TskRect& piece = !isEnabled()
        ? Given(check ? d.unenabledcheckimagerect : d.unenableduncheckimagerect, plain)
        : mouseIn_ ? Given(check ? d.activecheckimagerect : d.activeuncheckimagerect, plain)
                   : plain;
    if (piece.IsEmpty())
        return {};
    const QImage picture = SkinPicture();
    const QRect r = piece.ToQRect();
    if (!picture.rect().contains(r))
        return {};
    // The image's bottom-left pixel names its see-through colour.
    const QImage image = SkinPieceWithTransparentColor(picture, r, picture.pixel(r.left(), r.bottom()));
    return state_ == cbGrayed ? MixedHalfwayToWhite(image) : image;
}

void TskSkinCheckRadioBox::DrawSkinImage(QPainter& p)
{
    const auto* d = DefinitionAs<TskDataSkinCheckRadioControl>();
    TFontDesc font = UseSkinFont() ? d->FontDesc() : DefaultFont();
    const QImage image = CheckImage(*d);
    const QSize imageSize = image.isNull() ? QSize(16, 16) : image.size();
    if (flat_) {
        // The parent shows through: nothing is drawn behind the image and caption.
        if (!image.isNull())
            p.drawImage(QRect(QPoint(3, height() / 2 - imageSize.height() / 2), imageSize), image);
        font.Color = isEnabled() ? d->framefontcolor : d->unenabledfontcolor;
        DrawCaption(p, imageSize.width() + 7, rect(), font);
        return;
    }
    const bool hot = mouseIn_ && isEnabled();
    DrawSkinRect(p, SkinPicture(), *d, hot ? Given(d->activeskinrect, d->skinrect) : d->skinrect, rect());
    const int dx = width() - d->skinrect.Width();
    const int dy = height() - d->skinrect.Height();
    if (!image.isNull()) {
        const QRect area = d->checkimagearea.ToQRect().adjusted(0, 0, 0, dy);
        const QPoint at(area.left() + (area.width() - imageSize.width()) / 2,
                        area.top() + area.height() / 2 - imageSize.height() / 2);
        p.drawImage(QRect(at, imageSize), image);
    }
    font.Color = !isEnabled() ? d->unenabledfontcolor : hot ? d->activefontcolor : d->fontcolor;
    const QRect text = d->textarea.ToQRect().adjusted(0, 0, dx, dy);
    DrawCaption(p, text.left(), text, font);
}

void TskSkinCheckRadioBox::MouseEnter()
{
    mouseIn_ = true;
    update();
}

void TskSkinCheckRadioBox::MouseLeave()
{
    mouseIn_ = false;
    update();
}

void TskSkinCheckRadioBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (canFocused_)
        setFocus(Qt::MouseFocusReason);
    mouseIn_ = true;
    update();
}

void TskSkinCheckRadioBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    mouseIn_ = rect().contains(e->position().toPoint());
    if (mouseIn_)
        Toggle();
    update();
}

void TskSkinCheckRadioBox::keyPressEvent(QKeyEvent* e)
{
    if (canFocused_ && e->key() == Qt::Key_Space) {
        Toggle();
        return;
    }
    TskSkinCustomControl::keyPressEvent(e);
}

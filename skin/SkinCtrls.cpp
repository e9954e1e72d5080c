#include "skin/SkinCtrls.h"

#include "skin/SkinAccessible.h"

#include "toolkit/Align.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ImageList.h"

#include <QFontMetrics>
#include <QKeyEvent>
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

void TskSkinProperties::SkinChanged()
{
    // No skin is loaded into the controls yet: they keep the built-in look.
    skinIndex_ = -1;
    Repaint();
}

// ---- TskSkinControl ----

TskSkinControl::TskSkinControl(QWidget* parent) : QWidget(parent) {}

void TskSkinControl::paintEvent(QPaintEvent*)
{
    if (width() < 1 || height() < 1)
        return;
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter bp(&buffer);
        if (SkinIndex() >= 0)
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

// ---- TskSkinCustomControl ----

TskSkinCustomControl::TskSkinCustomControl(QWidget* parent) : TskSkinControl(parent) {}

void TskSkinCustomControl::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    setFont(MakeFont(f));
    update();
}

void TskSkinCustomControl::SetUseSkinFont(bool v)
{
    useSkinFont_ = v;
    update();
}

void TskSkinCustomControl::SkinChanged()
{
    TskSkinProperties::SkinChanged();
    if (SkinIndex() < 0 && (defaultWidth_ > 0 || defaultHeight_ > 0))
        resize(defaultWidth_ > 0 ? defaultWidth_ : width(), defaultHeight_ > 0 ? defaultHeight_ : height());
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

void TskSkinPanel::UpdateChildArea()
{
    // Children are docked inside the frame, and below the caption bar in caption mode.
    const int m = borderStyle_ == bvNone ? 0 : 1;
    setContentsMargins(m, m + (captionMode_ ? defaultCaptionHeight_ : 0), m, m);
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

// ---- TskSkinLabel ----

TskSkinLabel::TskSkinLabel(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("label"));
    resize(75, 21);
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
}

void TskSkinLabel::AdjustSize()
{
    const TAlign a = GetAlign(this);
    if (!autoSize_ || a == alTop || a == alBottom || a == alClient)
        return;
    const int textWidth = QFontMetrics(TextFont()).horizontalAdvance(caption_);
    if (textWidth + 4 > width())
        resize(textWidth + 4, height());
}

void TskSkinLabel::DrawDefaultImage(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(clBtnFace));
    DrawBevelFrame(p, rect(), borderStyle_);
    const QRect r = rect().adjusted(2, 2, -2, -2);
    p.setClipRect(r);
    p.setFont(TextFont());
    p.setPen(TextColor());
    p.drawText(r, HAlign(alignment_) | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
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

TFontDesc TskSkinStdLabel::DrawFont() const
{
    return useSkinFont_ ? defaultFont_ : font_;
}

void TskSkinStdLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const TFontDesc f = DrawFont();
    p.setFont(MakeFont(f));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (!isEnabled()) {
        // Embossed: highlight 1 pixel down-right, then the shadow in place.
        p.setPen(ColorToQColor(clBtnHighlight));
        p.drawText(rect().translated(1, 1), flags, caption_);
        p.setPen(ColorToQColor(clBtnShadow));
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
    TFontDesc f = TskSkinStdLabel::DrawFont();
    f.Style |= fsUnderline;
    if (hot_)
        f.Color = defaultActiveFontColor_;
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

void TskSkinShadowLabel::DrawDefaultImage(QPainter& p)
{
    const QRect textRect = rect().adjusted(0, 0, -3, -3);
    const QFont font = MakeFont(font_);
    // The shadow: the caption offset by 1 and 2 pixels, darkening the background by 0.3.
    QImage mask(size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setFont(font);
        mp.setPen(Qt::black);
        mp.drawText(textRect.translated(1, 1), TextFlags(), caption_);
        mp.drawText(textRect.translated(2, 2), TextFlags(), caption_);
    }
    p.save();
    p.setOpacity(0.3);
    p.drawImage(0, 0, mask);
    p.restore();
    p.setFont(font);
    p.setPen(isEnabled() ? ColorToQColor(font_.Color) : ColorToQColor(clGrayText));
    p.drawText(textRect, TextFlags(), caption_);
}

// ---- TskSkinSplitter ----

TskSkinSplitter::TskSkinSplitter(QWidget* parent) : TSplitter(parent)
{
    SetSkinDataName(QStringLiteral("vsplitter"));
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

void TskSkinButton::SetUseSkinFontColor(bool v)
{
    useSkinFontColor_ = v;
    update();
}

void TskSkinButton::SetCanFocused(bool v)
{
    canFocused_ = v;
    setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
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

bool TskSkinButton::ShowsPressed() const
{
    return (pressed_ && mouseIn_) || (groupIndex_ != 0 && down_);
}

void TskSkinButton::DrawCaption(QPainter& p, const QRect& area, const QColor& color) const
{
    QImage glyph;
    if (!glyph_.isNull()) {
        const int w = glyph_.width() / numGlyphs_;
        const int state = !isEnabled() && numGlyphs_ > 1 ? 1 : 0;
        glyph = glyph_.copy(state * w, 0, w, glyph_.height());
    }
    const QFontMetrics fm(TextFont());
    const int textW = caption_.isEmpty() ? 0 : fm.horizontalAdvance(caption_);
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
    p.setFont(TextFont());
    p.setPen(color);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void TskSkinButton::DrawDefaultImage(QPainter& p)
{
    const bool pressed = ShowsPressed();
    const bool hot = mouseIn_ || (canFocused_ && hasFocus());
    const TColor face = pressed ? 0xB59385 : hot ? 0xD2BDB6 : clBtnFace;
    p.fillRect(rect(), ColorToQColor(face));
    p.setPen(ColorToQColor(pressed || hot ? clNavy : clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawCaption(p, rect(), TextColor());
}

void TskSkinButton::MouseEnter()
{
    mouseIn_ = true;
    update();
}

void TskSkinButton::MouseLeave()
{
    mouseIn_ = false;
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
    if (groupIndex_ != 0) {
        SetDown(allowAllUp_ ? !down_ : true);
        Click();
    } else if (repeatMode_) {
        repeat_.start(repeatInterval_);
    }
    update();
}

void TskSkinButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    repeat_.stop();
    pressed_ = false;
    mouseIn_ = rect().contains(e->position().toPoint());
    update();
    // Released outside: no click.
    if (groupIndex_ == 0 && mouseIn_)
        Click();
}

void TskSkinButton::keyPressEvent(QKeyEvent* e)
{
    if (canFocused_ && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        Click();
        return;
    }
    TskSkinCustomControl::keyPressEvent(e);
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
    const bool hot = MouseIn();
    const QImage& face = pressed && !defDownImage_.isNull() ? defDownImage_
                         : hot && !defActiveImage_.isNull() ? defActiveImage_
                                                            : defImage_;
    p.drawImage(rect(), face);
    const QColor color = !isEnabled() ? ColorToQColor(clGrayText)
                         : pressed    ? ColorToQColor(defDownFontColor_)
                         : hot        ? ColorToQColor(defActiveFontColor_)
                                      : TextColor();
    DrawCaption(p, rect(), color);
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
    update();
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
    int x = 22;
    if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) {
        images_->Draw(p, x, height() / 2 - images_->Height() / 2, imageIndex_, isEnabled());
        x += images_->Width() + 5;
    }
    p.setFont(TextFont());
    p.setPen(TextColor());
    p.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    if (canFocused_ && hasFocus()) {
        p.setPen(QPen(mark, 1, Qt::DotLine));
        p.drawRect(QRect(x - 2, 2, width() - x + 1, height() - 5));
    }
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

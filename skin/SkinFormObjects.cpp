#include "skin/SkinFormObjects.h"

#include "skin/SkinData.h"
#include "skin/SkinDraw.h"
#include "skin/SkinForm.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QWidget>

// ---- TskActiveSkinObject ----

TskActiveSkinObject::TskActiveSkinObject(TskSkinForm* form, const TskDataSkinObject* def) : form_(form)
{
    if (!def)
        return;
    IDName = def->IDName;
    Hint = def->hint;
    SkinRect = def->skinrect;
    ActiveRect = def->activeskinrect;
    InActiveRect = def->inactiveskinrect;
    SkinRectInAPicture = def->skinrectinapicture;
    if (const TskSkinData* data = form->SkinData()) {
        Picture = def->rollup ? data->RollUpPicture() : data->MainPicture();
        ActivePicture = data->ActivePicture(def->activepictureindex);
    }
    // Without a picture of its own the object draws from the frame picture,
    // which has no mouse-over image for it.
    if (ActivePicture.isNull())
        ActiveRect = {};
}

void TskActiveSkinObject::SetActive(bool v)
{
    if (Active == v)
        return;
    Active = v;
    if (ShowsActiveState())
        form_->RepaintObject(*this);
}

void TskActiveSkinObject::DrawPiece(QPainter& p, const TskRect& src) const
{
    DrawSkinPiece(p, Source(), src.ToQRect(), ObjectRect.ToQRect());
}

// ---- TskSkinCaptionObject ----

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinForm* form, const TskDataSkinCaption* def)
    : TskActiveSkinObject(form, def), def_(def)
{
}

TskRect TskSkinCaptionObject::TextRect() const
{
    const TskRect& t = def_->textrect;
    const int widen = ObjectRect.Width() - SkinRect.Width();
    return {ObjectRect.Left + t.Left, ObjectRect.Top + t.Top, ObjectRect.Left + t.Right + widen,
            ObjectRect.Top + t.Bottom};
}

namespace {

// `text` cut at its end, with "...", until it fits `width`.
QString Elided(const QString& text, const QFontMetrics& fm, int width)
{
    if (fm.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && fm.horizontalAdvance(cut + dots) > width)
        cut.chop(1);
    return cut + dots;
}

}  // namespace

void TskSkinCaptionObject::Draw(QPainter& p)
{
    if (!ActiveRect.IsEmpty())
        DrawPiece(p, form_->FormActive() ? ActiveRect : SkinRect);
    if (!ShowsWindowCaption)
        return;
    const TskRect tr = TextRect();
    if (tr.Width() < 1 || tr.Height() < 1)
        return;
    const bool active = form_->FormActive();
    const QFont font = MakeFont(def_->fontname, def_->fontheight, def_->fontstyle);
    const QFontMetrics fm(font);
    const QString text = Elided(form_->CaptionText(), fm, tr.Width());
    const int textWidth = fm.horizontalAdvance(text);
    int x = tr.Left;
    if (def_->alignment == taRightJustify)
        x = tr.Right - textWidth;
    else if (def_->alignment == taCenter)
        x = tr.Left + (tr.Width() - textWidth) / 2;
    const int top = tr.Top + tr.Height() / 2 - fm.height() / 2;
    const int baseline = top + fm.ascent();
    p.save();
    p.setClipRect(tr.ToQRect(), Qt::IntersectClip);
    p.setFont(font);
    if (def_->light) {
        p.setPen(ColorToQColor(active ? def_->activelightcolor : def_->lightcolor));
        p.drawText(x - 1, baseline - 1, text);
    }
    if (def_->shadow) {
        p.setPen(ColorToQColor(active ? def_->activeshadowcolor : def_->shadowcolor));
        p.drawText(x + 1, baseline + 1, text);
    }
    p.setPen(ColorToQColor(active ? def_->activefontcolor : def_->fontcolor));
    p.drawText(x, baseline, text);
    p.restore();
}

// ---- TskSkinButtonObject ----

TskSkinButtonObject::TskSkinButtonObject(TskSkinForm* form, const TskDataSkinButton* def)
    : TskActiveSkinObject(form, def)
{
    if (def) {
        DownRect = def->downrect;
        DisabledRect = def->disableskinrsect;
    }
}

TskRect TskSkinButtonObject::StateRect() const
{
    if (!Enabled && !DisabledRect.IsEmpty())
        return DisabledRect;
    if (Down && Active && !DownRect.IsEmpty())
        return DownRect;
    if (Active && !ActiveRect.IsEmpty())
        return ActiveRect;
    if (!form_->FormActive() && !InActiveRect.IsEmpty())
        return InActiveRect;
    return SkinRect;
}

// ---- TskSkinStdButtonObject ----

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinForm* form, const TskDataSkinStdButton* def,
                                               TskStdCommand command)
    : TskSkinButtonObject(form, def), Command(command), HasSkin(def != nullptr)
{
    if (def)
        RestoreRect = def->restorerect;
}

bool TskSkinStdButtonObject::StandsForWindowState() const
{
    const TskWindowState state = form_->WindowState();
    return (Command == cmMaximize && state == wsMaximized) || (Command == cmMinimize && state == wsMinimized);
}

void TskSkinStdButtonObject::Draw(QPainter& p)
{
    if (Command == cmSysMenu && form_->ShowIcon()) {
        const QIcon icon = form_->Form()->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&p, ObjectRect.ToQRect());
            return;
        }
    }
    if (!HasSkin) {
        DrawBuiltIn(p);
        return;
    }
    if (StandsForWindowState() && !RestoreRect.IsEmpty()) {
        DrawPiece(p, RestoreRect);
        return;
    }
    const TskRect src = StateRect();
    // A button painted into the frame picture shows itself only when it differs.
    if (!SkinRectInAPicture && src == SkinRect)
        return;
    DrawPiece(p, src);
}

void TskSkinStdButtonObject::DrawBuiltIn(QPainter& p) const
{
    const QRect r = ObjectRect.ToQRect();
    if (r.width() < 2 || r.height() < 2)
        return;
    QColor face = ColorToQColor(clBtnFace);
    if (Down && Active)
        face = ColorToQColor(0xB59385);
    else if (Active)
        face = ColorToQColor(0xD2BDB6);
    p.fillRect(r, face);
    if (Active) {
        p.setPen(ColorToQColor(0x800000));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        DrawBevelFrame(p, r, bvRaised);
    }
    DrawGlyph(p, r);
}

void TskSkinStdButtonObject::DrawGlyph(QPainter& p, const QRect& r) const
{
    const QColor ink = ColorToQColor(Enabled ? clBtnText : clGrayText);
    const QRect g(r.center().x() - 3, r.center().y() - 3, 7, 7);
    p.setPen(ink);
    switch (Command) {
    case cmClose:
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topLeft() + QPoint(1, 0), g.bottomRight() + QPoint(0, -1));
        p.drawLine(g.bottomLeft(), g.topRight());
        p.drawLine(g.bottomLeft() + QPoint(1, 0), g.topRight() + QPoint(0, 1));
        break;
    case cmMaximize:
        p.drawRect(g.adjusted(0, 0, -1, -1));
        p.drawLine(g.left(), g.top() + 1, g.right(), g.top() + 1);
        break;
    case cmMinimize:
        p.fillRect(QRect(g.left(), g.bottom() - 1, g.width(), 2), ink);
        break;
    default:
        p.fillRect(g.adjusted(1, 1, -1, -1), ink);
        break;
    }
}

void TskSkinStdButtonObject::MouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !Enabled || Down)
        return;
    Down = true;
    Active = true;
    form_->RepaintObject(*this);
    if (Command == cmSysMenu)
        form_->ShowSystemMenuUnderButton();
}

void TskSkinStdButtonObject::MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !Down || Command == cmSysMenu)
        return;
    const bool run = Active;
    if (run && Command != cmClose)
        form_->RunCommand(Command);
    Down = false;
    form_->RepaintObject(*this);
    // Close last: the window may be gone afterwards.
    if (run && Command == cmClose)
        form_->RunCommand(cmClose);
}

void TskSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu)
        form_->RunCommand(cmClose);
}

void TskSkinStdButtonObject::MenuClosed()
{
    Down = false;
    Active = false;
    form_->RepaintObject(*this);
}

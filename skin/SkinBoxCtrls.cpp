#include "skin/SkinBoxCtrls.h"

#include "skin/SkinMenus.h"
#include "toolkit/CodePage.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// The edit picture `r` as a strip: fixed left and right parts, the middle
// tiled or stretched.
TskStrip EditStrip(const TskDataSkinEditControl& d, const TskRect& r)
{
    const int tail = d.righttoppoint.X > 0 ? r.Width() - d.righttoppoint.X : 0;
    return {r.ToQRect(), std::max(0, d.lefttoppoint.X), std::max(0, tail), d.stretcheffect};
}

// The client piece of the edit picture `r`: its ends are what the fixed
// parts leave beyond the frame.
TskStrip EditClientStrip(const TskDataSkinEditControl& d, const TskRect& r)
{
    const TskRect& c = d.clientrect;
    const QRect piece(r.Left + c.Left, r.Top + c.Top, c.Width(), c.Height());
    const int tail = d.righttoppoint.X > 0 ? c.Right - d.righttoppoint.X : 0;
    return {piece, std::max(0, d.lefttoppoint.X - c.Left), std::max(0, tail), d.stretcheffect};
}

// Only an edit definition with a picture rect can draw a field.
bool IsEditPicture(const TskDataSkinControl& d)
{
    const auto* edit = dynamic_cast<const TskDataSkinEditControl*>(&d);
    return edit && !edit->skinrect.IsEmpty();
}

const TskRect& EditStateRect(const TskDataSkinEditControl& d, bool hot)
{
    return hot && !d.activeskinrect.IsEmpty() ? d.activeskinrect : d.skinrect;
}

// The built-in frame of both edits: button shadow outside, button face inside.
void DrawDefaultEditFrame(QPainter& p, const QRect& r)
{
    p.setPen(ColorToQColor(clBtnShadow));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(ColorToQColor(clBtnFace));
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

// A single-line field takes the clipboard's first line, without control characters.
QString ClipboardLine()
{
    QString text = QApplication::clipboard()->text();
    const auto lineEnd = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    text.truncate(lineEnd - text.cbegin());
    text.removeIf([](QChar c) { return c.unicode() < 32; });
    return text;
}
}  // namespace

// ---- TskSkinEdit ----

TskSkinEdit::TskSkinEdit(QWidget* parent) : QLineEdit(parent)
{
    SetSkinDataName(QStringLiteral("edit"));
    setFrame(false);
    resize(121, 20);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange(this);
    });
    ApplyLook();
}

void TskSkinEdit::SetDefaultColor(TColor c)
{
    defaultColor_ = c;
    update();
}

void TskSkinEdit::SetDefaultFont(const TFontDesc& f)
{
    defaultFont_ = f;
    ApplyLook();
}

void TskSkinEdit::SetFont(const TFontDesc& f)
{
    font_ = f;
    ApplyLook();
}

void TskSkinEdit::SetUseSkinFont(bool v)
{
    useSkinFont_ = v;
    ApplyLook();
}

void TskSkinEdit::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment((a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft)
                 | Qt::AlignVCenter);
}

bool TskSkinEdit::Accepts(const TskDataSkinControl& d) const
{
    return IsEditPicture(d);
}

void TskSkinEdit::SkinChanged()
{
    TskSkinProperties::SkinChanged();
    ApplyLook();
}

QMargins TskSkinEdit::FrameMargins() const
{
    const TskDataSkinEditControl* d = EditDefinition();
    if (!d)
        return {2, 2, 2, 2};
    const TskRect& c = d->clientrect;
    return {std::max(0, c.Left), std::max(0, c.Top), std::max(0, d->skinrect.Width() - c.Right),
            std::max(0, d->skinrect.Height() - c.Bottom)};
}

void TskSkinEdit::ApplyLook()
{
    // Skin changes bring the definition's font and height, or give them back.
    const TskDataSkinEditControl* d = EditDefinition();
    const bool skinFont = d && useSkinFont_;
    setFont(MakeFont(skinFont ? d->FontDesc() : font_));
    setTextMargins(FrameMargins());
    if (skinFont) {
        setFixedHeight(d->skinrect.Height());
        heightFixed_ = true;
    } else if (heightFixed_) {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        heightFixed_ = false;
    }
    ApplyColors();
}

void TskSkinEdit::ApplyColors()
{
    // The text is drawn over the engine's background, never on a fill of its own.
    const TskDataSkinEditControl* d = EditDefinition();
    const TColor text = d ? (hasFocus() ? d->activefontcolor : d->fontcolor) : font_.Color;
    const TColor disabled = d ? d->disabledfontcolor : clGrayText;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, ColorToQColor(text));
    pal.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(disabled));
    pal.setColor(QPalette::Highlight, ColorToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ColorToQColor(clHighlightText));
    setPalette(pal);
    update();
}

void TskSkinEdit::DrawFrame(QPainter& p) const
{
    const QRect client = rect().marginsRemoved(FrameMargins());
    const TskDataSkinEditControl* d = EditDefinition();
    if (!d) {
        if (!DrawDefault())
            return;
        DrawDefaultEditFrame(p, rect());
        p.fillRect(client, ColorToQColor(defaultColor_));
        return;
    }
    const QImage picture = SkinData()->ActivePicture(d->pictureindex);
    const TskRect& state = EditStateRect(*d, Hot());
    DrawSkinStrip(p, picture, EditStrip(*d, state), rect(), Qt::Horizontal);
    DrawSkinStrip(p, picture, EditClientStrip(*d, state), client, Qt::Horizontal);
}

void TskSkinEdit::paintEvent(QPaintEvent* e)
{
    EnsureResolved();
    if (width() > 0 && height() > 0) {
        const qreal dpr = devicePixelRatioF();
        QImage buffer(size() * dpr, QImage::Format_ARGB32_Premultiplied);
        buffer.setDevicePixelRatio(dpr);
        buffer.fill(Qt::transparent);
        {
            QPainter bp(&buffer);
            DrawFrame(bp);
        }
        QPainter p(this);
        p.drawImage(0, 0, buffer);
    }
    QLineEdit::paintEvent(e);
}

void TskSkinEdit::keyPressEvent(QKeyEvent* e)
{
    // Enter and Escape are never typed into the text: they go on to the window.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        ShowContextMenu(mapToGlobal(rect().center()));
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TskSkinEdit::contextMenuEvent(QContextMenuEvent* e)
{
    // The menu key opens the menu at the field's centre, a right click at the pointer.
    const bool fromKeyboard = e->reason() == QContextMenuEvent::Keyboard;
    ShowContextMenu(fromKeyboard ? mapToGlobal(rect().center()) : e->globalPos());
}

void TskSkinEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    // A click that brings the focus places the caret right after this.
    if (autoSelect_)
        selectAll();
    ApplyColors();
}

void TskSkinEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    ApplyColors();
}

void TskSkinEdit::enterEvent(QEnterEvent* e)
{
    QLineEdit::enterEvent(e);
    mouseIn_ = true;
    update();
}

void TskSkinEdit::leaveEvent(QEvent* e)
{
    QLineEdit::leaveEvent(e);
    mouseIn_ = false;
    update();
}

void TskSkinEdit::BuildContextMenu()
{
    TMenuItem& root = contextMenu_->Items();
    const bool selected = hasSelectedText();
    const bool writable = !isReadOnly();
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    const auto add = [&root](const char* caption, bool enabled, std::function<void()> action) {
        TMenuItem* item = root.Add(QString::fromLatin1(caption));
        item->Enabled = enabled;
        item->OnClick = [action = std::move(action)](TMenuItem*) { action(); };
    };
    add("Undo", isUndoAvailable(), [this] { undo(); });
    root.AddLine();
    add("Cut", selected && writable, [this] { cut(); });
    add("Copy", selected, [this] { copy(); });
    add("Paste", clipboardText && writable, [this] { paste(); });
    add("Delete", selected && writable, [this] { del(); });
    root.AddLine();
    // An empty field counts as wholly selected.
    add("Select All", selectedText().size() != text().size(), [this] { selectAll(); });
}

TskSkinPopupMenu* TskSkinEdit::ContextMenu() const
{
    return contextMenu_;
}

bool TskSkinEdit::ShowContextMenu(QPoint global)
{
    delete contextMenu_;
    contextMenu_ = new TskSkinPopupMenu(this);
    contextMenu_->SetSkinData(SkinData());
    contextMenu_->SetOpener(this);
    contextMenu_->RequireSkinData = true;
    BuildContextMenu();
    return contextMenu_->Popup(global.x(), global.y());
}

// ---- TskSkinPasswordEdit ----

TskSkinPasswordEdit::TskSkinPasswordEdit(QWidget* parent) : TskSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("edit"));
    resize(121, 21);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(StockCursor(crIBeam));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    blink_.setInterval(QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500);
    connect(&blink_, &QTimer::timeout, this, [this] {
        caretOn_ = !caretOn_;
        update();
    });
}

void TskSkinPasswordEdit::SetPasswordKind(TskPasswordKind k)
{
    passwordKind_ = k;
    update();
}

void TskSkinPasswordEdit::SetDefaultColor(TColor c)
{
    defaultColor_ = c;
    update();
}

void TskSkinPasswordEdit::SetCharCase(TEditCharCase c)
{
    charCase_ = c;
    SetText(text_);
}

void TskSkinPasswordEdit::SetHideSelection(bool v)
{
    hideSelection_ = v;
    update();
}

void TskSkinPasswordEdit::SetTextAlignment(TAlignment a)
{
    textAlignment_ = a;
    update();
}

QString TskSkinPasswordEdit::Cased(const QString& s) const
{
    return charCase_ == ecUpperCase ? s.toUpper() : charCase_ == ecLowerCase ? s.toLower() : s;
}

void TskSkinPasswordEdit::SetText(const QString& t)
{
    const QString before = text_;
    text_ = Cased(t);
    if (text_ != before) {
        caret_ = std::min(caret_, int(text_.size()));
        MoveCaret(caret_, false);
        ChangedFrom(before);
    }
    update();
}

void TskSkinPasswordEdit::ChangedFrom(const QString& before)
{
    if (text_ != before && OnChange)
        OnChange(this);
}

void TskSkinPasswordEdit::SetSelStart(int pos)
{
    MoveCaret(pos, false);
}

void TskSkinPasswordEdit::SetSelLength(int n)
{
    anchor_ = selStart_;
    MoveCaret(selStart_ + std::max(0, n), true);
}

void TskSkinPasswordEdit::SelectAll()
{
    anchor_ = 0;
    MoveCaret(int(text_.size()), true);
}

bool TskSkinPasswordEdit::Accepts(const TskDataSkinControl& d) const
{
    return IsEditPicture(d);
}

Qt::Orientations TskSkinPasswordEdit::SkinFixedSides() const
{
    // With the skin's font comes the skin's height; otherwise the picture stretches.
    return UseSkinFont() ? Qt::Vertical : Qt::Orientations();
}

QRect TskSkinPasswordEdit::TextRect() const
{
    return EditDefinition() ? SkinClientRect() : rect().adjusted(2, 2, -2, -2);
}

int TskSkinPasswordEdit::CellWidth() const
{
    return std::max(1, TextRect().height() / 2 + 3);
}

int TskSkinPasswordEdit::AlignShift() const
{
    const int free = TextRect().width() - int(text_.size()) * CellWidth();
    if (free <= 0 || firstVisible_ > 1)
        return 0;
    return textAlignment_ == taRightJustify ? free : textAlignment_ == taCenter ? free / 2 : 0;
}

int TskSkinPasswordEdit::IndexAt(int x) const
{
    const int i = firstVisible_ - 1 + (x - TextRect().left() - AlignShift()) / CellWidth();
    return std::clamp(i, 0, int(text_.size()));
}

void TskSkinPasswordEdit::ScrollToCaret()
{
    const int visible = std::max(1, TextRect().width() / CellWidth());
    const int n = int(text_.size());
    if (caret_ < firstVisible_ - 1)
        firstVisible_ = caret_ + 1;
    else if (caret_ > firstVisible_ - 1 + visible)
        firstVisible_ = caret_ - visible + 1;
    // No empty cells after the end while characters hide before the start.
    firstVisible_ = std::clamp(firstVisible_, 1, std::max(1, n - visible + 1));
}

void TskSkinPasswordEdit::MoveCaret(int pos, bool extend)
{
    pos = std::clamp(pos, 0, int(text_.size()));
    if (!extend)
        anchor_ = pos;
    anchor_ = std::clamp(anchor_, 0, int(text_.size()));
    caret_ = pos;
    selStart_ = std::min(anchor_, caret_);
    selLength_ = std::abs(anchor_ - caret_);
    ScrollToCaret();
    caretOn_ = true;
    update();
}

void TskSkinPasswordEdit::DeleteSelection()
{
    text_.remove(selStart_, selLength_);
    MoveCaret(selStart_, false);
}

void TskSkinPasswordEdit::Insert(const QString& s)
{
    if (readOnly_)
        return;
    // The text goes to the service in the 8-bit code page: what has no form there is left out.
    const QString add = AnsiRepresentable(Cased(s));
    if (add.isEmpty())
        return;
    const QString before = text_;
    const bool fits = maxLength_ == 0 || text_.size() - selLength_ + add.size() <= maxLength_;
    // Too long: the insertion is rejected whole, only the selection goes.
    DeleteSelection();
    if (fits) {
        text_.insert(caret_, add);
        MoveCaret(caret_ + int(add.size()), false);
    }
    ChangedFrom(before);
}

void TskSkinPasswordEdit::Paste()
{
    Insert(ClipboardLine());
}

void TskSkinPasswordEdit::DeleteKey(bool backward)
{
    if (readOnly_)
        return;
    const QString before = text_;
    if (selLength_ == 0) {
        const int from = backward ? caret_ - 1 : caret_;
        if (from < 0 || from >= text_.size())
            return;
        anchor_ = from;
        MoveCaret(from + 1, true);
    }
    DeleteSelection();
    ChangedFrom(before);
}

// Words are runs of non-blank characters.
int TskSkinPasswordEdit::WordLeft(int pos) const
{
    while (pos > 0 && text_[pos - 1].isSpace())
        --pos;
    while (pos > 0 && !text_[pos - 1].isSpace())
        --pos;
    return pos;
}

int TskSkinPasswordEdit::WordRight(int pos) const
{
    const int n = int(text_.size());
    while (pos < n && !text_[pos].isSpace())
        ++pos;
    while (pos < n && text_[pos].isSpace())
        ++pos;
    return pos;
}

void TskSkinPasswordEdit::SelectWordAt(int pos)
{
    // The run (of blanks or of other characters) holding the character at
    // `pos`, or the one before it at the end.
    const int n = int(text_.size());
    if (n == 0)
        return;
    const int at = std::min(pos, n - 1);
    const bool blank = text_[at].isSpace();
    int from = at;
    int to = at + 1;
    while (from > 0 && text_[from - 1].isSpace() == blank)
        --from;
    while (to < n && text_[to].isSpace() == blank)
        ++to;
    anchor_ = from;
    MoveCaret(to, true);
}

void TskSkinPasswordEdit::keyPressEvent(QKeyEvent* e)
{
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Home: MoveCaret(0, shift); return;
    case Qt::Key_End: MoveCaret(int(text_.size()), shift); return;
    case Qt::Key_Left: MoveCaret(ctrl ? WordLeft(caret_) : caret_ - 1, shift); return;
    case Qt::Key_Right: MoveCaret(ctrl ? WordRight(caret_) : caret_ + 1, shift); return;
    case Qt::Key_Backspace: DeleteKey(true); return;
    case Qt::Key_Delete: DeleteKey(false); return;
    case Qt::Key_Insert:
        if (shift && !ctrl)
            Paste();
        return;
    case Qt::Key_V:
        if (ctrl) {
            Paste();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        e->ignore();
        return;
    default:
        break;
    }
    // Copy and cut are not offered: the symbols stand for a secret.
    if (ctrl || (e->modifiers() & Qt::AltModifier))
        return;
    const QString t = e->text();
    if (!t.isEmpty() && t[0].unicode() >= 32)
        Insert(t);
}

void TskSkinPasswordEdit::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    selecting_ = true;
    MoveCaret(IndexAt(int(e->position().x())), e->modifiers() & Qt::ShiftModifier);
}

void TskSkinPasswordEdit::mouseMoveEvent(QMouseEvent* e)
{
    if (selecting_)
        MoveCaret(IndexAt(int(e->position().x())), true);
}

void TskSkinPasswordEdit::mouseReleaseEvent(QMouseEvent*)
{
    selecting_ = false;
}

void TskSkinPasswordEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        SelectWordAt(caret_);
}

void TskSkinPasswordEdit::resizeEvent(QResizeEvent* e)
{
    TskSkinCustomControl::resizeEvent(e);
    ScrollToCaret();
}

void TskSkinPasswordEdit::focusInEvent(QFocusEvent* e)
{
    TskSkinCustomControl::focusInEvent(e);
    // Coming back to the window keeps the caret and selection where they were.
    const bool returning = e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
    if (!returning) {
        MoveCaret(0, false);
        if (autoSelect_)
            SelectAll();
    }
    caretOn_ = true;
    blink_.start();
    update();
}

void TskSkinPasswordEdit::focusOutEvent(QFocusEvent* e)
{
    TskSkinCustomControl::focusOutEvent(e);
    blink_.stop();
    update();
}

void TskSkinPasswordEdit::MouseEnter()
{
    mouseIn_ = true;
    update();
}

void TskSkinPasswordEdit::MouseLeave()
{
    mouseIn_ = false;
    update();
}

void TskSkinPasswordEdit::DrawDefaultImage(QPainter& p)
{
    p.fillRect(rect(), ColorToQColor(defaultColor_));
    DrawDefaultEditFrame(p, rect());
    DrawText(p, TextColor());
}

void TskSkinPasswordEdit::DrawSkinImage(QPainter& p)
{
    const TskDataSkinEditControl* d = EditDefinition();
    const TskRect& state = EditStateRect(*d, Hot());
    // The strip is built at the picture's height and stretched to the control's.
    DrawSkinStrip(p, SkinPicture(), EditStrip(*d, state), rect(), Qt::Horizontal);
    const TColor ink = !isEnabled() ? d->disabledfontcolor : Hot() ? d->activefontcolor : d->fontcolor;
    DrawText(p, ColorToQColor(ink));
}

void TskSkinPasswordEdit::DrawSymbol(QPainter& p, const QRect& cell) const
{
    const int w = cell.width();
    const int dy = (cell.height() - w) / 2 + 2;
    const QRect box = cell.adjusted(2, dy, -2, -dy);
    if (box.isEmpty())
        return;
    switch (passwordKind_) {
    case pkRoundRect: {
        // The corner ellipse is half the box wide and as high.
        const qreal radius = box.width() / 4.0;
        p.drawRoundedRect(box, radius, radius);
        break;
    }
    case pkRect: p.fillRect(box, p.brush()); break;
    case pkTriangle: {
        const QRect b = box.width() % 2 == 0 ? box.adjusted(0, 0, 1, 0) : box;
        const int right = b.left() + b.width();
        const int bottom = b.top() + b.height();
        p.drawPolygon(QPolygon({QPoint(b.left() + b.width() / 2, b.top()), QPoint(right, bottom),
                                QPoint(b.left(), bottom)}));
        break;
    }
    }
}

void TskSkinPasswordEdit::DrawText(QPainter& p, const QColor& ink)
{
    const QRect tr = TextRect();
    const int w = CellWidth();
    const int shift = AlignShift();
    const bool showSel = hasFocus() || !hideSelection_;
    p.save();
    p.setClipRect(tr);
    p.setPen(Qt::NoPen);
    int x = tr.left() + shift;
    for (int i = firstVisible_ - 1; i < text_.size() && x + w <= tr.left() + tr.width(); ++i, x += w) {
        const QRect cell(x, tr.top(), w, tr.height());
        const bool selected = showSel && i >= selStart_ && i < selStart_ + selLength_;
        if (selected)
            p.fillRect(cell, ColorToQColor(clHighlight));
        p.setBrush(selected ? ColorToQColor(clHighlightText) : ink);
        DrawSymbol(p, cell);
    }
    p.restore();
    if (hasFocus() && caretOn_) {
        const int cx = tr.left() + shift + (caret_ - (firstVisible_ - 1)) * w;
        p.fillRect(QRect(std::min(cx, tr.left() + tr.width() - 1), tr.top(), 1, tr.height()),
                   ColorToQColor(clWindowText));
    }
}

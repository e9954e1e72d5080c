#include "skin/SkinBoxCtrls.h"

#include "skin/SkinMenus.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

// ---- TskSkinEdit ----

TskSkinEdit::TskSkinEdit(QWidget* parent) : QLineEdit(parent)
{
    SetSkinDataName(QStringLiteral("edit"));
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
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
    ApplyLook();
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

void TskSkinEdit::SetAlignment(TAlignment a)
{
    alignment_ = a;
    setAlignment((a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft)
                 | Qt::AlignVCenter);
}

void TskSkinEdit::ApplyLook()
{
    // Without a definition the edit shows its own font on DefaultColor.
    setFont(MakeFont(font_));
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQColor(defaultColor_));
    pal.setColor(QPalette::Text, ColorToQColor(font_.Color));
    pal.setColor(QPalette::Highlight, ColorToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ColorToQColor(clHighlightText));
    setPalette(pal);
    update();
}

void TskSkinEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    QPainter p(this);
    p.setPen(ColorToQColor(hasFocus() || underMouse() ? clNavy : clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
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
    const QString v = Cased(t);
    const bool changed = v != text_;
    text_ = v;
    if (changed) {
        caret_ = std::min(caret_, int(text_.size()));
        selStart_ = caret_;
        selLength_ = 0;
        anchor_ = caret_;
        ScrollToCaret();
        Changed();
    }
    update();
}

void TskSkinPasswordEdit::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TskSkinPasswordEdit::SelectAll()
{
    anchor_ = 0;
    caret_ = int(text_.size());
    selStart_ = 0;
    selLength_ = caret_;
    ScrollToCaret();
    update();
}

QRect TskSkinPasswordEdit::TextRect() const
{
    return rect().adjusted(2, 2, -2, -2);
}

int TskSkinPasswordEdit::CellWidth() const
{
    return TextRect().height() / 2 + 3;
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
    const int w = CellWidth();
    const int i = firstVisible_ - 1 + (x - TextRect().left() - AlignShift() + w / 2) / w;
    return std::clamp(i, 0, int(text_.size()));
}

void TskSkinPasswordEdit::ScrollToCaret()
{
    const int visible = std::max(1, TextRect().width() / CellWidth());
    if (caret_ < firstVisible_ - 1)
        firstVisible_ = caret_ + 1;
    else if (caret_ > firstVisible_ - 1 + visible)
        firstVisible_ = caret_ - visible + 1;
    firstVisible_ = std::max(1, firstVisible_);
}

void TskSkinPasswordEdit::MoveCaret(int pos, bool extend)
{
    pos = std::clamp(pos, 0, int(text_.size()));
    if (!extend)
        anchor_ = pos;
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
    caret_ = selStart_;
    anchor_ = caret_;
    selLength_ = 0;
}

void TskSkinPasswordEdit::Insert(const QString& s)
{
    if (readOnly_ || s.isEmpty())
        return;
    const QString add = Cased(s);
    if (maxLength_ > 0 && text_.size() - selLength_ + add.size() > maxLength_) {
        // Too long: the insertion is rejected whole, only the selection goes.
        if (selLength_ > 0) {
            DeleteSelection();
            Changed();
        }
        MoveCaret(caret_, false);
        return;
    }
    DeleteSelection();
    text_.insert(caret_, add);
    MoveCaret(caret_ + int(add.size()), false);
    Changed();
}

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

void TskSkinPasswordEdit::keyPressEvent(QKeyEvent* e)
{
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Home: MoveCaret(0, shift); return;
    case Qt::Key_End: MoveCaret(int(text_.size()), shift); return;
    case Qt::Key_Left: MoveCaret(ctrl ? WordLeft(caret_) : caret_ - 1, shift); return;
    case Qt::Key_Right: MoveCaret(ctrl ? WordRight(caret_) : caret_ + 1, shift); return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (readOnly_)
            return;
        if (selLength_ == 0) {
            const int from = e->key() == Qt::Key_Backspace ? caret_ - 1 : caret_;
            if (from < 0 || from >= text_.size())
                return;
            selStart_ = from;
            selLength_ = 1;
        }
        DeleteSelection();
        MoveCaret(caret_, false);
        Changed();
        return;
    case Qt::Key_Insert:
        if (shift)
            Insert(QApplication::clipboard()->text());
        return;
    case Qt::Key_V:
        if (ctrl) {
            Insert(QApplication::clipboard()->text());
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

void TskSkinPasswordEdit::mouseDoubleClickEvent(QMouseEvent*)
{
    const int from = WordLeft(caret_);
    anchor_ = from;
    MoveCaret(WordRight(from), true);
}

void TskSkinPasswordEdit::focusInEvent(QFocusEvent* e)
{
    TskSkinCustomControl::focusInEvent(e);
    MoveCaret(0, false);
    if (autoSelect_)
        SelectAll();
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
    p.setPen(ColorToQColor(hasFocus() || mouseIn_ ? clNavy : clBtnShadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(ColorToQColor(clBtnFace));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    const QRect tr = TextRect();
    const int w = CellWidth();
    const int h = tr.height();
    const bool showSel = hasFocus() || !hideSelection_;
    const QColor normal = isEnabled() ? ColorToQColor(DefaultFont().Color) : ColorToQColor(clGrayText);
    p.save();
    p.setClipRect(tr);
    p.setRenderHint(QPainter::Antialiasing);
    int x = tr.left() + AlignShift();
    for (int i = firstVisible_ - 1; i < text_.size(); ++i, x += w) {
        if (x + w > tr.left() + tr.width())
            break;
        const QRect cell(x, tr.top(), w, h);
        const bool selected = showSel && i >= selStart_ && i < selStart_ + selLength_;
        if (selected)
            p.fillRect(cell, ColorToQColor(clHighlight));
        const int dy = (h - w) / 2 + 2;
        const QRectF box = QRectF(cell.adjusted(2, dy, -2, -dy));
        p.setPen(Qt::NoPen);
        p.setBrush(selected ? ColorToQColor(clHighlightText) : normal);
        switch (passwordKind_) {
        case pkRoundRect: p.drawRoundedRect(box, box.width() / 4, box.width() / 4); break;
        case pkRect: p.fillRect(box, p.brush()); break;
        case pkTriangle: {
            const QRectF b = int(box.width()) % 2 == 0 ? box.adjusted(0, 0, 1, 0) : box;
            p.drawPolygon(QPolygonF({QPointF(b.center().x(), b.top()), b.bottomRight(), b.bottomLeft()}));
            break;
        }
        }
    }
    p.restore();
    if (hasFocus() && caretOn_) {
        const int cx = tr.left() + AlignShift() + (caret_ - (firstVisible_ - 1)) * w;
        p.fillRect(QRect(std::min(cx, tr.left() + tr.width() - 1), tr.top(), 1, h), ColorToQColor(clWindowText));
    }
}

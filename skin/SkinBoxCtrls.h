#pragma once
// Skinned edits: the one-line edit built on the platform edit, and the
// self-drawn password edit that shows each character as a symbol.
#include "skin/SkinCtrls.h"

#include <QLineEdit>
#include <QPointer>

class TskSkinPopupMenu;

enum TskPasswordKind { pkRoundRect, pkRect, pkTriangle };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TskSkinEdit : public QLineEdit, public TskSkinProperties {
    Q_OBJECT
public:
    explicit TskSkinEdit(QWidget* parent = nullptr);

    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor c);
    const TFontDesc& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFontDesc& f);
    // The edit's own font (text colour included), used without a definition.
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& f);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool v);
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int v) { defaultWidth_ = v; }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int v) { defaultHeight_ = v; }
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool v) { buttonMode_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }

    QString Text() const { return text(); }
    void SetText(const QString& t) { setText(t); }

    TNotifyEvent OnChange;

    // The frame shows the active picture: mouse over or focused.
    bool Hot() const { return mouseIn_ || hasFocus(); }

    void SkinChanged() override;

    // Shows the skinned Undo/Cut/Copy/Paste/Delete/Select All menu at the
    // screen point; false when no skinned form and skin can show it.
    bool ShowContextMenu(QPoint global);
    TskSkinPopupMenu* ContextMenu() const;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void Repaint() override { update(); }

private:
    const TskDataSkinEditControl* EditDefinition() const { return DefinitionAs<TskDataSkinEditControl>(); }
    // Room the frame takes on each side.
    QMargins FrameMargins() const;
    void DrawFrame(QPainter& p) const;
    void ApplyLook();
    void ApplyColors();
    void BuildContextMenu();

    QPointer<TskSkinPopupMenu> contextMenu_;

    TColor defaultColor_ = clWindow;
    TFontDesc defaultFont_{QStringLiteral("Arial"), 14, 0, clBlack};
    TFontDesc font_{QStringLiteral("Arial"), 14, 0, clBlack};
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool buttonMode_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool autoSelect_ = true;
    bool mouseIn_ = false;
    bool heightFixed_ = false;  // the definition holds the height
};

// Characters are shown as symbols in cells of text height / 2 + 3 pixels.
// The text never leaves the field: there is no copy or cut.
class TskSkinPasswordEdit : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinPasswordEdit(QWidget* parent = nullptr);

    TskPasswordKind PasswordKind() const { return passwordKind_; }
    void SetPasswordKind(TskPasswordKind k);
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor c);
    const QString& Text() const { return text_; }
    void SetText(const QString& t);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v) { maxLength_ = std::max(0, v); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    TAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TAlignment a);

    int CaretPos() const { return caret_; }
    int SelStart() const { return selStart_; }
    // Puts the caret at `pos` with nothing selected.
    void SetSelStart(int pos);
    int SelLength() const { return selLength_; }
    // Selects `n` characters from the selection start; the caret goes behind them.
    void SetSelLength(int n);
    void SelectAll();

    // Where the symbols go: the client rect of the definition, else inset by 2.
    QRect TextRect() const;
    int CellWidth() const;
    // Index of the first character shown (from 1).
    int FirstVisible() const { return firstVisible_; }
    bool Hot() const { return mouseIn_ || hasFocus(); }

    TNotifyEvent OnChange;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    Qt::Orientations SkinFixedSides() const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    const TskDataSkinEditControl* EditDefinition() const { return DefinitionAs<TskDataSkinEditControl>(); }
    void DrawText(QPainter& p, const QColor& ink);
    void DrawSymbol(QPainter& p, const QRect& cell) const;
    int AlignShift() const;
    int IndexAt(int x) const;
    QString Cased(const QString& s) const;
    void Insert(const QString& s);
    void Paste();
    void DeleteSelection();
    void DeleteKey(bool backward);
    void MoveCaret(int pos, bool extend);
    void ScrollToCaret();
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    void SelectWordAt(int pos);
    void ChangedFrom(const QString& before);

    TskPasswordKind passwordKind_ = pkRoundRect;
    TColor defaultColor_ = clWindow;
    QString text_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    TEditCharCase charCase_ = ecNormal;
    bool hideSelection_ = true;
    TAlignment textAlignment_ = taLeftJustify;

    int caret_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    int anchor_ = 0;
    int firstVisible_ = 1;  // 1-based, as the caret scrolls
    bool selecting_ = false;
    bool mouseIn_ = false;
    bool caretOn_ = true;
    QTimer blink_;
};

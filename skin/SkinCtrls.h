#pragma once
// Skinned controls: the shared base, panels, labels, splitters, buttons and
// the check box. Each names the skin definition it draws with (SkinDataName)
// and draws a built-in look while no definition is in use.
#include "skin/SkinData.h"
#include "skin/SkinDraw.h"
#include "toolkit/Controls.h"
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"
#include "toolkit/Splitter.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class TImageList;
class QPainter;

using TNotifyEvent = std::function<void(QObject* sender)>;

enum TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Properties every skinned control publishes. A mix-in so that controls built
// on different Qt widgets share them.
class TskSkinProperties {
public:
    TskSkinProperties();
    virtual ~TskSkinProperties() = default;

    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* data);
    const QString& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);
    bool DrawDefault() const { return drawDefault_; }
    void SetDrawDefault(bool v);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool v);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int v);
    bool UseSkinCursor() const { return useSkinCursor_; }
    void SetUseSkinCursor(bool v) { useSkinCursor_ = v; }

    // Relay of skin changes: drop the definition, then look it up again.
    virtual void SkinChanging();
    virtual void SkinChanged();
    // Looks the definition up when the skin was loaded after the last lookup
    // and no relay has told this control yet; called before painting.
    void EnsureResolved();

    // Index of the definition in use (-1: the built-in look).
    int SkinIndex() const { return skinIndex_; }

protected:
    // Index of this control's definition in the skin, -1 when the skin is
    // empty, lacks the name or holds a definition of another kind.
    virtual int FindDefinition() const;
    // Whether this control can draw with `d` (a definition of the right kind).
    virtual bool Accepts(const TskDataSkinControl& d) const;
    // The definition in use, or null.
    const TskDataSkinControl* Definition() const;
    template <class T>
    const T* DefinitionAs() const
    {
        return dynamic_cast<const T*>(Definition());
    }
    virtual void Repaint() = 0;

private:
    QPointer<TskSkinData> skinData_;
    QString skinDataName_;
    bool drawDefault_ = true;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 200;
    bool useSkinCursor_ = false;
    int skinIndex_ = -1;
    bool resolved_ = false;  // looked up in a loaded skin
};

// A windowed skinned control: paints into one off-screen picture of its own
// size and copies it once.
class TskSkinControl : public QWidget, public TskSkinProperties {
    Q_OBJECT
public:
    explicit TskSkinControl(QWidget* parent = nullptr);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void Repaint() override { update(); }

    virtual void DrawDefaultImage(QPainter& p);
    virtual void DrawSkinImage(QPainter&) {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
};

// Windowless kind: the same properties, drawn over the parent.
class TskGraphicSkinControl : public TskSkinControl {
    Q_OBJECT
public:
    explicit TskGraphicSkinControl(QWidget* parent = nullptr);
};

// How a control picture follows the control's size.
enum TskResizeMode {
    rmNone,        // no skin rect: no picture
    rmNinePiece,   // any size: corners fixed, edges and centre tiled or stretched
    rmHorizontal,  // height forced: fixed left and right parts, middle filled
    rmVertical,    // width forced: fixed top and bottom parts, middle filled
    rmFixed        // both forced: the skin rect as it is
};
TskResizeMode SkinResizeMode(const TskDataSkinCustomControl& d);

// `rect` of a picture cut for the compositor by a definition's corner points,
// client rect and stretch flags.
TskNinePiece SkinNinePiece(const TskCornerKeys& corners, const TskStretchKeys& stretch,
                           const TskRect& rect, const TskRect& client);

// Draws `rect` of `picture` into `dest` by the resize-mode rules of `d`.
void DrawSkinRect(QPainter& p, const QImage& picture, const TskDataSkinCustomControl& d,
                  const TskRect& rect, const QRect& dest);

class TskSkinCustomControl : public TskSkinControl {
    Q_OBJECT
public:
    explicit TskSkinCustomControl(QWidget* parent = nullptr);

    const TFontDesc& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFontDesc& f);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool v);
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int v) { defaultWidth_ = v; }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int v) { defaultHeight_ = v; }

    void SkinChanged() override;
    // `proposed` adjusted to the definition in use (unchanged without one).
    QSize CalcSkinSize(QSize proposed) const;
    // The definition's client rect moved with the control's size (empty without one).
    QRect SkinClientRect() const;
    TskResizeMode ResizeMode() const;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    const TskDataSkinCustomControl* CustomDefinition() const
    {
        return DefinitionAs<TskDataSkinCustomControl>();
    }
    // The definition's picture (null when its index is out of range).
    QImage SkinPicture() const;
    void DrawSkinImage(QPainter& p) override;
    void resizeEvent(QResizeEvent*) override;
    // Dimensions the definition forces on the control.
    virtual Qt::Orientations SkinFixedSides() const;
    virtual void DefaultFontChanged() {}
    // Window region from the definition's mask picture, or none.
    void UpdateRegion();

    // The font and colour text is drawn with in the built-in look.
    QFont TextFont() const { return MakeFont(defaultFont_); }
    QColor TextColor() const;

private:
    void ApplySkinSize();

    TFontDesc defaultFont_;
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    Qt::Orientations constrained_;
    bool masked_ = false;
};

// Frame pen colours of the built-in looks, by border style.
void DrawBevelFrame(QPainter& p, const QRect& r, TskSkinBorderStyle style);

class TskSkinPanel : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinPanel(QWidget* parent = nullptr);

    TskSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TskSkinBorderStyle v);
    bool CaptionMode() const { return captionMode_; }
    void SetCaptionMode(bool v);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int v);
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignment v);
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool v) { rollUpMode_ = v; }
    bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool v) { rollUpState_ = v; }
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void SetAutoEnabledControls(bool v) { autoEnabledControls_ = v; }
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& g);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { numGlyphs_ = v; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { spacing_ = v; }
    int RealHeight() const { return realHeight_; }
    void SetRealHeight(int v) { realHeight_ = v; }
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);

    TNotifyEvent OnChecked;

    void SkinChanged() override;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;

private:
    void UpdateChildArea();
    void DrawSkinCaption(QPainter& p, const TskDataSkinPanelControl& d);

    TskSkinBorderStyle borderStyle_ = bvFrame;
    bool captionMode_ = false;
    int defaultCaptionHeight_ = 22;
    TAlignment defaultAlignment_ = taLeftJustify;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    bool checkedMode_ = false;
    bool checked_ = false;
    bool autoEnabledControls_ = true;
    QImage glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    int realHeight_ = -1;
    QString caption_;
};

class TskSkinLabel : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinLabel(QWidget* parent = nullptr);

    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool v);
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool v);
    TskSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TskSkinBorderStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);

    // Font and colour the caption is drawn with.
    TFontDesc CaptionFont() const;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    Qt::Orientations SkinFixedSides() const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;

private:
    void AdjustSize();
    void DrawCaption(QPainter& p, const QRect& r) const;

    bool useSkinSize_ = true;
    bool useSkinFontColor_ = true;
    TskSkinBorderStyle borderStyle_ = bvFrame;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
    QString caption_;
};

// The toolkit's transparent label with skin font settings.
class TskSkinStdLabel : public QWidget, public TskSkinProperties {
    Q_OBJECT
public:
    explicit TskSkinStdLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    // The label's own font (used when UseSkinFont is off).
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& f);
    const TFontDesc& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFontDesc& f);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool v);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool v);
    // The label's size follows its text.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    // Font and colour the caption is drawn with.
    virtual TFontDesc DrawFont() const;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    const TskDataSkinStdLabelControl* LabelDefinition() const
    {
        return DefinitionAs<TskDataSkinStdLabelControl>();
    }
    void paintEvent(QPaintEvent*) override;
    void Repaint() override { AdjustSize(); update(); }
    void AdjustSize();

private:
    QString caption_;
    TFontDesc font_{QStringLiteral("MS Sans Serif"), -11, 0, clWindowText};
    TFontDesc defaultFont_{QStringLiteral("MS Sans Serif"), -11, 0, clWindowText};
    bool useSkinFont_ = true;
    bool useSkinColor_ = true;
    bool autoSize_ = true;
};

// A label that opens its URL in the browser when clicked.
class TskSkinLinkLabel : public TskSkinStdLabel {
    Q_OBJECT
public:
    explicit TskSkinLinkLabel(QWidget* parent = nullptr);

    const QString& URL() const { return url_; }
    void SetURL(const QString& u) { url_ = u; }
    bool UseUnderLine() const { return useUnderLine_; }
    void SetUseUnderLine(bool v);
    TColor DefaultActiveFontColor() const { return defaultActiveFontColor_; }
    void SetDefaultActiveFontColor(TColor c);
    bool Hot() const { return hot_; }

    TNotifyEvent OnClick;

    TFontDesc DrawFont() const override;

protected:
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QString url_;
    bool useUnderLine_ = true;
    TColor defaultActiveFontColor_ = clBlue;
    bool hot_ = false;
};

// Caption over a soft shadow darkening what lies behind it.
class TskSkinShadowLabel : public TskGraphicSkinControl {
    Q_OBJECT
public:
    explicit TskSkinShadowLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& f);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool v) { useSkinColor_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v) { showAccelChar_ = v; }
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* w) { focusControl_ = w; }

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    void paintEvent(QPaintEvent*) override;

private:
    int TextFlags() const;
    void AdjustSize();
    QImage ShadowShade() const;

    QString caption_;
    TFontDesc font_{QStringLiteral("Arial"), 16, fsBold, clWindowText};
    bool autoSize_ = true;
    bool useSkinColor_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    QWidget* focusControl_ = nullptr;
};

// The toolkit's splitter with the skin properties; without a definition it
// keeps the plain look and 3-pixel thickness.
class TskSkinSplitter : public TSplitter, public TskSkinProperties {
    Q_OBJECT
public:
    explicit TskSkinSplitter(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    int DefaultSize() const { return defaultSize_; }
    void SetDefaultSize(int v) { defaultSize_ = v; }

    void SkinChanged() override;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    void paintEvent(QPaintEvent*) override;
    void Repaint() override { update(); }

private:
    bool transparent_ = false;
    int defaultSize_ = 10;
};

class TskSkinButton : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinButton(QWidget* parent = nullptr);

    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool v);
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool v);
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool v) { repeatMode_ = v; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int v) { repeatInterval_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool v);
    // Enter anywhere in the window clicks the default button, Escape the cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& g);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { numGlyphs_ = std::max(1, v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);

    bool MouseIn() const { return mouseIn_; }
    // The toolkit's click: fires OnClick.
    virtual void Click();

    TNotifyEvent OnClick;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    Qt::Orientations SkinFixedSides() const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    bool event(QEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    // Face shown: pressed while down with the mouse over it (or held by
    // Space, or grouped and down).
    bool ShowsPressed() const;
    // Hot face: the mouse over it, or focused when it takes the focus.
    bool ShowsActive() const;
    void DrawCaption(QPainter& p, const QRect& area, const QFont& font, const QColor& color) const;

private:
    void Release(bool click);
    void UpdateAccelerator();
    void WatchWindowKeys();

    bool useSkinSize_ = true;
    bool useSkinFontColor_ = true;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    bool allowAllUp_ = false;
    bool canFocused_ = true;
    bool default_ = false;
    bool cancel_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    QString caption_;
    QImage glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 1;
    bool mouseIn_ = false;
    bool pressed_ = false;     // held down by the left mouse button
    bool wasDown_ = false;     // grouped and already down when pressed
    bool spaceHeld_ = false;   // held down by the Space key
    int accelerator_ = 0;      // shortcut id of the caption's accelerator
    QPointer<QWidget> watchedWindow_;
    QTimer repeat_;
};

class TskSkinXFormButton : public TskSkinButton {
    Q_OBJECT
public:
    explicit TskSkinXFormButton(QWidget* parent = nullptr);

    const QImage& DefImage() const { return defImage_; }
    void SetDefImage(const QImage& img);
    const QImage& DefActiveImage() const { return defActiveImage_; }
    void SetDefActiveImage(const QImage& img) { defActiveImage_ = img; update(); }
    const QImage& DefDownImage() const { return defDownImage_; }
    void SetDefDownImage(const QImage& img) { defDownImage_ = img; update(); }
    const QImage& DefMask() const { return defMask_; }
    void SetDefMask(const QImage& img) { defMask_ = img; }
    TColor DefActiveFontColor() const { return defActiveFontColor_; }
    void SetDefActiveFontColor(TColor c) { defActiveFontColor_ = c; update(); }
    TColor DefDownFontColor() const { return defDownFontColor_; }
    void SetDefDownFontColor(TColor c) { defDownFontColor_ = c; update(); }

protected:
    void DrawDefaultImage(QPainter& p) override;

private:
    QImage defImage_, defActiveImage_, defDownImage_, defMask_;
    TColor defActiveFontColor_ = clBlack;
    TColor defDownFontColor_ = clBlack;
};

class TskSkinCheckRadioBox : public TskSkinCustomControl {
    Q_OBJECT
public:
    explicit TskSkinCheckRadioBox(QWidget* parent = nullptr);

    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    bool Radio() const { return radio_; }
    void SetRadio(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool v);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);

    bool MouseIn() const { return mouseIn_; }

    TNotifyEvent OnClick;

protected:
    bool Accepts(const TskDataSkinControl& d) const override;
    Qt::Orientations SkinFixedSides() const override;
    void DrawDefaultImage(QPainter& p) override;
    void DrawSkinImage(QPainter& p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void Toggle();
    void UncheckGroup();
    // The check image of the current state, its transparent colour cleared.
    QImage CheckImage(const TskDataSkinCheckRadioControl& d) const;
    // The image from Images (when any) and the caption from `x`, centred in `area`'s height.
    void DrawCaption(QPainter& p, int x, const QRect& area, const TFontDesc& font) const;

    bool checked_ = false;
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    bool radio_ = false;
    int groupIndex_ = 0;
    bool flat_ = true;
    bool canFocused_ = true;
    TImageList* images_ = nullptr;
    int imageIndex_ = 0;
    QString caption_;
    bool mouseIn_ = false;
};

#pragma once
// The frame's active objects: the caption and the caption buttons, each made
// from a skin definition, or built in while no skin is loaded.
#include "skin/SkinDefinitions.h"

#include <QImage>
#include <QString>
#include <string>

class TskSkinForm;
class QPainter;

class TskActiveSkinObject {
public:
    TskActiveSkinObject(TskSkinForm* form, const TskDataSkinObject* def);
    virtual ~TskActiveSkinObject() = default;
    TskActiveSkinObject(const TskActiveSkinObject&) = delete;
    TskActiveSkinObject& operator=(const TskActiveSkinObject&) = delete;

    // Draws the object at ObjectRect; the frame under it is already drawn.
    virtual void Draw(QPainter& p) = 0;
    virtual void MouseDown(Qt::MouseButton) {}
    virtual void MouseUp(Qt::MouseButton) {}
    virtual void DblClick() {}
    void MouseEnter() { SetActive(true); }
    void MouseLeave() { SetActive(false); }
    // Mouse-over state; repaints the object when that shows.
    void SetActive(bool v);

    std::string IDName;
    QString Hint;
    QImage Picture;        // the frame picture the object lies on
    QImage ActivePicture;  // its own picture; null when it draws from Picture
    TskRect SkinRect, ActiveRect, InActiveRect;
    bool SkinRectInAPicture = false;
    TskRect ObjectRect;  // window coordinates
    bool Active = false;
    bool Enabled = true;
    bool Visible = true;

protected:
    const QImage& Source() const { return ActivePicture.isNull() ? Picture : ActivePicture; }
    // Copies `src` of the object's picture onto ObjectRect.
    void DrawPiece(QPainter& p, const TskRect& src) const;
    virtual bool ShowsActiveState() const { return !ActiveRect.IsEmpty(); }

    TskSkinForm* form_;
};

class TskSkinCaptionObject : public TskActiveSkinObject {
public:
    TskSkinCaptionObject(TskSkinForm* form, const TskDataSkinCaption* def);
    void Draw(QPainter& p) override;

    // The area the caption text is fitted into, in window coordinates.
    TskRect TextRect() const;
    // Whether this caption shows the window's caption text.
    bool ShowsWindowCaption = false;

private:
    const TskDataSkinCaption* def_;
};

class TskSkinButtonObject : public TskActiveSkinObject {
public:
    TskSkinButtonObject(TskSkinForm* form, const TskDataSkinButton* def);

    bool Down = false;
    TskRect DownRect, DisabledRect;

protected:
    // The rect of the button's picture its state shows, by precedence.
    TskRect StateRect() const;
};

class TskSkinStdButtonObject : public TskSkinButtonObject {
public:
    // `def` null: a built-in button for `command`, drawn without a skin.
    TskSkinStdButtonObject(TskSkinForm* form, const TskDataSkinStdButton* def, TskStdCommand command);

    void Draw(QPainter& p) override;
    void MouseDown(Qt::MouseButton button) override;
    void MouseUp(Qt::MouseButton button) override;
    void DblClick() override;

    // The system menu that opened under this button has closed.
    void MenuClosed();

    TskStdCommand Command;
    TskRect RestoreRect;
    bool HasSkin;

protected:
    bool ShowsActiveState() const override { return !HasSkin || !ActiveRect.IsEmpty(); }

private:
    bool StandsForWindowState() const;
    void DrawBuiltIn(QPainter& p) const;
    void DrawGlyph(QPainter& p, const QRect& r) const;
};

#pragma once
// The skinned window frame. The window is frameless: this component paints
// the caption, border and caption buttons from the skin around the window's
// client area, hit-tests the frame, moves, sizes, maximizes and restores the
// window, runs the system menu, and relays skin changes to the window's
// skinned controls.
#include "skin/SkinCtrls.h"
#include "skin/SkinFormGeometry.h"
#include "skin/SkinFormObjects.h"
#include "toolkit/Menus.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <memory>
#include <vector>

class TskSkinMenu;
class QMouseEvent;

enum TskBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biRollUp = 8, biMinimizeToTray = 16 };
using TskBorderIcons = std::uint8_t;  // set of TskBorderIcon bits
enum TskPositionInMonitor { skpDefault, skpMonitorCenter };
enum TskWindowState { wsNormal, wsMinimized, wsMaximized };

class TskSkinForm : public QObject {
    Q_OBJECT
public:
    // `form` is the window the component skins; it must be a top-level widget.
    explicit TskSkinForm(QWidget* form);
    ~TskSkinForm() override;

    QWidget* Form() const { return form_; }
    TskSkinData* SkinData() const { return skinData_; }
    // Applies the skin at once.
    void SetSkinData(TskSkinData* d);

    // Whether the border sizes the window; read at every hit-test.
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool v) { sizeable_ = v; }
    TskBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TskBorderIcons v);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool v);

    // Limits of the window's size (0: none beyond the frame's own).
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v);
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v) { maxWidth_ = v; }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int v) { maxHeight_ = v; }
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int v) { clientWidth_ = v; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int v) { clientHeight_ = v; }

    // ---- the window's state ----
    TskWindowState WindowState() const { return state_; }
    // The window rectangle a maximized window returns to; empty when none is remembered.
    QRect RestoreBounds() const { return restoreBounds_; }
    void SetRestoreBounds(const QRect& r) { restoreBounds_ = r; }
    void Maximize();
    void Restore();
    void Minimize();
    TNotifyEvent OnMaximize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnMinimize;

    // ---- frame geometry and objects ----
    bool SkinApplied() const;
    const TskFrameGeometry& Geometry() const { return geometry_; }
    // Smallest window size the frame allows; the largest is the screen's work area.
    QSize MinimumSize() const;
    QSize MaximumSize() const;
    TskHitCode HitTest(QPoint windowPoint) const;
    const std::vector<std::unique_ptr<TskActiveSkinObject>>& Objects() const { return objects_; }
    // The shown caption button running `command`; null when there is none.
    TskSkinStdButtonObject* Button(TskStdCommand command) const;
    TskSkinCaptionObject* Caption() const;
    // Paints the whole frame (strips and objects) in window coordinates.
    void PaintFrame(QPainter& p);

    // ---- used by the frame's objects ----
    bool FormActive() const { return formActive_; }
    QString CaptionText() const;
    void RepaintObject(const TskActiveSkinObject& object);
    void RunCommand(TskStdCommand command);
    void CaptionDoubleClick();
    // Opens the system menu under the system-menu button / at a screen point.
    void ShowSystemMenuUnderButton();
    void ShowSystemMenuAt(QPoint globalPos);
    // Rebuilds the system menu for the window's state and opens it under
    // `anchor` (screen coordinates).
    void ShowSystemMenu(const QRect& anchor);
    // Where the system menu drops from: the system-menu button, in screen coordinates.
    QRect SystemMenuAnchor() const;
    // The engine that shows every menu of the window.
    TskSkinMenu* SkinMenu() const { return skinMenu_; }
    // The system menu's items as last built.
    const TMenuItem& SystemMenuItems() const { return systemMenu_; }

    // Settings the frame keeps for the window definition.
    bool DraggAble = false;
    bool Magnetic = false;
    int MagneticSize = 10;
    bool HideCaptionButtons = false;
    bool UseDefaultSysMenu = true;
    bool SupportNCArea = true;
    bool AlwaysShowInTray = false;
    bool AlwaysMinimizeToTray = false;
    bool MaximizeOnFullScreen = false;
    TskPositionInMonitor PositionInMonitor = skpDefault;
    bool UseSkinFontInMenu = true;
    bool UseSkinCursors = false;
    bool UseFormCursorInNCArea = false;
    bool ShowObjectHint = false;
    bool UseDefaultObjectHint = true;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    bool MenusAlphaBlend = false;
    bool MenusAlphaBlendAnimation = false;
    int MenusAlphaBlendValue = 200;
    bool LogoBitMapTransparent = false;
    int MaxMenuItemsInWindow = 0;
    int DefMenuItemHeight = 20;
    TFontDesc DefCaptionFont{QStringLiteral("Arial"), 14, fsBold, clBtnText};
    TFontDesc DefInActiveCaptionFont{QStringLiteral("Arial"), 14, fsBold, clBtnShadow};
    TFontDesc DefMenuItemFont{QStringLiteral("Arial"), 14, 0, clWindowText};
    TskSkinData* MenusSkinData = nullptr;  // none: the menus use SkinData
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A move or size of the window by the mouse that the window system refused.
    struct TDrag {
        enum Kind { dkNone, dkPendingMove, dkMove, dkSize } kind = dkNone;
        QPoint pressGlobal;
        QRect startGeometry;
        Qt::Edges edges;
    };

    void Apply();
    void CreateObjects();
    void CreateBuiltInButtons();
    void SetButtonVisibility();
    void EnforceMinimumSize();
    void UpdateGeometry();
    void LayoutButtons();
    void PaintSkinFrame(QPainter& p);
    void PaintBuiltInFrame(QPainter& p);
    void PaintObjects(QPainter& p);
    TskHitTestState HitTestState() const;

    void MousePress(QMouseEvent* e);
    void MouseMove(QMouseEvent* e);
    void MouseRelease(QMouseEvent* e);
    void MouseDoubleClick(QMouseEvent* e);
    bool DragMove(QPoint globalPos);
    void StartSizing(TskHitCode code, QPoint globalPos);
    void TrackMouse(QPoint windowPoint);
    void TrackTimerTick();
    void ClearMouseOver();
    int ObjectAt(QPoint windowPoint) const;
    void UpdateCursor(TskHitCode code);
    void ActivationChanged();

    void RelaySkinChange(QEvent::Type type, TskSkinData* sender);

    QWidget* form_;
    TskSkinMenu* skinMenu_;
    TMenuItem systemMenu_;
    TskSkinData* skinData_ = nullptr;
    bool sizeable_ = true;
    TskBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool showIcon_ = false;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
    int clientWidth_ = 0, clientHeight_ = 0;

    TskWindowState state_ = wsNormal;
    QRect restoreBounds_;
    bool formActive_ = false;
    TskFrameGeometry geometry_;
    std::vector<std::unique_ptr<TskActiveSkinObject>> objects_;
    std::unique_ptr<TskDataSkinCaption> builtInCaption_;  // the caption without a skin
    int overIndex_ = -1;
    int pressedIndex_ = -1;
    TDrag drag_;
    QTimer trackTimer_;
};

#pragma once
// The skinned window frame component. Until the frame is drawn from the skin,
// the window keeps the platform's frame and this component carries the frame's
// settings, applying what the platform frame can show: resizability, caption
// buttons and the window icon.
#include "skin/SkinCtrls.h"

#include "toolkit/Menus.h"

#include <QObject>

class TskSkinMenu;

enum TskBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biRollUp = 8, biMinimizeToTray = 16 };
using TskBorderIcons = std::uint8_t;  // set of TskBorderIcon bits
enum TskPositionInMonitor { skpDefault, skpMonitorCenter };

class TskSkinForm : public QObject {
    Q_OBJECT
public:
    // `form` is the window the component skins; it must be a top-level widget.
    explicit TskSkinForm(QWidget* form);

    QWidget* Form() const { return form_; }
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* d) { skinData_ = d; }

    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool v);
    TskBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TskBorderIcons v);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool v) { showIcon_ = v; }

    // Limits of the window's size (0: none beyond the frame's own).
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v);
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v);
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int v);
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int v) { clientWidth_ = v; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int v) { clientHeight_ = v; }

    // Settings the skinned frame reads when it draws.
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

    // The engine that shows every menu of the window.
    TskSkinMenu* SkinMenu() const { return skinMenu_; }
    // Rebuilds the system menu for the window's state and opens it under
    // `anchor` (screen coordinates).
    void ShowSystemMenu(const QRect& anchor);
    // Where the system menu drops from when opened from the keyboard.
    QRect SystemMenuAnchor() const;

private:
    void ApplySizeLimits();
    void ApplyFlags();

    QWidget* form_;
    TskSkinMenu* skinMenu_;
    TMenuItem systemMenu_;
    TskSkinData* skinData_ = nullptr;
    bool sizeable_ = true;
    TskBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool showIcon_ = false;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
    int clientWidth_ = 0, clientHeight_ = 0;
};

#pragma once
// Skinned popup menus. Every open level of a menu is a borderless popup that
// never takes the focus; while a menu is open its keys come from the whole
// application, and a press, move or size of the window closes it.
#include "skin/SkinCtrls.h"
#include "skin/SkinData.h"
#include "toolkit/Menus.h"

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class TskSkinForm;
class TskSkinMenu;

// Sent (synchronously) to the control that opened a menu when it closes, and
// to the form when the whole menu is closed by CloseMenu.
inline constexpr QEvent::Type SKIN_MENU_CLOSED = QEvent::Type(1228);
// Sent to the control that opened the last menu once an item's command has run.
inline constexpr QEvent::Type SKIN_MENU_COMMAND = QEvent::Type(1229);

// ---- where a popup goes ---------------------------------------------------
struct TskPopupPlacementInput {
    QRect Anchor;        // screen coordinates; may have no size (a point)
    QSize Size;
    QRect WorkArea;
    int ItemsTop = 0;    // offset of the first item inside the popup
    bool SubMenu = false;
    bool Upward = false;
    bool ScreenScroll = false;  // taller than the work area: it scrolls
};

struct TskPopupPlacement {
    QPoint Pos;
    bool Overlap = false;  // could not keep clear of the anchor vertically

    bool operator==(const TskPopupPlacement&) const = default;
};

TskPopupPlacement PlacePopup(const TskPopupPlacementInput& in);

// ---- one shown item ---------------------------------------------------------
class TskSkinPopupWindow;

class TskSkinMenuItem {
public:
    TskSkinMenuItem(TskSkinPopupWindow* popup, TMenuItem* item) : Popup(popup), MenuItem(item) {}

    bool IsLine() const { return MenuItem->IsLine(); }
    // Can be highlighted and run.
    bool Selectable() const { return MenuItem->Enabled && !IsLine(); }
    bool HasChildren() const { return MenuItem->Count() > 0; }

    // Composes the item at its own size with its top-left at `at`.
    void Draw(QPainter& p, QPoint at) const;

    TskSkinPopupWindow* Popup;
    TMenuItem* MenuItem;
    QRect ItemRect;  // popup coordinates
    bool Active = false;
    bool Down = false;  // its submenu is open
    bool Visible = true;
    bool AutoSelected = false;

private:
    void DrawSkin(QPainter& p, QPoint at) const;
    void DrawBuiltIn(QPainter& p, QPoint at) const;
    void DrawGlyph(QPainter& p, QPoint at, const QRect& imageRect) const;
};

// ---- one open level ---------------------------------------------------------
class TskSkinPopupWindow : public QWidget {
    Q_OBJECT
public:
    TskSkinPopupWindow(TskSkinMenu* menu, TskSkinData* skinData);
    ~TskSkinPopupWindow() override;

    // Builds the items of `root` from `first` on, sizes, places and shows the popup.
    void Open(TMenuItem* root, int first, const QRect& anchor, bool subMenu, bool upward);

    TskSkinMenu* Menu() const { return menu_; }
    int ItemCount() const { return int(items_.size()); }
    TskSkinMenuItem* Item(int index) const { return items_.at(std::size_t(index)).get(); }
    int ActiveIndex() const { return active_; }
    TskSkinMenuItem* ActiveItem() const { return active_ >= 0 ? Item(active_) : nullptr; }
    int FirstVisible() const { return firstVisible_; }
    bool Scrolling() const { return scrolling_; }
    QRect ItemsRect() const { return itemsRect_; }

    // Resolved look (null/empty: the built-in one).
    const TskDataSkinPopupWindow* WindowDef() const { return windowDef_; }
    const TskDataSkinMenuItem* ItemDef() const { return itemDef_; }
    const QImage& ItemPicture() const { return itemPicture_; }
    const QFont& ItemFont() const { return font_; }
    int GlyphWidth() const { return 16; }

    // The popup's picture at `dpr` device pixels per pixel.
    QImage Compose(qreal dpr) const;

    // The pointer seen at `global`: hover and scrolling (run by the 50 ms tracker).
    void TrackMouse(QPoint global);
    // A key of the application while this is the deepest level.
    void KeyDown(int key, const QString& text);
    // Highlights item `index` as the mouse or keyboard would.
    void ItemEnter(int index, bool byMouse);
    void ItemLeave(int index);
    // Runs item `index` (a release over it, Enter, an accelerator).
    void ItemClick(int index);
    // Raises a down item after its submenu closed.
    void RaiseDownItem();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void ResolveLook();
    int ItemHeight(const TMenuItem* item) const;
    int NormalItemHeight() const;
    QSize PopupSize(int itemCount);
    void SetGeometryFor(QSize size);
    void LayoutItems();
    void DrawBackground(QPainter& p) const;
    void DrawScrollMarkers(QPainter& p) const;
    int ItemAt(QPoint pos) const;
    void SetActive(int index, bool byMouse);
    void MoveActive(int step);
    void MoveActiveTo(int from, int step);
    void ScrollTo(int index);
    void ScrollStep();
    void RepaintItem(int index);
    // Translucent popups; the first level of an opening may fade in.
    void FadeIn(bool animate);

    TskSkinMenu* menu_;
    QPointer<TskSkinData> data_;
    const TskDataSkinPopupWindow* windowDef_ = nullptr;
    QImage windowPicture_;
    const TskDataSkinMenuItem* itemDef_ = nullptr;
    QImage itemPicture_;
    QFont font_;

    std::vector<std::unique_ptr<TskSkinMenuItem>> items_;
    int active_ = -1;
    QPoint lastMouse_{-1, -1};
    int firstVisible_ = 0;
    bool scrolling_ = false;
    bool maxItemsScroll_ = false;
    int scrollDir_ = 0;  // 0 none, 1 up, 2 down
    // Corner points and items rectangle for the current size.
    QPoint lt_, rt_, lb_, rb_;
    QRect itemsRect_;
    QTimer mouseTimer_;
    QTimer scrollTimer_;
    QTimer fadeTimer_;
    int alpha_ = 255;
};

// ---- the menu engine of a form --------------------------------------------------
class TskSkinMenu : public QObject {
    Q_OBJECT
public:
    explicit TskSkinMenu(TskSkinForm* form = nullptr);
    ~TskSkinMenu() override;

    TskSkinForm* Form() const { return form_; }

    // Opens the children of `root` from `first` on under `anchor` (screen
    // coordinates). Nothing opens when `root` has no child at `first`.
    void ShowMenu(QWidget* opener, TskSkinData* data, bool upward, TMenuItem* root, const QRect& anchor,
                  int first = 0);
    // Closes every level and tells the form and the opening control.
    void CloseMenu();
    // Closes the levels from `level` on (the whole menu from 0).
    void CloseLevels(int level);

    bool Visible() const { return visible_; }
    TMenuItem* Root() const { return root_; }
    int LevelCount() const { return int(levels_.size()); }
    TskSkinPopupWindow* Level(int index) const { return levels_.at(std::size_t(index)); }
    int LevelOf(const TskSkinPopupWindow* popup) const;
    QRect WorkArea() const { return workArea_; }
    TskSkinData* SkinData() const { return data_; }
    QWidget* Opener() const { return opener_; }
    QWidget* LastOpener() const { return lastOpener_; }

    // Opens the submenu of `item` on `popup` as the next level.
    void OpenSubMenu(TskSkinPopupWindow* popup, TskSkinMenuItem* item);
    // The 500 ms wait before a hovered item's submenu opens.
    void WaitForSubMenu(TskSkinPopupWindow* popup, TskSkinMenuItem* item);
    void CancelSubMenuWait();

    // Settings, copied from the form at each opening when there is one.
    int MaxMenuItemsInWindow = 0;
    bool UseSkinFontInMenu = true;
    int DefMenuItemHeight = 20;
    TFontDesc DefMenuItemFont{QStringLiteral("Arial"), 14, 0, clWindowText};
    bool MenusAlphaBlend = false;
    bool MenusAlphaBlendAnimation = false;
    int MenusAlphaBlendValue = 200;

    // Fired once at the next close, then cleared.
    std::function<void()> OnMenuClose;

signals:
    // The menu has closed (after the form heard of it).
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SyncSettings();
    void MenuOpenStep();
    void MenuClosedStep();
    bool ClosesMenu(QObject* watched, const QEvent* e) const;

    TskSkinForm* form_;
    std::vector<TskSkinPopupWindow*> levels_;
    QPointer<QWidget> opener_;
    QPointer<QWidget> lastOpener_;
    TMenuItem* root_ = nullptr;
    bool visible_ = false;
    bool filterInstalled_ = false;
    bool formMenuOpen_ = false;
    QRect workArea_;
    QPointer<TskSkinData> data_;
    QTimer subMenuTimer_;
    QPointer<TskSkinPopupWindow> waitingPopup_;
    TskSkinMenuItem* waitingItem_ = nullptr;
};

// ---- a popup menu shown through a skinned form ------------------------------
class TskSkinPopupMenu : public QObject {
    Q_OBJECT
public:
    explicit TskSkinPopupMenu(QObject* owner = nullptr);
    ~TskSkinPopupMenu() override;

    TMenuItem& Items() { return items_; }
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* d) { skinData_ = d; }
    // The window whose skinned form shows the menu (else the owner's window).
    QWidget* Form() const { return form_; }
    void SetForm(QWidget* f) { form_ = f; }
    // The control told when the menu closes or runs an item.
    void SetOpener(QWidget* w) { opener_ = w; }
    // A menu without skin data shows nothing (the edits' menus ask for this).
    bool RequireSkinData = false;

    // Shows the items with their top-left at the screen point; false when
    // there is no skinned form to show them.
    bool Popup(int x, int y);

    TNotifyEvent OnPopup;
    std::function<void()> OnMenuClose;

private:
    TskSkinForm* FindForm() const;

    TMenuItem items_;
    QPointer<TskSkinData> skinData_;
    QPointer<QWidget> form_;
    QPointer<QWidget> opener_;
    QPointer<TskSkinMenu> shownBy_;
};

// The skinned form component of a window, or null.
TskSkinForm* SkinFormOf(QWidget* window);

// ---- the window's system menu -------------------------------------------------
struct TskSystemMenuState {
    std::uint8_t BorderIcons = 0;  // TskBorderIcons
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
};

struct TskSystemMenuCommands {
    std::function<void()> Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close;
};

// Rebuilds `root` as the system menu for the window's state.
void BuildSystemMenu(TMenuItem& root, const TskSystemMenuState& state, const TskSystemMenuCommands& commands);

#include "skin/SkinForm.h"
#include "skin/SkinAccessible.h"

#include "skin/SkinData.h"
#include "skin/SkinDraw.h"
#include "skin/SkinMenus.h"
#include "toolkit/Align.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace {

// Without a skin the frame cannot be made smaller than this.
constexpr int kBuiltInMinWidth = 130;
// Built-in caption buttons and their spacing.
constexpr QSize kBuiltInButton(16, 14);
constexpr int kBuiltInButtonsOffset = 2;
// The small icon of the system-menu button.
constexpr QSize kSmallIcon(16, 16);

// Which border icon a caption button's command needs (0: always shown).
TskBorderIcons IconOf(TskStdCommand command)
{
    switch (command) {
    case cmMaximize: return biMaximize;
    case cmMinimize: return biMinimize;
    case cmSysMenu: return biSystemMenu;
    case cmRollUp: return biRollUp;
    case cmMinimizeToTray: return biMinimizeToTray;
    case cmClose:
    case cmDefault: return 0;
    }
    return 0;
}

// The frame picture cut as the window's frame: edges tiled from the window's
// own edges, the corners copied over them.
TskNinePiece FrameCut(const TskFormInfo& info, QSize picture)
{
    TskNinePiece cut;
    cut.rect = QRect(QPoint(0, 0), picture);
    cut.leftTop = {info.lefttoppoint.X, info.lefttoppoint.Y};
    cut.rightTop = {info.righttoppoint.X, info.righttoppoint.Y};
    cut.leftBottom = {info.leftbottompoint.X, info.leftbottompoint.Y};
    cut.rightBottom = {info.rightbottompoint.X, info.rightbottompoint.Y};
    cut.client = info.clientrect.ToQRect();
    cut.leftStretch = info.leftstretch;
    cut.topStretch = info.topstretch;
    cut.rightStretch = info.rightstretch;
    cut.bottomStretch = info.bottomstretch;
    cut.tileFromStart = true;
    return cut;
}

}  // namespace

TskSkinForm::TskSkinForm(QWidget* form) : QObject(form), form_(form), skinMenu_(new TskSkinMenu(this))
{
    InstallSkinAccessibility();
    form_->setWindowFlags(form_->windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    form_->setMouseTracking(true);
    form_->installEventFilter(this);
    trackTimer_.setInterval(50);
    connect(&trackTimer_, &QTimer::timeout, this, &TskSkinForm::TrackTimerTick);
    auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form_);
    connect(altSpace, &QShortcut::activated, this, &TskSkinForm::ShowSystemMenuUnderButton);
    Apply();
}

TskSkinForm::~TskSkinForm()
{
    form_->removeEventFilter(this);
}

void TskSkinForm::SetSkinData(TskSkinData* d)
{
    skinData_ = d;
    Apply();
}

void TskSkinForm::SetBorderIcons(TskBorderIcons v)
{
    borderIcons_ = v;
    Apply();
}

void TskSkinForm::SetShowIcon(bool v)
{
    showIcon_ = v;
    UpdateGeometry();
    form_->update();
}

void TskSkinForm::SetMinWidth(int v)
{
    minWidth_ = v;
    EnforceMinimumSize();
}

void TskSkinForm::SetMinHeight(int v)
{
    minHeight_ = v;
    EnforceMinimumSize();
}

bool TskSkinForm::SkinApplied() const
{
    return skinData_ && !skinData_->IsEmpty() && !skinData_->MainPicture().isNull();
}

// ---- apply ----

void TskSkinForm::Apply()
{
    trackTimer_.stop();
    overIndex_ = pressedIndex_ = -1;
    objects_.clear();
    if (SkinApplied())
        CreateObjects();
    else
        CreateBuiltInButtons();
    SetButtonVisibility();
    EnforceMinimumSize();
    UpdateGeometry();
    formActive_ = form_->isActiveWindow();
    // Controls of the client area keep the arrow rather than a sizing cursor
    // the frame has just shown.
    for (QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->testAttribute(Qt::WA_SetCursor))
            child->setCursor(Qt::ArrowCursor);
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        const TskRect& c = geometry_.clientRect;
        form_->resize(clientWidth_ > 0 ? form_->width() - c.Width() + clientWidth_ : form_->width(),
                      clientHeight_ > 0 ? form_->height() - c.Height() + clientHeight_ : form_->height());
    }
    form_->update();
}

void TskSkinForm::CreateObjects()
{
    const auto& defs = skinData_->ObjectList();
    const bool namedCaption = std::any_of(defs.begin(), defs.end(), [](const auto& d) {
        const auto* c = dynamic_cast<const TskDataSkinCaption*>(d.get());
        return c && c->defaultcaption;
    });
    bool captionShown = false;
    for (const auto& def : defs) {
        if (dynamic_cast<const TskDataSkinMainMenuBarButton*>(def.get()))
            continue;
        if (const auto* b = dynamic_cast<const TskDataSkinStdButton*>(def.get())) {
            objects_.push_back(std::make_unique<TskSkinStdButtonObject>(this, b, b->command));
        } else if (const auto* c = dynamic_cast<const TskDataSkinCaption*>(def.get())) {
            auto caption = std::make_unique<TskSkinCaptionObject>(this, c);
            caption->ShowsWindowCaption = namedCaption ? c->defaultcaption : !captionShown;
            captionShown = true;
            objects_.push_back(std::move(caption));
        }
    }
}

void TskSkinForm::CreateBuiltInButtons()
{
    builtInCaption_ = std::make_unique<TskDataSkinCaption>("caption");
    builtInCaption_->fontname = DefCaptionFont.Name;
    builtInCaption_->fontheight = DefCaptionFont.Height;
    builtInCaption_->fontstyle = DefCaptionFont.Style;
    builtInCaption_->activefontcolor = DefCaptionFont.Color;
    builtInCaption_->fontcolor = DefInActiveCaptionFont.Color;
    builtInCaption_->alignment = taLeftJustify;
    builtInCaption_->textrect = {2, 0, 0, kBuiltInCaptionHeight};
    auto caption = std::make_unique<TskSkinCaptionObject>(this, builtInCaption_.get());
    caption->ShowsWindowCaption = true;
    objects_.push_back(std::move(caption));
    for (TskStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmSysMenu, cmMinimizeToTray})
        objects_.push_back(std::make_unique<TskSkinStdButtonObject>(this, nullptr, c));
}

void TskSkinForm::SetButtonVisibility()
{
    for (const auto& o : objects_) {
        auto* b = dynamic_cast<TskSkinStdButtonObject*>(o.get());
        if (!b)
            continue;
        const TskBorderIcons needs = IconOf(b->Command);
        const bool missing = HideCaptionButtons || (needs != 0 && !(borderIcons_ & needs));
        b->Enabled = !missing;
        // A button painted into the frame picture stays there, disabled.
        b->Visible = !missing || (b->HasSkin && !b->SkinRectInAPicture);
    }
}

QSize TskSkinForm::MinimumSize() const
{
    const bool minimized = state_ == wsMinimized;
    if (!SkinApplied())
        return {minWidth_ > 0 ? minWidth_ : kBuiltInMinWidth,
                std::max(kBuiltInCaptionHeight + 2 * kBuiltInBorder, minHeight_)};
    const QImage& pic = skinData_->MainPicture();
    const TskFormInfo& info = skinData_->FormInfo();
    int w = info.formminwidth > 0 ? info.formminwidth : pic.width();
    if (minWidth_ > pic.width() && !minimized)
        w = minWidth_;
    int h = pic.height() - info.clientrect.Height();
    if (minHeight_ > h && !minimized)
        h = minHeight_;
    return {w, h};
}

QSize TskSkinForm::MaximumSize() const
{
    const QScreen* screen = form_->screen();
    QSize size = MaximizeOnFullScreen ? screen->geometry().size() : screen->availableGeometry().size();
    if (maxWidth_ > 0)
        size.setWidth(std::min(size.width(), maxWidth_));
    if (maxHeight_ > 0)
        size.setHeight(std::min(size.height(), maxHeight_));
    return size;
}

void TskSkinForm::EnforceMinimumSize()
{
    // Qt raises a smaller window to this at once, and keeps it there.
    form_->setMinimumSize(MinimumSize());
}

// ---- geometry ----

void TskSkinForm::UpdateGeometry()
{
    const int W = form_->width(), H = form_->height();
    const bool skinned = SkinApplied();
    geometry_ = skinned ? SkinFrameGeometry(skinData_->FormInfo(), skinData_->MainPicture().size(), W, H)
                        : BuiltInFrameGeometry(W, H);
    const QSize minimum = MinimumSize();
    if (W >= minimum.width() && H >= minimum.height()) {
        for (const auto& o : objects_)
            o->ObjectRect = skinned ? PlaceFrameRect(skinData_->FormInfo(), skinData_->MainPicture().size(),
                                                     geometry_, o->SkinRect)
                                    : geometry_.captionRect;
        LayoutButtons();
    }
    const TskRect& c = geometry_.clientRect;
    const QMargins margins(c.Left, c.Top, std::max(0, W - c.Right), std::max(0, H - c.Bottom));
    if (form_->contentsMargins() != margins) {
        form_->setContentsMargins(margins);
        AlignControls(form_);
    }
}

void TskSkinForm::LayoutButtons()
{
    const bool skinned = SkinApplied();
    const TskRect area = !geometry_.buttonsRect.IsEmpty() ? geometry_.buttonsRect : geometry_.captionRect;
    const int offset = skinned ? skinData_->FormInfo().buttonsoffset : kBuiltInButtonsOffset;
    const auto laidOut = [](const TskSkinStdButtonObject* b) {
        return b->Visible && (b->SkinRectInAPicture || !b->HasSkin);
    };
    const auto size = [&](const TskSkinStdButtonObject* b) {
        if (b->Command == cmSysMenu && showIcon_)
            return kSmallIcon;
        return b->HasSkin ? QSize(b->SkinRect.Width(), b->SkinRect.Height()) : kBuiltInButton;
    };
    int x = area.Right;
    const int y = skinned ? area.Top : area.Top + (area.Height() - kBuiltInButton.height()) / 2;
    const auto place = [&](TskSkinStdButtonObject* b) {
        const QSize s = size(b);
        b->ObjectRect = {x - s.width(), y, x, y + s.height()};
        x -= s.width() + offset;
    };
    for (TskStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
        for (const auto& o : objects_)
            if (auto* b = dynamic_cast<TskSkinStdButtonObject*>(o.get()); b && b->Command == c && laidOut(b)) {
                place(b);
                break;
            }
    for (const auto& o : objects_)
        if (auto* b = dynamic_cast<TskSkinStdButtonObject*>(o.get()); b && b->Command == cmDefault && laidOut(b))
            place(b);
    TskSkinCaptionObject* caption = Caption();
    if (caption && geometry_.buttonsRect.IsEmpty())
        caption->ObjectRect.Right = x + offset;
    TskSkinStdButtonObject* sys = Button(cmSysMenu);
    if (!sys || !laidOut(sys))
        return;
    const QSize s = size(sys);
    const TskRect& cr = geometry_.captionRect;
    const int top = cr.Top + cr.Height() / 2 - s.height() / 2;
    sys->ObjectRect = {cr.Left, top, cr.Left + s.width(), top + s.height()};
    if (caption)
        caption->ObjectRect.Left = sys->ObjectRect.Right;
}

TskSkinStdButtonObject* TskSkinForm::Button(TskStdCommand command) const
{
    for (const auto& o : objects_)
        if (auto* b = dynamic_cast<TskSkinStdButtonObject*>(o.get()); b && b->Command == command && b->Visible)
            return b;
    return nullptr;
}

TskSkinCaptionObject* TskSkinForm::Caption() const
{
    for (const auto& o : objects_)
        if (auto* c = dynamic_cast<TskSkinCaptionObject*>(o.get()))
            return c;
    return nullptr;
}

// ---- painting ----

void TskSkinForm::PaintFrame(QPainter& p)
{
    // A hidden window hears of its new size only when shown.
    if (QSize(geometry_.W, geometry_.H) != form_->size())
        UpdateGeometry();
    const QSize minimum = MinimumSize();
    if (geometry_.W < minimum.width() || geometry_.H < minimum.height())
        return;
    if (SkinApplied())
        PaintSkinFrame(p);
    else
        PaintBuiltInFrame(p);
    PaintObjects(p);
}

void TskSkinForm::PaintSkinFrame(QPainter& p)
{
    const QImage& inactive = skinData_->InactivePicture();
    const QImage& pic = formActive_ || inactive.isNull() ? skinData_->MainPicture() : inactive;
    DrawSkinFrame(p, pic, FrameCut(skinData_->FormInfo(), pic.size()), QRect(0, 0, geometry_.W, geometry_.H));
}

void TskSkinForm::PaintBuiltInFrame(QPainter& p)
{
    const QRect window(0, 0, geometry_.W, geometry_.H);
    const QRegion frame = QRegion(window) - QRegion(geometry_.clientRect.ToQRect());
    for (const QRect& r : frame)
        p.fillRect(r, ColorToQColor(clBtnFace));
    DrawBevelFrame(p, window, bvRaised);
}

void TskSkinForm::PaintObjects(QPainter& p)
{
    for (const auto& o : objects_)
        if (o->Visible)
            o->Draw(p);
}

void TskSkinForm::RepaintObject(const TskActiveSkinObject& object)
{
    form_->update(object.ObjectRect.ToQRect());
}

QString TskSkinForm::CaptionText() const
{
    return form_->windowTitle();
}

// ---- window state ----

void TskSkinForm::Maximize()
{
    if (restoreBounds_.isEmpty())
        restoreBounds_ = form_->geometry();
    const QScreen* screen = form_->screen();
    state_ = wsMaximized;
    form_->setGeometry(MaximizeOnFullScreen ? screen->geometry() : screen->availableGeometry());
    form_->update();
    if (OnMaximize)
        OnMaximize(this);
}

void TskSkinForm::Restore()
{
    if (state_ == wsMinimized)
        form_->showNormal();
    else if (!restoreBounds_.isEmpty())
        form_->setGeometry(restoreBounds_);
    restoreBounds_ = {};
    state_ = wsNormal;
    form_->update();
    if (OnRestore)
        OnRestore(this);
}

void TskSkinForm::Minimize()
{
    // The main window minimizes the whole program; the frame's own state stays.
    form_->showMinimized();
    if (OnMinimize)
        OnMinimize(this);
}

void TskSkinForm::RunCommand(TskStdCommand command)
{
    switch (command) {
    case cmClose:
        form_->close();
        break;
    case cmMaximize:
        state_ == wsMaximized ? Restore() : Maximize();
        break;
    case cmMinimize:
        state_ == wsMinimized ? Restore() : Minimize();
        break;
    default:
        break;
    }
}

// ---- system menu ----

QRect TskSkinForm::SystemMenuAnchor() const
{
    TskSkinStdButtonObject* button = Button(cmSysMenu);
    const QRect r = button ? button->ObjectRect.ToQRect() : geometry_.captionRect.ToQRect();
    return QRect(form_->mapToGlobal(r.topLeft()), r.size());
}

void TskSkinForm::ShowSystemMenu(const QRect& anchor)
{
    if (!(borderIcons_ & biSystemMenu))
        return;
    if (skinMenu_->Root() == &systemMenu_)
        skinMenu_->CloseMenu();  // its items are about to be rebuilt
    TskSystemMenuState state;
    state.BorderIcons = borderIcons_;
    state.Minimized = state_ == wsMinimized;
    state.Maximized = state_ == wsMaximized;
    TskSystemMenuCommands commands;
    commands.Minimize = [this] { Minimize(); };
    commands.Maximize = [this] { Maximize(); };
    commands.Restore = [this] { Restore(); };
    commands.Close = [this] { form_->close(); };
    BuildSystemMenu(systemMenu_, state, commands);
    // The system-menu button pressed to open it comes up when the menu closes.
    if (TskSkinStdButtonObject* button = Button(cmSysMenu); button && button->Down)
        skinMenu_->OnMenuClose = [this] {
            pressedIndex_ = -1;
            if (TskSkinStdButtonObject* b = Button(cmSysMenu))
                b->MenuClosed();
        };
    skinMenu_->ShowMenu(nullptr, MenusSkinData ? MenusSkinData : skinData_, false, &systemMenu_, anchor, 0);
}

void TskSkinForm::ShowSystemMenuUnderButton()
{
    ShowSystemMenu(SystemMenuAnchor());
}

void TskSkinForm::ShowSystemMenuAt(QPoint globalPos)
{
    ShowSystemMenu(QRect(globalPos, QSize(0, 0)));
}

// ---- skin changes ----

namespace {

// Depth first, each control before its children.
void RelayToControls(QWidget* parent, QEvent::Type type, TskSkinData* sender)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        if (type == SKIN_BEGIN_CHANGE) {
            if (auto* control = dynamic_cast<TskSkinControl*>(w))
                control->SkinChanging();
        } else if (auto* skinned = dynamic_cast<TskSkinProperties*>(w);
                   skinned && (!sender || skinned->SkinData() == sender)) {
            skinned->SkinChanged();
        }
        RelayToControls(w, type, sender);
    }
}

}  // namespace

void TskSkinForm::RelaySkinChange(QEvent::Type type, TskSkinData* sender)
{
    const bool ours = sender && sender == skinData_;
    if (type == SKIN_BEGIN_CHANGE) {
        if (!ours)
            return;
        trackTimer_.stop();
        overIndex_ = pressedIndex_ = -1;
        objects_.clear();
    } else if (ours) {
        Apply();
    }
    RelayToControls(form_, type, sender);
}

bool TskSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_)
        return false;
    const QEvent::Type type = event->type();
    if (type == SKIN_BEGIN_CHANGE || type == SKIN_CHANGED) {
        RelaySkinChange(type, static_cast<TskSkinChangeEvent*>(event)->SkinData());
        return false;
    }
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    const bool inFrame = mouse && !RectContains(geometry_.clientRect, {int(mouse->position().x()),
                                                                      int(mouse->position().y())});
    switch (type) {
    case QEvent::Paint: {
        QPainter p(form_);
        p.setClipRegion(static_cast<QPaintEvent*>(event)->region());
        PaintFrame(p);
        return false;  // the window's own painting of its client area follows
    }
    case QEvent::Resize:
        UpdateGeometry();
        return false;
    case QEvent::MouseButtonPress:
        if (inFrame)
            MousePress(mouse);
        return inFrame;
    case QEvent::MouseMove:
        MouseMove(mouse);
        return inFrame;
    case QEvent::MouseButtonRelease:
        MouseRelease(mouse);
        return inFrame;
    case QEvent::MouseButtonDblClick:
        if (inFrame)
            MouseDoubleClick(mouse);
        return inFrame;
    case QEvent::Leave:
        if (pressedIndex_ < 0)
            ClearMouseOver();
        return false;
    case QEvent::ActivationChange:
        ActivationChanged();
        return false;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        form_->update(QRegion(form_->rect()) - QRegion(geometry_.clientRect.ToQRect()));
        return false;
    case QEvent::Hide:
        ClearMouseOver();
        return false;
    default:
        return false;
    }
}

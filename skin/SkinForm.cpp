#include "skin/SkinForm.h"

#include "skin/SkinMenus.h"

#include <QShortcut>
#include <QWidget>

namespace {
// Without a skin the frame cannot be made smaller than this.
constexpr int kBuiltInMinWidth = 130;
}  // namespace

TskSkinForm::TskSkinForm(QWidget* form) : QObject(form), form_(form), skinMenu_(new TskSkinMenu(this))
{
    auto* sysMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form_);
    connect(sysMenuKey, &QShortcut::activated, this, [this] { ShowSystemMenu(SystemMenuAnchor()); });
    ApplyFlags();
    ApplySizeLimits();
}

void TskSkinForm::SetSizeable(bool v)
{
    sizeable_ = v;
    ApplySizeLimits();
}

void TskSkinForm::SetBorderIcons(TskBorderIcons v)
{
    borderIcons_ = v;
    ApplyFlags();
}

void TskSkinForm::SetMinWidth(int v)
{
    minWidth_ = v;
    ApplySizeLimits();
}

void TskSkinForm::SetMinHeight(int v)
{
    minHeight_ = v;
    ApplySizeLimits();
}

void TskSkinForm::SetMaxWidth(int v)
{
    maxWidth_ = v;
    ApplySizeLimits();
}

void TskSkinForm::SetMaxHeight(int v)
{
    maxHeight_ = v;
    ApplySizeLimits();
}

void TskSkinForm::ApplySizeLimits()
{
    if (!sizeable_) {
        // The border does not size the window; maximizing still may.
        form_->setFixedSize(form_->size());
        return;
    }
    form_->setMinimumSize(minWidth_ > 0 ? minWidth_ : kBuiltInMinWidth, minHeight_);
    form_->setMaximumSize(maxWidth_ > 0 ? maxWidth_ : QWIDGETSIZE_MAX, maxHeight_ > 0 ? maxHeight_ : QWIDGETSIZE_MAX);
}

void TskSkinForm::ApplyFlags()
{
    const bool visible = form_->isVisible();
    Qt::WindowFlags f = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (borderIcons_ & biSystemMenu)
        f |= Qt::WindowSystemMenuHint;
    if (borderIcons_ & biMinimize)
        f |= Qt::WindowMinimizeButtonHint;
    if (borderIcons_ & biMaximize)
        f |= Qt::WindowMaximizeButtonHint;
    form_->setWindowFlags(f);
    if (visible)
        form_->show();
}

QRect TskSkinForm::SystemMenuAnchor() const
{
    // The place of the system-menu icon at the frame's top-left.
    return QRect(form_->mapToGlobal(QPoint(5, 4)), QSize(16, 16));
}

void TskSkinForm::ShowSystemMenu(const QRect& anchor)
{
    if (!(borderIcons_ & biSystemMenu))
        return;
    if (skinMenu_->Root() == &systemMenu_)
        skinMenu_->CloseMenu();  // its items are about to be rebuilt
    TskSystemMenuState state;
    state.BorderIcons = borderIcons_;
    state.Minimized = form_->isMinimized();
    state.Maximized = form_->isMaximized();
    TskSystemMenuCommands commands;
    commands.Minimize = [this] { form_->showMinimized(); };
    commands.Maximize = [this] { form_->showMaximized(); };
    commands.Restore = [this] { form_->showNormal(); };
    commands.Close = [this] { form_->close(); };
    BuildSystemMenu(systemMenu_, state, commands);
    skinMenu_->ShowMenu(nullptr, MenusSkinData ? MenusSkinData : skinData_, false, &systemMenu_, anchor, 0);
}

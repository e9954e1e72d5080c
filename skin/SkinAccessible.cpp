#include "skin/SkinAccessible.h"

#include "skin/SkinBoxCtrls.h"
#include "skin/SkinCtrls.h"
#include "skin/SkinForm.h"
#include "skin/SkinMenus.h"
#include "skin/SkinTabs.h"
#include "toolkit/AccessibleParts.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace {

// A caption as words: accelerator marks removed ("&&" stays one "&").
QString Words(QString caption)
{
    caption.replace(QLatin1String("&&"), QString(QChar(0x1)));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(0x1), QLatin1Char('&'));
    return caption.trimmed();
}

QString CaptionOf(const QWidget* w)
{
    if (auto* b = dynamic_cast<const TskSkinButton*>(w))
        return b->Caption();
    if (auto* c = dynamic_cast<const TskSkinCheckRadioBox*>(w))
        return c->Caption();
    if (auto* l = dynamic_cast<const TskSkinLabel*>(w))
        return l->Caption();
    if (auto* l = dynamic_cast<const TskSkinStdLabel*>(w))
        return l->Caption();
    if (auto* l = dynamic_cast<const TskSkinShadowLabel*>(w))
        return l->Caption();
    return {};
}

// The way a user acts on these controls: a left click in their middle. Going
// through the control's own mouse handling keeps every rule of a real click.
void ClickCentre(QWidget* w)
{
    const QPointF centre = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(w, &release);
}

// Buttons, check boxes, labels and links: a role, the caption as name, one action.
class TskControlAccessible : public QAccessibleWidget {
public:
    TskControlAccessible(QWidget* w, QAccessible::Role role, QString action)
        : QAccessibleWidget(w, role), action_(std::move(action))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Name)
            s = Words(CaptionOf(widget()));
        return s;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (auto* b = dynamic_cast<const TskSkinButton*>(widget())) {
            s.pressed = b->Down();
            s.focusable = b->CanFocused();
        }
        if (auto* c = dynamic_cast<const TskSkinCheckRadioBox*>(widget())) {
            s.checkable = true;
            s.checked = c->State() == cbChecked;
            s.checkStateMixed = c->State() == cbGrayed;
            s.focusable = c->CanFocused();
        }
        if (role() == QAccessible::StaticText)
            s.focusable = false;
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (!action_.isEmpty())
            names.prepend(action_);
        return names;
    }
    void doAction(const QString& name) override
    {
        if (name == action_ && widget()->isEnabled())
            ClickCentre(widget());
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QString action_;
};

// The password field: an editable text whose characters are never told, only their count.
class TskPasswordAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TskPasswordAccessible(TskSkinPasswordEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    TskSkinPasswordEdit* Edit() const { return static_cast<TskSkinPasswordEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Masked(0, characterCount());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.passwordEdit = true;
        s.editable = !Edit()->ReadOnly();
        s.readOnly = Edit()->ReadOnly();
        s.focusable = true;
        s.selectableText = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->SelLength() > 0) {
            *start = Edit()->SelStart();
            *end = Edit()->SelStart() + Edit()->SelLength();
        }
    }
    int selectionCount() const override { return Edit()->SelLength() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return Edit()->CaretPos(); }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Masked(start, end); }
    int characterCount() const override { return int(Edit()->Text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = *end = 0;
        return {};
    }

private:
    QString Masked(int start, int end) const
    {
        start = std::clamp(start, 0, characterCount());
        end = std::clamp(end, start, characterCount());
        return QString(end - start, QChar(0x25CF));
    }
};

// One tab of a page control; it reads the page every time it is asked.
class TskPageTabAccessible : public TAccessiblePart, public QAccessibleActionInterface {
public:
    TskPageTabAccessible(TskSkinPageControl* control, TskSkinCustomTabSheet* page) : control_(control), page_(page) {}

    bool isValid() const override { return control_ && page_ && VisibleIndex() >= 0; }
    QWindow* window() const override { return control_ ? control_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? Words(page_->Caption()) : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = control_->ActivePage() == page_;
        s.focusable = true;
        s.focused = s.selected && control_->hasFocus();
        s.disabled = !control_->isEnabled();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = control_->TabRect(VisibleIndex());
        return QRect(control_->mapToGlobal(r.topLeft()), r.size());
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && control_->isEnabled())
            control_->SetActivePage(page_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    TskSkinCustomTabSheet* Page() const { return page_; }

private:
    int VisibleIndex() const { return int(control_->VisiblePages().indexOf(page_)); }

    QPointer<TskSkinPageControl> control_;
    QPointer<TskSkinCustomTabSheet> page_;
};

// A page control: its visible tabs first, then the pages themselves.
class TskPageControlAccessible : public QAccessibleWidget {
public:
    explicit TskPageControlAccessible(TskSkinPageControl* control) : QAccessibleWidget(control, QAccessible::PageTabList) {}

    TskSkinPageControl* Control() const { return static_cast<TskSkinPageControl*>(widget()); }

    int childCount() const override { return TabCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        const QVector<TskSkinCustomTabSheet*> pages = Control()->VisiblePages();
        if (index < pages.size())
            return Tab(pages[index]);
        return QAccessibleWidget::child(index - int(pages.size()));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* tab = dynamic_cast<const TskPageTabAccessible*>(child))
            return int(Control()->VisiblePages().indexOf(tab->Page()));
        const int i = QAccessibleWidget::indexOfChild(child);
        return i < 0 ? -1 : i + TabCount();
    }

private:
    int TabCount() const { return int(Control()->VisiblePages().size()); }
    QAccessibleInterface* Tab(TskSkinCustomTabSheet* page) const
    {
        return tabs_.Get(page, [&] { return new TskPageTabAccessible(Control(), page); });
    }

    mutable TAccessibleParts<const QWidget*> tabs_;
};

// One item of an open menu level.
class TskMenuItemAccessible : public TAccessiblePart, public QAccessibleActionInterface {
public:
    TskMenuItemAccessible(TskSkinPopupWindow* popup, int index) : popup_(popup), index_(index) {}

    bool isValid() const override { return popup_ && index_ < popup_->ItemCount(); }
    QWindow* window() const override { return popup_ ? popup_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(popup_); }
    QAccessible::Role role() const override
    {
        return isValid() && Item()->IsLine() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || Item()->IsLine())
            return {};
        if (t == QAccessible::Name)
            return Words(Item()->MenuItem->Caption);
        if (t == QAccessible::Accelerator)
            return Item()->MenuItem->ShortCutText();
        return {};
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const TMenuItem& item = *Item()->MenuItem;
        s.disabled = !item.Enabled;
        s.focusable = Item()->Selectable();
        s.focused = s.hotTracked = popup_->ActiveIndex() == index_;
        s.checkable = item.Checked || item.RadioItem;
        s.checked = item.Checked;
        s.hasPopup = Item()->HasChildren();
        s.invisible = !Item()->Visible;
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = Item()->ItemRect;
        return QRect(popup_->mapToGlobal(r.topLeft()), r.size());
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && Item()->Selectable() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && Item()->Selectable())
            popup_->ItemClick(index_);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QString shortcut = isValid() ? Item()->MenuItem->ShortCutText() : QString();
        return name == pressAction() && !shortcut.isEmpty() ? QStringList{shortcut} : QStringList();
    }

    int Index() const { return index_; }

private:
    TskSkinMenuItem* Item() const { return popup_->Item(index_); }

    QPointer<TskSkinPopupWindow> popup_;
    int index_;
};

// An open menu level and its items.
class TskPopupAccessible : public QAccessibleWidget {
public:
    explicit TskPopupAccessible(TskSkinPopupWindow* popup) : QAccessibleWidget(popup, QAccessible::PopupMenu) {}

    TskSkinPopupWindow* Popup() const { return static_cast<TskSkinPopupWindow*>(widget()); }

    int childCount() const override { return Popup()->ItemCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return items_.Get(index, [&] { return new TskMenuItemAccessible(Popup(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const TskMenuItemAccessible*>(child);
        return item ? item->Index() : -1;
    }

private:
    mutable TAccessibleParts<int> items_;
};

// A caption button the frame draws: Close, Maximize (Restore), Minimize, System menu.
class TskCaptionButtonAccessible : public TAccessiblePart, public QAccessibleActionInterface {
public:
    TskCaptionButtonAccessible(TskSkinForm* frame, TskStdCommand command) : frame_(frame), command_(command) {}

    bool isValid() const override { return frame_ && Button(); }
    QWindow* window() const override { return frame_ ? frame_->Form()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return frame_ ? QAccessible::queryAccessibleInterface(frame_->Form()) : nullptr;
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        switch (command_) {
        case cmClose: return QStringLiteral("Close");
        case cmMaximize:
            return frame_->WindowState() == wsMaximized ? QStringLiteral("Restore") : QStringLiteral("Maximize");
        case cmMinimize: return QStringLiteral("Minimize");
        case cmSysMenu: return QStringLiteral("System menu");
        default: return {};
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (isValid()) {
            s.disabled = !Button()->Enabled;
            s.hotTracked = Button()->Active;
            s.hasPopup = command_ == cmSysMenu;
        }
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = Button()->ObjectRect.ToQRect();
        return QRect(frame_->Form()->mapToGlobal(r.topLeft()), r.size());
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !isValid() || !Button()->Enabled)
            return;
        if (command_ == cmSysMenu)
            frame_->ShowSystemMenuUnderButton();
        else
            frame_->RunCommand(command_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    TskStdCommand Command() const { return command_; }

private:
    TskSkinStdButtonObject* Button() const { return frame_->Button(command_); }

    QPointer<TskSkinForm> frame_;
    TskStdCommand command_;
};

// A skinned window: its widgets, then the caption buttons its frame draws.
class TskFrameAccessible : public QAccessibleWidget {
public:
    TskFrameAccessible(QWidget* form, TskSkinForm* frame) : QAccessibleWidget(form, QAccessible::Window), frame_(frame) {}

    int childCount() const override { return QAccessibleWidget::childCount() + int(Shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<TskStdCommand> shown = Shown();
        return index - widgets < int(shown.size()) ? Button(shown[std::size_t(index - widgets)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* button = dynamic_cast<const TskCaptionButtonAccessible*>(child)) {
            const std::vector<TskStdCommand> shown = Shown();
            const auto it = std::find(shown.begin(), shown.end(), button->Command());
            return it == shown.end() ? -1 : QAccessibleWidget::childCount() + int(it - shown.begin());
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    std::vector<TskStdCommand> Shown() const
    {
        std::vector<TskStdCommand> shown;
        for (TskStdCommand c : {cmSysMenu, cmMinimize, cmMaximize, cmClose}) {
            if (frame_ && frame_->Button(c))
                shown.push_back(c);
        }
        return shown;
    }
    QAccessibleInterface* Button(TskStdCommand command) const
    {
        return buttons_.Get(int(command), [&] { return new TskCaptionButtonAccessible(frame_, command); });
    }

    QPointer<TskSkinForm> frame_;
    mutable TAccessibleParts<int> buttons_;
};

QAccessibleInterface* SkinFactory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (w->isWindow()) {
        if (auto* frame = w->findChild<TskSkinForm*>(QString(), Qt::FindDirectChildrenOnly))
            return new TskFrameAccessible(w, frame);
    }
    if (dynamic_cast<TskSkinButton*>(w))
        return new TskControlAccessible(w, QAccessible::Button, QAccessibleActionInterface::pressAction());
    if (auto* box = dynamic_cast<TskSkinCheckRadioBox*>(w))
        return new TskControlAccessible(w, box->Radio() ? QAccessible::RadioButton : QAccessible::CheckBox,
                                        QAccessibleActionInterface::toggleAction());
    if (dynamic_cast<TskSkinLinkLabel*>(w))
        return new TskControlAccessible(w, QAccessible::Link, QAccessibleActionInterface::pressAction());
    if (dynamic_cast<TskSkinLabel*>(w) || dynamic_cast<TskSkinStdLabel*>(w) || dynamic_cast<TskSkinShadowLabel*>(w))
        return new TskControlAccessible(w, QAccessible::StaticText, QString());
    if (auto* edit = dynamic_cast<TskSkinPasswordEdit*>(w))
        return new TskPasswordAccessible(edit);
    if (auto* control = dynamic_cast<TskSkinPageControl*>(w))
        return new TskPageControlAccessible(control);
    if (auto* popup = dynamic_cast<TskSkinPopupWindow*>(w))
        return new TskPopupAccessible(popup);
    if (dynamic_cast<TskSkinPanel*>(w))
        return new QAccessibleWidget(w, QAccessible::Pane);
    return nullptr;
}

}  // namespace

void InstallSkinAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(SkinFactory);
        return true;
    }();
    (void)installed;
}

namespace SkinAccessibility {

void StateChanged(QWidget* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void NameChanged(QWidget* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void MenuOpened(QWidget* popup)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(popup, QAccessible::PopupMenuStart);
    QAccessible::updateAccessibility(&event);
}

void MenuItemHighlighted(QWidget* popup, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(popup, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void PageChanged(TskSkinPageControl* pageControl)
{
    if (!QAccessible::isActive() || pageControl->TabIndex() < 0)
        return;
    QAccessibleEvent event(pageControl, QAccessible::Selection);
    event.setChild(pageControl->TabIndex());
    QAccessible::updateAccessibility(&event);
}

}  // namespace SkinAccessibility

#pragma once
// The skinned controls as screen readers and automation see them: buttons,
// check boxes, the password field, labels, links and the page tabs, each with
// its role, name, state and actions. They paint themselves, so without this a
// reader would find unnamed blanks.
class QWidget;
class TskSkinPageControl;

// Registers the skinned controls' interfaces with Qt's accessibility (once per process).
void InstallSkinAccessibility();

namespace SkinAccessibility {

// A control's checked, pressed or selected state changed.
void StateChanged(QWidget* control);
// A label's caption, and so its name, changed: a count or a countdown moved on.
void NameChanged(QWidget* control);
// A menu level opened, and the item it highlights now.
void MenuOpened(QWidget* popup);
void MenuItemHighlighted(QWidget* popup, int index);
// A page control shows another page.
void PageChanged(TskSkinPageControl* pageControl);

}  // namespace SkinAccessibility

#include "toolkit/Align.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr const char* kAlignProperty = "hlAlign";
constexpr const char* kAlignHiddenProperty = "hlAlignHidden";

// Watches one parent: its resizes, and the resizes/visibility of its docked
// children, trigger a new alignment pass.
class TAlignWatcher : public QObject {
public:
    explicit TAlignWatcher(QWidget* parent) : QObject(parent), parent_(parent)
    {
        parent->installEventFilter(this);
    }

    void Watch(QWidget* child)
    {
        if (!watched_.contains(child)) {
            watched_.append(child);
            child->installEventFilter(this);
        }
    }

    bool Busy() const { return busy_; }
    void SetBusy(bool b) { busy_ = b; }

protected:
    bool eventFilter(QObject*, QEvent* ev) override
    {
        switch (ev->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (!busy_)
                AlignControls(parent_);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* parent_;
    QList<QPointer<QWidget>> watched_;
    bool busy_ = false;
};

int lockDepth = 0;
QList<QPointer<QWidget>> lockedParents;

TAlignWatcher* WatcherOf(QWidget* parent, bool create)
{
    for (QObject* o : parent->children())
        if (auto* w = dynamic_cast<TAlignWatcher*>(o))
            return w;
    return create ? new TAlignWatcher(parent) : nullptr;
}

// Edge order of the toolkit: top and bottom span the full width first, then
// left and right share the remaining height, then the client.
constexpr TAlign kOrder[] = {alTop, alBottom, alLeft, alRight, alClient};

std::vector<QWidget*> DockedChildren(const QWidget* parent, TAlign align, const QWidget* except)
{
    std::vector<QWidget*> list;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == except || w->isWindow() || GetAlign(w) != align)
            continue;
        if (w->isHidden() && !w->property(kAlignHiddenProperty).toBool())
            continue;
        list.push_back(w);
    }
    // Nearer the edge first: by the side facing the edge, then (for a control
    // collapsed to nothing beside a splitter) by the side facing away from it.
    const auto key = [align](const QWidget* w) {
        const QRect g = w->geometry();
        const int right = g.left() + g.width();
        const int bottom = g.top() + g.height();
        switch (align) {
        case alTop: return std::pair(g.top(), bottom);
        case alBottom: return std::pair(-bottom, -g.top());
        case alLeft: return std::pair(g.left(), right);
        case alRight: return std::pair(-right, -g.left());
        default: return std::pair(0, 0);
        }
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
    return list;
}

// Places `w` at its edge of `area` and shrinks `area` by it; returns the new geometry.
QRect Dock(QRect& area, const QWidget* w, TAlign align)
{
    QRect r;
    const int width = std::max(0, w->width());
    const int height = std::max(0, w->height());
    switch (align) {
    case alTop:
        r = QRect(area.left(), area.top(), area.width(), height);
        area.setTop(area.top() + height);
        break;
    case alBottom:
        r = QRect(area.left(), area.top() + area.height() - height, area.width(), height);
        area.setHeight(area.height() - height);
        break;
    case alLeft:
        r = QRect(area.left(), area.top(), width, area.height());
        area.setLeft(area.left() + width);
        break;
    case alRight:
        r = QRect(area.left() + area.width() - width, area.top(), width, area.height());
        area.setWidth(area.width() - width);
        break;
    case alClient:
        r = area;
        break;
    case alNone:
        break;
    }
    // A parent too small for its docked children leaves them at zero size, never negative.
    if (area.width() < 0)
        area.setWidth(0);
    if (area.height() < 0)
        area.setHeight(0);
    r.setWidth(std::max(0, r.width()));
    r.setHeight(std::max(0, r.height()));
    return r;
}

QRect RunLayout(const QWidget* parent, const QWidget* except, bool apply)
{
    QRect area = parent->contentsRect();
    for (TAlign align : kOrder)
        for (QWidget* w : DockedChildren(parent, align, except)) {
            const QRect r = Dock(area, w, align);
            if (apply && w->geometry() != r) {
                const bool resized = w->size() != r.size();
                w->setGeometry(r);
                // Hidden widgets get their resize event only when shown; lay out
                // their own children now so every page is right before it appears.
                if (resized)
                    AlignControls(w);
            }
        }
    return area;
}

}  // namespace

void SetAlign(QWidget* control, TAlign align)
{
    control->setProperty(kAlignProperty, int(align));
    QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    TAlignWatcher* watcher = WatcherOf(parent, true);
    watcher->Watch(control);
    AlignControls(parent);
}

void SetAlignWhenHidden(QWidget* control, bool v)
{
    control->setProperty(kAlignHiddenProperty, v);
}

TAlign GetAlign(const QWidget* control)
{
    const QVariant v = control->property(kAlignProperty);
    return v.isValid() ? TAlign(v.toInt()) : alNone;
}

TAlignLock::TAlignLock()
{
    ++lockDepth;
}

TAlignLock::~TAlignLock()
{
    if (--lockDepth > 0)
        return;
    const QList<QPointer<QWidget>> parents = std::exchange(lockedParents, {});
    for (const QPointer<QWidget>& parent : parents)
        if (parent)
            AlignControls(parent);
}

void AlignControls(QWidget* parent)
{
    if (lockDepth > 0) {
        if (!lockedParents.contains(parent))
            lockedParents.append(parent);
        return;
    }
    TAlignWatcher* watcher = WatcherOf(parent, false);
    if (watcher && watcher->Busy())
        return;
    if (watcher)
        watcher->SetBusy(true);
    RunLayout(parent, nullptr, true);
    if (watcher)
        watcher->SetBusy(false);
}

QRect ClientAreaLeft(const QWidget* parent, const QWidget* except)
{
    return RunLayout(parent, except, false);
}

#include "toolkit/Splitter.h"

#include "toolkit/Graphics.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The hatched line that follows the mouse while dragging.
class TPatternLine : public QWidget {
public:
    explicit TPatternLine(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QBrush(ColorToQColor(clGray), Qt::Dense4Pattern));
    }
};
}  // namespace

TSplitter::TSplitter(QWidget* parent) : QWidget(parent)
{
    resize(3, 100);
}

void TSplitter::SetAlign(TAlign align)
{
    ::SetAlign(this, align);
    setCursor(Horizontal() ? Qt::SplitVCursor : Qt::SplitHCursor);
}

bool TSplitter::Horizontal() const
{
    const TAlign a = Align();
    return a == alTop || a == alBottom;
}

QWidget* TSplitter::ResizeControl() const
{
    QWidget* parent = parentWidget();
    if (!parent)
        return nullptr;
    const TAlign a = Align();
    const QRect me = geometry();
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == this || w->isHidden() || GetAlign(w) != a)
            continue;
        const QRect g = w->geometry();
        const bool touches = (a == alLeft && g.left() + g.width() == me.left())
                             || (a == alRight && g.left() == me.left() + me.width())
                             || (a == alTop && g.top() + g.height() == me.top())
                             || (a == alBottom && g.top() == me.top() + me.height());
        if (touches)
            return w;
    }
    return nullptr;
}

void TSplitter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ColorToQColor(clBtnFace));
}

void TSplitter::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    control_ = ResizeControl();
    if (!control_)
        return;
    dragging_ = true;
    downPos_ = mapToParent(e->position().toPoint());
    startSize_ = Horizontal() ? control_->height() : control_->width();
    // The client area may shrink to MinSize, never below.
    const QRect left = ClientAreaLeft(parentWidget());
    maxSize_ = startSize_ + (Horizontal() ? left.height() : left.width()) - minSize_;
    maxSize_ = std::max(maxSize_, startSize_);
    newSize_ = startSize_;
    if (resizeStyle_ == rsPattern || resizeStyle_ == rsLine)
        ShowPattern(newSize_);
}

int TSplitter::SizeFor(QPoint parentPos) const
{
    const QPoint d = parentPos - downPos_;
    const TAlign a = Align();
    int delta = 0;
    switch (a) {
    case alLeft: delta = d.x(); break;
    case alRight: delta = -d.x(); break;
    case alTop: delta = d.y(); break;
    case alBottom: delta = -d.y(); break;
    default: break;
    }
    int size = std::min(startSize_ + delta, maxSize_);
    if (size < minSize_)
        size = autoSnap_ ? 0 : minSize_;
    return size;
}

void TSplitter::mouseMoveEvent(QMouseEvent* e)
{
    if (!dragging_)
        return;
    newSize_ = SizeFor(mapToParent(e->position().toPoint()));
    if (resizeStyle_ == rsUpdate)
        ApplySize(newSize_);
    else if (pattern_)
        ShowPattern(newSize_);
}

void TSplitter::mouseReleaseEvent(QMouseEvent* e)
{
    if (!dragging_ || e->button() != Qt::LeftButton)
        return;
    newSize_ = SizeFor(mapToParent(e->position().toPoint()));
    dragging_ = false;
    HidePattern();
    ApplySize(newSize_);
    control_ = nullptr;
    if (OnMoved)
        OnMoved(this);
}

QRect TSplitter::LineFor(int size) const
{
    // Where the splitter sits beside the control at `size`.
    const QRect c = control_->geometry();
    QRect line = geometry();
    switch (Align()) {
    case alLeft: line.moveLeft(c.left() + size); break;
    case alRight: line.moveLeft(c.left() + c.width() - size - width()); break;
    case alTop: line.moveTop(c.top() + size); break;
    case alBottom: line.moveTop(c.top() + c.height() - size - height()); break;
    default: break;
    }
    return line;
}

void TSplitter::ShowPattern(int size)
{
    if (!pattern_)
        pattern_ = new TPatternLine(parentWidget());
    pattern_->setGeometry(LineFor(size));
    pattern_->raise();
    pattern_->show();
    pattern_->update();
}

QRect TSplitter::DragLine() const
{
    return pattern_ && pattern_->isVisible() ? pattern_->geometry() : QRect();
}

void TSplitter::HidePattern()
{
    delete pattern_;
    pattern_ = nullptr;
}

void TSplitter::ApplySize(int size)
{
    if (!control_)
        return;
    const QRect c = control_->geometry();
    QRect r = c;
    switch (Align()) {
    case alLeft: r.setWidth(size); break;
    case alRight: r = QRect(c.left() + c.width() - size, c.top(), size, c.height()); break;
    case alTop: r.setHeight(size); break;
    case alBottom: r = QRect(c.left(), c.top() + c.height() - size, c.width(), size); break;
    default: break;
    }
    // The splitter moves first, so the new positions keep the docking order.
    setGeometry(LineFor(size));
    control_->setGeometry(r);
    AlignControls(parentWidget());
}

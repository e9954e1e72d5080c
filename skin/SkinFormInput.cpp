// The frame's answers to the mouse: hit-testing, the caption buttons'
// press and release, mouse-over tracking, and moving and sizing the window.
#include "skin/SkinForm.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

Qt::Edges EdgesOf(TskHitCode code)
{
    switch (code) {
    case htLeft: return Qt::LeftEdge;
    case htRight: return Qt::RightEdge;
    case htTop: return Qt::TopEdge;
    case htBottom: return Qt::BottomEdge;
    case htTopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case htTopRight: return Qt::TopEdge | Qt::RightEdge;
    case htBottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case htBottomRight: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

Qt::CursorShape CursorOf(TskHitCode code)
{
    switch (code) {
    case htLeft:
    case htRight: return Qt::SizeHorCursor;
    case htTop:
    case htBottom: return Qt::SizeVerCursor;
    case htTopLeft:
    case htBottomRight: return Qt::SizeFDiagCursor;
    case htTopRight:
    case htBottomLeft: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

bool IsSizing(TskHitCode code)
{
    return code >= htLeft && code <= htBottomRight;
}

}  // namespace

// ---- hit-test and mouse ----

TskHitTestState TskSkinForm::HitTestState() const
{
    TskHitTestState s;
    s.sizeable = sizeable_;
    s.maximized = state_ == wsMaximized;
    s.minimized = state_ == wsMinimized;
    s.overObject = overIndex_ >= 0;
    s.inMoveSize = drag_.kind == TDrag::dkMove || drag_.kind == TDrag::dkSize;
    for (const auto& o : objects_)
        if (dynamic_cast<const TskSkinCaptionObject*>(o.get()) && o->Visible)
            s.captions.push_back(o->ObjectRect);
    return s;
}

TskHitCode TskSkinForm::HitTest(QPoint windowPoint) const
{
    return FrameHitTest(geometry_, HitTestState(), {windowPoint.x(), windowPoint.y()});
}

int TskSkinForm::ObjectAt(QPoint windowPoint) const
{
    const TskPoint p{windowPoint.x(), windowPoint.y()};
    if (pressedIndex_ >= 0)
        return RectContains(objects_[pressedIndex_]->ObjectRect, p) ? pressedIndex_ : -1;
    for (int i = 0; i < int(objects_.size()); ++i) {
        const TskActiveSkinObject& o = *objects_[i];
        if (o.Enabled && o.Visible && RectContains(o.ObjectRect, p))
            return i;
    }
    return -1;
}

void TskSkinForm::TrackMouse(QPoint windowPoint)
{
    const bool inClient = RectContains(geometry_.clientRect, {windowPoint.x(), windowPoint.y()});
    const int index = inClient ? -1 : ObjectAt(windowPoint);
    if (index != overIndex_) {
        if (overIndex_ >= 0)
            objects_[overIndex_]->MouseLeave();
        overIndex_ = index;
        if (index >= 0)
            objects_[index]->MouseEnter();
    }
    if (overIndex_ >= 0)
        trackTimer_.start();
    else
        trackTimer_.stop();
}

void TskSkinForm::TrackTimerTick()
{
    const QPoint p = form_->mapFromGlobal(QCursor::pos());
    if (form_->rect().contains(p))
        TrackMouse(p);
    else if (pressedIndex_ < 0)
        ClearMouseOver();
}

void TskSkinForm::ClearMouseOver()
{
    if (overIndex_ >= 0)
        objects_[overIndex_]->MouseLeave();
    overIndex_ = -1;
    trackTimer_.stop();
}

void TskSkinForm::UpdateCursor(TskHitCode code)
{
    if (IsSizing(code))
        form_->setCursor(CursorOf(code));
    else
        form_->unsetCursor();
}

void TskSkinForm::MousePress(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    const QPoint global = e->globalPosition().toPoint();
    const TskHitCode code = HitTest(pt);
    drag_ = {};
    if (e->button() == Qt::RightButton) {
        if (code == htCaption)
            ShowSystemMenuAt(global);
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    if (code == htCaption) {
        // The move starts once the pointer is dragged, so a double click stays a click.
        drag_ = {TDrag::dkPendingMove, global, form_->geometry(), {}};
    } else if (IsSizing(code)) {
        StartSizing(code, global);
    } else if (code == htObject) {
        TrackMouse(pt);
        pressedIndex_ = ObjectAt(pt);
        if (pressedIndex_ >= 0)
            objects_[pressedIndex_]->MouseDown(Qt::LeftButton);
    }
}

void TskSkinForm::StartSizing(TskHitCode code, QPoint globalPos)
{
    ClearMouseOver();
    QWindow* window = form_->windowHandle();
    if (window && window->startSystemResize(EdgesOf(code)))
        return;
    drag_ = {TDrag::dkSize, globalPos, form_->geometry(), EdgesOf(code)};
}

bool TskSkinForm::DragMove(QPoint globalPos)
{
    if (drag_.kind == TDrag::dkPendingMove) {
        if ((globalPos - drag_.pressGlobal).manhattanLength() < QApplication::startDragDistance())
            return true;
        ClearMouseOver();
        QWindow* window = form_->windowHandle();
        if (window && window->startSystemMove()) {
            drag_ = {};
            return true;
        }
        drag_.kind = TDrag::dkMove;
    }
    const QPoint d = globalPos - drag_.pressGlobal;
    const QRect& s = drag_.startGeometry;
    if (drag_.kind == TDrag::dkMove) {
        form_->move(s.topLeft() + d);
        return true;
    }
    if (drag_.kind != TDrag::dkSize)
        return false;
    const QSize lo = MinimumSize(), hi = MaximumSize().expandedTo(lo);
    const Qt::Edges edges = drag_.edges;
    const int dw = edges & Qt::LeftEdge ? -d.x() : edges & Qt::RightEdge ? d.x() : 0;
    const int dh = edges & Qt::TopEdge ? -d.y() : edges & Qt::BottomEdge ? d.y() : 0;
    const int w = std::clamp(s.width() + dw, lo.width(), hi.width());
    const int h = std::clamp(s.height() + dh, lo.height(), hi.height());
    const int x = edges & Qt::LeftEdge ? s.right() + 1 - w : s.x();
    const int y = edges & Qt::TopEdge ? s.bottom() + 1 - h : s.y();
    form_->setGeometry(x, y, w, h);
    return true;
}

void TskSkinForm::MouseMove(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    if (DragMove(e->globalPosition().toPoint()))
        return;
    if (pressedIndex_ >= 0) {
        // A pressed button shows itself down only while the pointer is over it.
        TskActiveSkinObject& pressed = *objects_[pressedIndex_];
        const bool over = RectContains(pressed.ObjectRect, {pt.x(), pt.y()});
        if (over != pressed.Active) {
            pressed.Active = over;
            RepaintObject(pressed);
        }
        return;
    }
    TrackMouse(pt);
    UpdateCursor(HitTest(pt));
}

void TskSkinForm::MouseRelease(QMouseEvent* e)
{
    if (drag_.kind != TDrag::dkNone) {
        drag_ = {};
        form_->update();
        return;
    }
    if (pressedIndex_ < 0)
        return;
    auto* button = dynamic_cast<TskSkinStdButtonObject*>(objects_[pressedIndex_].get());
    // The system-menu button stays down until its menu closes.
    if (button && button->Command == cmSysMenu)
        return;
    TskActiveSkinObject& pressed = *objects_[pressedIndex_];
    pressedIndex_ = -1;
    pressed.MouseUp(e->button());
}

void TskSkinForm::MouseDoubleClick(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pt = e->position().toPoint();
    const TskHitCode code = HitTest(pt);
    if (code == htCaption) {
        CaptionDoubleClick();
        return;
    }
    const int index = code == htObject ? ObjectAt(pt) : -1;
    if (index < 0)
        return;
    pressedIndex_ = index;
    objects_[index]->MouseDown(Qt::LeftButton);
    objects_[index]->DblClick();
}

void TskSkinForm::CaptionDoubleClick()
{
    if (!sizeable_)
        return;
    if (state_ != wsNormal)
        Restore();
    else if (borderIcons_ & biMaximize)
        Maximize();
}

void TskSkinForm::ActivationChanged()
{
    formActive_ = form_->isActiveWindow();
    ClearMouseOver();
    form_->update(QRegion(form_->rect()) - QRegion(geometry_.clientRect.ToQRect()));
}


#include "grid/DgScrollControl.h"

#include "toolkit/Graphics.h"
#include "toolkit/Resources.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

// --- scroll bar -------------------------------------------------------------------

TDgScrollBar::TDgScrollBar(QScrollBar* bar, bool autoHide) : bar_(bar), autoHide_(autoHide)
{
    Apply();
}

int TDgScrollBar::Position() const
{
    return bar_->value();
}

int TDgScrollBar::Limit() const
{
    return std::max(0, max_ - pageSize_ + 1);
}

void TDgScrollBar::SetAutoHide(bool value)
{
    autoHide_ = value;
    Apply();
}

void TDgScrollBar::SetParams(int max, int pageSize, int smallChange, int largeChange)
{
    max_ = std::max(0, max);
    pageSize_ = std::max(1, pageSize);
    smallChange_ = std::max(1, smallChange);
    largeChange_ = std::max(1, largeChange);
    Apply();
}

void TDgScrollBar::SetPosition(int value)
{
    bar_->setValue(std::clamp(value, 0, Limit()));
}

void TDgScrollBar::Apply()
{
    bar_->setRange(0, Limit());
    bar_->setPageStep(largeChange_);
    bar_->setSingleStep(smallChange_);
    bar_->setEnabled(HasRange());
}

// --- scrolling base ---------------------------------------------------------------

TDgCustomScrollControl::TDgCustomScrollControl(QWidget* parent) : QAbstractScrollArea(parent)
{
    horz_ = std::make_unique<TDgScrollBar>(horizontalScrollBar(), true);
    vert_ = std::make_unique<TDgScrollBar>(verticalScrollBar(), true);
    // The classic sunken client edge.
    QPalette pal = palette();
    pal.setColor(QPalette::Light, ColorToQColor(clBtnHighlight));
    pal.setColor(QPalette::Midlight, ColorToQColor(cl3DLight));
    pal.setColor(QPalette::Dark, ColorToQColor(clBtnShadow));
    pal.setColor(QPalette::Shadow, ColorToQColor(cl3DDkShadow));
    pal.setColor(QPalette::Window, ColorToQColor(clBtnFace));
    setPalette(pal);
    SetBorderStyle(bsSingle);
    SetHideScrollBar(true);
    // The grid paints every pixel itself.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
}

TDgCustomScrollControl::~TDgCustomScrollControl() = default;

void TDgCustomScrollControl::SetBorderStyle(TBorderStyle value)
{
    borderStyle_ = value;
    if (value == bsSingle) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void TDgCustomScrollControl::SetHideScrollBar(bool value)
{
    hideScrollBar_ = value;
    const Qt::ScrollBarPolicy policy = value ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    horz_->SetAutoHide(value);
    vert_->SetAutoHide(value);
}

int TDgCustomScrollControl::ClientWidth() const
{
    return viewport()->width();
}

int TDgCustomScrollControl::ClientHeight() const
{
    return viewport()->height();
}

void TDgCustomScrollControl::scrollContentsBy(int dx, int dy)
{
    // Qt reports old - new; the grid wants both positions.
    if (dx != 0) {
        const int now = horz_->Position();
        HorzScrolled(now + dx, now);
    }
    if (dy != 0) {
        const int now = vert_->Position();
        VertScrolled(now + dy, now);
    }
}

// --- wheel and roll ------------------------------------------------------------------

namespace {

// The roll indicator: an up triangle, a down triangle and a dot, 32 x 32.
class TRollIndicator : public QWidget {
public:
    TRollIndicator()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFixedSize(32, 32);
        QRegion shape(Shape());
        shape += QRegion(QRect(13, 13, 6, 6), QRegion::Ellipse);
        setMask(shape);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), ColorToQColor(clGrayText));
    }

private:
    static QPolygon Shape()
    {
        QPolygon up({QPoint(16, 2), QPoint(24, 10), QPoint(8, 10)});
        QPolygon down({QPoint(8, 22), QPoint(24, 22), QPoint(16, 30)});
        return up.united(down);
    }
};

}  // namespace

TDgScrollControl::TDgScrollControl(QWidget* parent) : TDgCustomScrollControl(parent) {}

TDgScrollControl::~TDgScrollControl()
{
    delete rollWindow_;
}

void TDgScrollControl::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (EditorOpen())
        return;
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    const bool page = event->modifiers() & Qt::ControlModifier;
    for (int i = 0; i < std::abs(notches); ++i) {
        const bool down = notches < 0;
        if (!mouseWheelEnabled_) {
            bool handled = false;
            auto& handler = down ? OnMouseWheelDown : OnMouseWheelUp;
            if (handler)
                handler(this, event->modifiers(), event->position().toPoint(), handled);
            if (!handled) {
                event->ignore();
                continue;
            }
        }
        WheelNotch(down, page);
    }
}

void TDgScrollControl::StartRoll(const QPoint& viewportPos)
{
    if (!rollWindow_)
        rollWindow_ = new TRollIndicator;
    if (!rollTimer_) {
        rollTimer_ = new QTimer(this);
        connect(rollTimer_, &QTimer::timeout, this, [this] { RollTick(); });
    }
    rolling_ = true;
    rollOrigin_ = viewportPos;
    rollDy_ = 0;
    const QPoint screen = viewport()->mapToGlobal(viewportPos);
    rollWindow_->move(screen.x() - 7, screen.y() - 11);
    rollWindow_->show();
    viewport()->grabMouse();
    viewport()->setCursor(LoadResourceCursor(QStringLiteral("ROLL")));
    rollTimer_->start(100);
}

void TDgScrollControl::RollMove(const QPoint& viewportPos)
{
    if (!rolling_)
        return;
    rollDy_ = viewportPos.y() - rollOrigin_.y();
    const char* name = rollDy_ < -5 ? "ROLLUP" : rollDy_ > 5 ? "ROLLDOWN" : "ROLL";
    viewport()->setCursor(LoadResourceCursor(QLatin1String(name)));
    rollTimer_->setInterval(std::max(1, 100 - std::abs(rollDy_)));
}

void TDgScrollControl::StopRoll()
{
    if (!rolling_)
        return;
    rolling_ = false;
    rollTimer_->stop();
    rollWindow_->hide();
    viewport()->releaseMouse();
    viewport()->unsetCursor();
}

void TDgScrollControl::RollTick()
{
    if (rollDy_ < -5)
        RollStep(false);
    else if (rollDy_ > 5)
        RollStep(true);
}

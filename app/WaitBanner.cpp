#include "app/WaitBanner.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {
constexpr int kPadding = 12;
constexpr int kSpinnerSize = 16;
constexpr int kSpokes = 8;
constexpr int kBottomGap = 24;
}  // namespace

TWaitBanner::TWaitBanner(QWidget* owner) : QWidget(owner), spin_(new QTimer(this))
{
    setObjectName(QStringLiteral("WaitBanner"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = font();
    f.setPixelSize(14);
    f.setBold(true);
    setFont(f);
    spin_->setInterval(100);
    connect(spin_, &QTimer::timeout, this, [this] {
        phase_ = (phase_ + 1) % kSpokes;
        update();
    });
    owner->installEventFilter(this);
    hide();
}

void TWaitBanner::ShowText(const QString& text)
{
    text_ = text;
    Place();
    raise();
    show();
    spin_->start();
    update();
}

void TWaitBanner::Dismiss()
{
    spin_->stop();
    text_.clear();
    hide();
}

void TWaitBanner::Place()
{
    const QWidget* owner = parentWidget();
    const int w = fontMetrics().horizontalAdvance(text_) + kSpinnerSize + 3 * kPadding;
    const int h = fontMetrics().height() + kPadding;
    setGeometry((owner->width() - w) / 2, owner->height() - h - kBottomGap, w, h);
}

bool TWaitBanner::eventFilter(QObject* watched, QEvent* event)
{
    // Follows the window's size while it is shown.
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        Place();
    return false;
}

void TWaitBanner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(255, 255, 255, 90));
    p.setBrush(QColor(32, 32, 32, 215));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    const QPointF centre(kPadding + kSpinnerSize / 2.0, height() / 2.0);
    for (int i = 0; i < kSpokes; ++i) {
        const double angle = 2 * M_PI * i / kSpokes;
        const int age = (phase_ - i + kSpokes) % kSpokes;
        QPen pen(QColor(255, 255, 255, 255 - age * 28));
        pen.setWidthF(2.2);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        const QPointF dir(std::cos(angle), std::sin(angle));
        p.drawLine(centre + dir * (kSpinnerSize * 0.22), centre + dir * (kSpinnerSize * 0.5));
    }

    p.setPen(Qt::white);
    p.drawText(rect().adjusted(kSpinnerSize + 2 * kPadding, 0, -kPadding, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

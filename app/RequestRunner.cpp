#include "app/RequestRunner.h"

#include "app/WaitBanner.h"

#include <QApplication>
#include <QEventLoop>
#include <QScopedValueRollback>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace {
bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}
}  // namespace

TRequestRunner::TRequestRunner(QWidget* owner, QWidget* controls)
    : QObject(owner), controls_(controls), banner_(new TWaitBanner(owner)), indicatorDelay_(new QTimer(this))
{
    indicatorDelay_->setSingleShot(true);
    indicatorDelay_->setInterval(kIndicatorDelay);
}

TRequestRunner::~TRequestRunner()
{
    // The banner belongs to the window and may already be gone.
    if (pointerShown_)
        QApplication::restoreOverrideCursor();
}

void TRequestRunner::Run(const QString& status, const std::function<void()>& exchange)
{
    if (Aborted())
        throw EHttpError("Cancelled");
    if (busy_)
        throw EHttpError("Another request is still waiting");
    const QScopedValueRollback guard(busy_, true);
    qApp->installEventFilter(this);
    const QMetaObject::Connection show =
        connect(indicatorDelay_, &QTimer::timeout, this, [this, status] { ShowIndicator(status); });
    indicatorDelay_->start();

    std::exception_ptr error;
    std::atomic<bool> done{false};
    QEventLoop loop;
    std::thread worker([&] {
        try {
            exchange();
        } catch (...) {
            error = std::current_exception();
        }
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The application quits under the wait: end the exchange rather than wait for it.
    if (!done)
        Abort();
    worker.join();

    disconnect(show);
    indicatorDelay_->stop();
    HideIndicator();
    qApp->removeEventFilter(this);
    busy_ = false;
    if (OnIdle)
        OnIdle();
    if (error)
        std::rethrow_exception(error);
}

QString TRequestRunner::StatusText() const
{
    return banner_->isVisible() ? banner_->Text() : QString();
}

void TRequestRunner::ShowIndicator(const QString& status)
{
    if (!pointerShown_)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    pointerShown_ = true;
    banner_->ShowText(status);
}

void TRequestRunner::HideIndicator()
{
    if (pointerShown_)
        QApplication::restoreOverrideCursor();
    pointerShown_ = false;
    banner_->Dismiss();
}

bool TRequestRunner::HoldsInput(QObject* watched) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && controls_ && (widget == controls_ || controls_->isAncestorOf(widget));
}

bool TRequestRunner::eventFilter(QObject* watched, QEvent* event)
{
    return busy_ && IsInput(event->type()) && HoldsInput(watched);
}

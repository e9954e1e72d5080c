#pragma once
// Runs the window's service exchanges one at a time on a worker thread while
// the caller waits in a local event loop: the window keeps painting and its
// timers run, yet the caller gets its answer or failure before its next step.
// While it waits, a busy pointer and a status banner say what for, and mouse
// and keyboard input to the window's controls is dropped, so no second action
// starts. The window's own frame stays usable, so it can still be closed.
#include "app/HttpClient1.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>

class QTimer;
class TWaitBanner;

class TRequestRunner : public QObject {
public:
    // Requests shorter than this show neither pointer nor banner.
    static constexpr std::chrono::milliseconds kIndicatorDelay{150};

    // `owner` shows the banner; input to `controls` and its children is held back while waiting.
    TRequestRunner(QWidget* owner, QWidget* controls);
    ~TRequestRunner() override;

    // Runs `exchange` off the GUI thread, shows `status` while it runs and
    // rethrows its error. Fails at once with EHttpError when another exchange
    // is waiting or after Abort().
    void Run(const QString& status, const std::function<void()>& exchange);

    bool Busy() const { return busy_; }

    // Ends the waiting exchange at once and refuses every later one (the window closes).
    void Abort() { abort_.Abort(); }
    bool Aborted() const { return abort_.Aborted(); }
    // The switch that HTTP clients and probes listen to.
    THttpAbort& AbortSwitch() { return abort_; }

    // Called after every wait, once the caller has its answer.
    std::function<void()> OnIdle;

    // The status text shown right now ("" when none).
    QString StatusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowIndicator(const QString& status);
    void HideIndicator();
    bool HoldsInput(QObject* watched) const;

    QPointer<QWidget> controls_;
    TWaitBanner* banner_;
    QTimer* indicatorDelay_;
    THttpAbort abort_;
    bool busy_ = false;
    bool pointerShown_ = false;
};

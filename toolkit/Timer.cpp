#include "toolkit/Timer.h"

TTimer::TTimer(QObject* parent) : QObject(parent)
{
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (OnTimer)
            OnTimer(this);
    });
    Update();
}

void TTimer::SetEnabled(bool v)
{
    enabled_ = v;
    Update();
}

void TTimer::SetInterval(int ms)
{
    timer_.setInterval(std::max(0, ms));
    Update();
}

void TTimer::Update()
{
    // Like a window timer: an interval of 0 never fires.
    if (enabled_ && timer_.interval() > 0)
        timer_.start();
    else
        timer_.stop();
}

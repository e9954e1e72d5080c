#pragma once
// A window timer: fires OnTimer every Interval milliseconds while Enabled.
#include <QObject>
#include <QTimer>
#include <functional>

class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int ms);

    std::function<void(QObject* sender)> OnTimer;

private:
    void Update();

    QTimer timer_;
    bool enabled_ = true;
};

#pragma once
// A small banner at the foot of a window that says what the window waits
// for, with a turning spinner that shows the window is alive.
#include <QString>
#include <QWidget>

class QTimer;

class TWaitBanner : public QWidget {
public:
    explicit TWaitBanner(QWidget* owner);

    QString Text() const { return text_; }
    // Shows `text` centred above the window's bottom edge.
    void ShowText(const QString& text);
    void Dismiss();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QString text_;
    QTimer* spin_;
    int phase_ = 0;
};

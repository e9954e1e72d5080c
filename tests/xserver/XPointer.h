#pragma once
// The real pointer and keyboard of the test X server, driven with xdotool: the
// server decides which window each event lands on, as for a user.
#include <QCoreApplication>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>

namespace xpointer {

inline bool Xdo(const QStringList& args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Moves to a point of `widget` (its own coordinates). Comes from the pixel
// above, so that the program sees a move even when the pointer was there.
inline bool MoveTo(const QWidget* widget, QPoint p)
{
    bool ok = true;
    for (const QPoint g : {widget->mapToGlobal(p - QPoint(0, 1)), widget->mapToGlobal(p)})
        ok = ok && Xdo({"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())});
    QTest::qWait(50);
    return ok;
}

// Moves the pointer off the test windows: a window mapped under a resting
// pointer may not see it until it moves out and back in.
inline bool Park()
{
    // By way of the next pixel: --sync waits for a move, and the pointer may rest there already.
    return Xdo({"mousemove", "--sync", "1269", "789"}) && Xdo({"mousemove", "--sync", "1270", "790"});
}

// Button 1 left, 4 wheel up, 5 wheel down.
inline bool Click(int button, int repeat = 1)
{
    const bool ok = Xdo({"click", "--repeat", QString::number(repeat), "--delay", "60", QString::number(button)});
    QTest::qWait(50);
    return ok;
}

inline bool Press(int button)
{
    return Xdo({"mousedown", QString::number(button)});
}

inline bool Release(int button)
{
    const bool ok = Xdo({"mouseup", QString::number(button)});
    QTest::qWait(50);
    return ok;
}

// Presses and releases keys in the focused window (xdotool names: "Tab",
// "shift+Tab", "space", "Return").
inline bool Key(const QString& keys)
{
    const bool ok = Xdo({"key", "--delay", "60", keys});
    QTest::qWait(50);
    return ok;
}

// Makes `window` the active window. With no window manager the server may
// refuse the program's own request; the test then sets the focus itself.
inline bool Activate(QWidget* window)
{
    window->activateWindow();
    if (QTest::qWaitForWindowActive(window, 500))
        return true;
    Xdo({"windowfocus", "--sync", QString::number(window->winId())});
    return QTest::qWaitForWindowActive(window);
}

// Lets the program handle events until `done` holds.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

}  // namespace xpointer

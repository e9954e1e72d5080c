#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kMaximizedKey = QStringLiteral("window/maximized");

qint64 OverlapArea(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

}  // namespace

QRect FitOnScreens(const QRect& wanted, const QList<QRect>& areas)
{
    if (areas.isEmpty())
        return wanted;
    for (const QRect& area : areas)
        if (area.contains(wanted))
            return wanted;
    const QRect* best = &areas.front();
    for (const QRect& area : areas)
        if (OverlapArea(wanted, area) > OverlapArea(wanted, *best))
            best = &area;
    QRect out(wanted.topLeft(), wanted.size().boundedTo(best->size()));
    out.moveLeft(std::clamp(out.left(), best->left(), best->right() - out.width() + 1));
    out.moveTop(std::clamp(out.top(), best->top(), best->bottom() - out.height() + 1));
    return out;
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.append(screen->availableGeometry());
    return areas;
}

void PlaceLoggedOutWindow(QWidget& window)
{
    const QList<QRect> areas = AvailableScreenAreas();
    if (areas.isEmpty())
        return;
    QRect wanted(QPoint(), window.size());
    wanted.moveCenter(areas.front().center());
    const QRect placed = FitOnScreens(wanted, areas);
    // The logged-out window has a fixed size; shrinking it means fixing the smaller one.
    if (placed.size() != window.size())
        window.setFixedSize(placed.size());
    window.move(placed.topLeft());
}

void SaveWindowPlacement(const QString& settingsFile, const QWidget& window)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(kGeometryKey, window.isMaximized() ? window.normalGeometry() : window.geometry());
    settings.setValue(kMaximizedKey, window.isMaximized());
}

bool RestoreWindowPlacement(const QString& settingsFile, QWidget& window)
{
    const QSettings settings(settingsFile, QSettings::IniFormat);
    const QRect saved = settings.value(kGeometryKey).toRect();
    if (!saved.isValid())
        return false;
    window.setGeometry(FitOnScreens(saved, AvailableScreenAreas()));
    if (settings.value(kMaximizedKey).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

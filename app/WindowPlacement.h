#pragma once
// Where the main window opens: the logged-out window at its designed size in
// the middle of the screen, the logged-in window where the user left it at
// the end of the last logged-in session. Either way it lies wholly on a screen.
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// `wanted` moved (and shrunk only where it is larger) to lie wholly inside
// one of `areas`: the one it already lies in, else the one it overlaps most,
// else the first (the primary screen's). `wanted` itself when there is no area.
QRect FitOnScreens(const QRect& wanted, const QList<QRect>& areas);

// The screens' available areas, the primary screen's first.
QList<QRect> AvailableScreenAreas();

// Centres the logged-out window on the primary screen, shrunk to the screen where it is larger.
void PlaceLoggedOutWindow(QWidget& window);

// The logged-in window's size, position and maximized state, kept in the
// settings file `settingsFile`.
void SaveWindowPlacement(const QString& settingsFile, const QWidget& window);
// Puts the window where SaveWindowPlacement left it; false when nothing was saved.
bool RestoreWindowPlacement(const QString& settingsFile, QWidget& window);

#pragma once
#include <QString>

// Loads the packed "Orange" skin the way the program does and writes a sheet of
// its six pictures, enlarged 3x, with the rectangles of the definitions the
// main window uses outlined and labelled.
bool WriteSkinSheet(const QString& pngPath);

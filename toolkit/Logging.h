#pragma once
// The program's logging categories. Debug messages are off unless asked for,
// e.g. QT_LOGGING_RULES="hoopline.*.debug=true"; warnings are always on.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcHttp)  // "hoopline.http": each service request
Q_DECLARE_LOGGING_CATEGORY(lcLive)  // "hoopline.live": the live refreshes and new bets
Q_DECLARE_LOGGING_CATEGORY(lcSkin)  // "hoopline.skin": loading the stored skin

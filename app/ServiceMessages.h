#pragma once
// What the window tells the user about a failed service request: what
// happened and what to try in words, the technical reason on a second line.
// The request URL carries the password, so it never appears here.
#include <QString>
#include <QTime>

#include <string>

class EHttpError;

// "<action> failed: the forecast service at <host> could not be reached. ..."
// `action` names what failed ("The login").
QString RequestFailureMessage(const QString& action, const std::string& host, const EHttpError& error);

enum class TNoticeLength { nlFull, nlBrief };

// The short form for a notice beside a list: "Service unreachable", "Service
// error 500", ...; brief ("Unreachable", "Error 500") where even that does not fit.
QString FailureHeadline(const EHttpError& error, TNoticeLength length = TNoticeLength::nlFull);

// "HH:mm", the time a notice names.
QString NoticeTime(QTime at);

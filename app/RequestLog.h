#pragma once
// One line per service request in "hoopline.http": host, path and status at
// debug level, failures at warning level. The query is never logged: it
// carries the login and the password.
#include "app/HttpClient1.h"

#include <QElapsedTimer>
#include <string>
#include <string_view>

// "host[:port]/path" of an http URL, without user, query or fragment.
std::string LoggableUrl(std::string_view url);

void LogRequestDone(std::string_view url, int status, qint64 milliseconds);
void LogRequestFailed(std::string_view url, const EHttpError& error, qint64 milliseconds);

// Runs `get` (which returns the answer's status) and logs how it ended;
// a failure is logged and thrown on.
template <class Get>
void LoggedRequest(std::string_view url, Get&& get)
{
    QElapsedTimer clock;
    clock.start();
    try {
        LogRequestDone(url, get(), clock.elapsed());
    } catch (const EHttpError& e) {
        LogRequestFailed(url, e, clock.elapsed());
        throw;
    }
}

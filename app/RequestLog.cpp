#include "app/RequestLog.h"

#include "toolkit/Logging.h"

std::string LoggableUrl(std::string_view url)
{
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos)
        url.remove_prefix(scheme + 3);
    url = url.substr(0, url.find_first_of("?#"));
    const std::size_t pathStart = url.find('/');
    if (const std::size_t at = url.substr(0, pathStart).rfind('@'); at != std::string_view::npos)
        url.remove_prefix(at + 1);
    return std::string(url);
}

void LogRequestDone(std::string_view url, int status, qint64 milliseconds)
{
    qCDebug(lcHttp, "GET %s: %d in %lld ms", LoggableUrl(url).c_str(), status, static_cast<long long>(milliseconds));
}

void LogRequestFailed(std::string_view url, const EHttpError& error, qint64 milliseconds)
{
    // The message of a failed URL split names the URL itself: report the status or a neutral text only.
    const bool namesUrl = std::string_view(error.what()).find("URL") != std::string_view::npos;
    qCWarning(lcHttp, "GET %s failed after %lld ms: %s", LoggableUrl(url).c_str(),
              static_cast<long long>(milliseconds), namesUrl ? "invalid URL" : error.what());
}

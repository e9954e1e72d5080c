#include "app/VersionGate.h"

#include "app/HttpClient1.h"

TMarkerState ProbeVersionMarker(std::string_view url, std::string* reason)
{
    if (UrlExists(url))
        return TMarkerState::msCurrent;
    // The probe only says yes or no; a second look tells an outdated version
    // from a service that cannot be reached, which must not ask for an update.
    THttpClient client;
    std::string body;
    try {
        client.GetText(url, body);
        return TMarkerState::msCurrent;
    } catch (const EHttpError& e) {
        if (e.Status() == 302)
            return TMarkerState::msCurrent;
        if (e.Status() != 0)
            return TMarkerState::msOutdated;
        if (reason)
            *reason = e.what();
        return TMarkerState::msUnreachable;
    }
}

#include "app/VersionGate.h"

#include "app/HttpClient1.h"

TMarkerState ProbeVersionMarker(const THttpClient& settings, std::string_view url, std::optional<EHttpError>* failure)
{
    // One probe tells all three apart, so a silent host costs one time limit.
    const int status = settings.ProbeStatus(url, failure);
    if (status == 200 || status == 302)
        return TMarkerState::msCurrent;
    return status == 0 ? TMarkerState::msUnreachable : TMarkerState::msOutdated;
}

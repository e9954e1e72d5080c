#pragma once
// Whether this program's version is still current: the service keeps a marker
// file per supported version.
#include <optional>
#include <string>
#include <string_view>

class EHttpError;
class THttpClient;

enum class TMarkerState {
    msCurrent,     // the marker answers 200 or 302
    msOutdated,    // the service answered, but not with 200 or 302
    msUnreachable  // no HTTP answer at all (no network, refused, time-out)
};

// Probes the version marker `url` once, with `settings`' time limits;
// `failure` gets what went wrong when unreachable.
TMarkerState ProbeVersionMarker(const THttpClient& settings, std::string_view url,
                                std::optional<EHttpError>* failure = nullptr);

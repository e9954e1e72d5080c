#pragma once
// How the client connects, from the command line and the environment:
// proxies (--proxy over http_proxy/https_proxy, no_proxy) and the further
// trusted certificate authorities of --ca-file.
#include "app/CommandLine.h"
#include "app/HttpClient1.h"

#include <QString>

#include <optional>

// nullopt, with `error` saying why, when the --ca-file cannot be read or holds
// no usable certificate. `environment` stands in for the process's (tests).
std::optional<THttpConnection> ConnectionFromOptions(const TCommandLine& options, QString& error,
                                                     const TProxyRules::TLookup& environment = {});

#pragma once
// The demo service's TLS identity: a fresh key and a self-signed certificate
// made when the service starts. Nothing of it is stored in the source tree;
// a client trusts the demo by taking its certificate as a trust anchor
// (hoopline --ca-file, or in-process for hoopline --demo --tls).
#include <string>
#include <vector>

struct TDemoCertificate {
    std::string certificatePem;
    std::string privateKeyPem;

    // A P-256 key and a certificate valid for a week, naming each of `hosts`
    // (host names or IP addresses) as the hosts it is for.
    static TDemoCertificate Generate(const std::vector<std::string>& hosts = {"127.0.0.1", "localhost"});
};

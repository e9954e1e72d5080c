#include "demo/DemoCertificate.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

#include <arpa/inet.h>

#include <memory>
#include <stdexcept>

namespace {

template <class T, void (*Free)(T*)>
struct TFreer {
    void operator()(T* p) const { Free(p); }
};
using TKey = std::unique_ptr<EVP_PKEY, TFreer<EVP_PKEY, EVP_PKEY_free>>;
using TCert = std::unique_ptr<X509, TFreer<X509, X509_free>>;
using TBio = std::unique_ptr<BIO, TFreer<BIO, BIO_free_all>>;

void Check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("Cannot make the demo certificate: ") + what);
}

bool IsAddress(const std::string& host)
{
    unsigned char buffer[16];
    return inet_pton(AF_INET, host.c_str(), buffer) == 1 || inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

void AddExtension(X509* cert, int nid, const std::string& value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
    Check(extension != nullptr, "extension");
    X509_add_ext(cert, extension, -1);
    X509_EXTENSION_free(extension);
}

template <class Write>
std::string Pem(Write write)
{
    const TBio bio(BIO_new(BIO_s_mem()));
    Check(bio && write(bio.get()) == 1, "PEM");
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, std::size_t(size));
}

} // namespace

TDemoCertificate TDemoCertificate::Generate(const std::vector<std::string>& hosts)
{
    const TKey key(EVP_EC_gen("P-256"));
    Check(key != nullptr, "key");
    const TCert cert(X509_new());
    Check(cert && X509_set_version(cert.get(), 2) == 1, "certificate");

    unsigned char serial[16];
    Check(RAND_bytes(serial, sizeof serial) == 1, "serial number");
    serial[0] &= 0x7F; // a positive number
    BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
    BN_to_ASN1_INTEGER(number, X509_get_serialNumber(cert.get()));
    BN_free(number);

    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 7 * 24 * 3600);
    X509_set_pubkey(cert.get(), key.get());
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Hoopline demo service"), -1, -1, 0);
    X509_set_issuer_name(cert.get(), name);

    std::string names;
    for (const std::string& host : hosts)
        names += (names.empty() ? "" : ",") + std::string(IsAddress(host) ? "IP:" : "DNS:") + host;
    // Its own authority, so that a client can take it as a trust anchor.
    AddExtension(cert.get(), NID_basic_constraints, "critical,CA:TRUE");
    AddExtension(cert.get(), NID_key_usage, "critical,digitalSignature,keyCertSign");
    AddExtension(cert.get(), NID_subject_key_identifier, "hash");
    if (!names.empty())
        AddExtension(cert.get(), NID_subject_alt_name, names);
    Check(X509_sign(cert.get(), key.get(), EVP_sha256()) > 0, "signature");

    TDemoCertificate out;
    out.certificatePem = Pem([&](BIO* bio) { return PEM_write_bio_X509(bio, cert.get()); });
    out.privateKeyPem = Pem([&](BIO* bio) {
        return PEM_write_bio_PrivateKey(bio, key.get(), nullptr, nullptr, 0, nullptr, nullptr);
    });
    return out;
}

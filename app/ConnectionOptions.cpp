#include "app/ConnectionOptions.h"

#include <QFile>

namespace {
// Far more than any bundle of authorities.
constexpr qint64 kMaxCaFile = 4 << 20;
} // namespace

std::optional<THttpConnection> ConnectionFromOptions(const TCommandLine& options, QString& error,
                                                     const TProxyRules::TLookup& environment)
{
    THttpConnection connection;
    connection.proxies = TProxyRules::FromEnvironment(environment);
    if (options.proxy)
        connection.proxies.SetExplicitProxy(*options.proxy);
    if (options.caFile.isEmpty())
        return connection;

    QFile file(options.caFile);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read --ca-file %1: %2").arg(options.caFile, file.errorString());
        return std::nullopt;
    }
    const QByteArray pem = file.read(kMaxCaFile + 1);
    if (pem.size() > kMaxCaFile) {
        error = QStringLiteral("--ca-file %1 is too large for a certificate file").arg(options.caFile);
        return std::nullopt;
    }
    connection.trustAnchorsPem = pem.toStdString();
    try {
        if (pem.trimmed().isEmpty())
            throw EHttpError("the file is empty");
        CheckTrustAnchors(connection.trustAnchorsPem);
    } catch (const EHttpError& e) {
        error = QStringLiteral("--ca-file %1 holds no usable certificate: %2").arg(options.caFile, QString::fromUtf8(e.what()));
        return std::nullopt;
    }
    return connection;
}

#include "app/ServiceMessages.h"

#include "app/HttpClient1.h"
#include "toolkit/CodePage.h"

namespace {
enum class TFailureKind { fkUnreachable, fkUntrusted, fkHttpError, fkBrokenAnswer };

TFailureKind KindOf(const EHttpError& error)
{
    if (error.IsUntrusted())
        return TFailureKind::fkUntrusted;
    if (error.Status() != 0)
        return TFailureKind::fkHttpError;
    return error.Answered() ? TFailureKind::fkBrokenAnswer : TFailureKind::fkUnreachable;
}

// "404 Not Found" out of "HTTP/1.1 404 Not Found".
QString StatusAndReason(const EHttpError& error)
{
    const QString line = QString::fromLatin1(error.what());
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    return space < 0 ? QString::number(error.Status()) : line.mid(space + 1);
}
}  // namespace

QString RequestFailureMessage(const QString& action, const std::string& host, const EHttpError& error)
{
    const QString service = QStringLiteral("the forecast service at ") + FromAnsi(host);
    QString what;
    switch (KindOf(error)) {
    case TFailureKind::fkUnreachable:
        what = service + QStringLiteral(" could not be reached. Check the network connection and try again.");
        break;
    case TFailureKind::fkUntrusted:
        what = service + QStringLiteral(" could not prove that it is that service, so nothing was sent to it.");
        break;
    case TFailureKind::fkHttpError:
        what = service + QStringLiteral(" answered with an error (") + StatusAndReason(error)
               + QStringLiteral("). Try again later.");
        break;
    case TFailureKind::fkBrokenAnswer:
        what = QStringLiteral("the answer of ") + service + QStringLiteral(" could not be read. Try again.");
        break;
    }
    return action + QStringLiteral(" failed: ") + what + QLatin1Char('\n') + QString::fromUtf8(error.what());
}

QString FailureHeadline(const EHttpError& error, TNoticeLength length)
{
    const bool brief = length == TNoticeLength::nlBrief;
    switch (KindOf(error)) {
    case TFailureKind::fkUnreachable:
        return brief ? QStringLiteral("Unreachable") : QStringLiteral("Service unreachable");
    case TFailureKind::fkUntrusted:
        return brief ? QStringLiteral("Not trusted") : QStringLiteral("Service not trusted");
    case TFailureKind::fkHttpError:
        return (brief ? QStringLiteral("Error ") : QStringLiteral("Service error ")) + QString::number(error.Status());
    case TFailureKind::fkBrokenAnswer:
        break;
    }
    return brief ? QStringLiteral("Bad answer") : QStringLiteral("Unreadable answer");
}

QString NoticeTime(QTime at)
{
    return at.toString(QStringLiteral("HH:mm"));
}

#include "DbUrl.h"

#include <QUrl>

DbUrl DbUrl::parse(const QString &text)
{
    DbUrl url;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        url.path = t.mid(7);
        if (url.path.startsWith(QLatin1String("//")))
            url.path = url.path.mid(2);
        if (!url.path.isEmpty())
            url.kind = Kind::SQLite;
        return url;
    }
    if (t.startsWith(QLatin1String("mysql://"), Qt::CaseInsensitive) ||
        t.startsWith(QLatin1String("mariadb://"), Qt::CaseInsensitive)) {
        const QUrl u(t, QUrl::StrictMode);
        if (!u.isValid() || u.host().isEmpty())
            return url;
        url.user = u.userName(QUrl::FullyDecoded);
        url.password = u.password(QUrl::FullyDecoded);
        url.host = u.host();
        url.port = u.port(3306);
        url.database = u.path().mid(1);
        if (!url.database.isEmpty() && !url.database.contains(u'/'))
            url.kind = Kind::MySQL;
    }
    return url;
}

QString DbUrl::toString() const
{
    switch (kind) {
    case Kind::SQLite:
        return QStringLiteral("sqlite:") + path;
    case Kind::MySQL: {
        QUrl u;
        u.setScheme(QStringLiteral("mysql"));
        u.setUserName(user);
        u.setPassword(password);
        u.setHost(host);
        u.setPort(port);
        u.setPath(QLatin1Char('/') + database);
        return u.toString();
    }
    case Kind::Invalid:
        break;
    }
    return {};
}

#include "QueryTextRows.h"

#include <QVariant>

QString QueryTextRows::text(int column) const
{
    // Most columns of a clause row are empty: asked first, they cost no variant.
    if (m_query.isNull(column))
        return QString();
    const QVariant value = m_query.value(column);
    // A text column of a binary collation comes from the server as its UTF-8 bytes.
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(*static_cast<const QByteArray *>(value.constData()));
    return value.toString();
}

QString QueryTextRows::text(int column, const QString &same) const
{
    QString value = text(column);
    return value == same ? same : value;
}

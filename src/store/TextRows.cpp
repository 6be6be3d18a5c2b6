#include "TextRows.h"

#include <QVariant>

BoundKind boundKindOf(const QVariant &value)
{
    switch (value.isNull() ? QMetaType::UnknownType : value.typeId()) {
    case QMetaType::UnknownType:
        return BoundKind::Null;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return BoundKind::Integer;
    case QMetaType::Double:
        return BoundKind::Real;
    case QMetaType::QByteArray:
        return BoundKind::Bytes;
    default:
        return BoundKind::Text;
    }
}

#include "ValidationFinding.h"

QString ValidationFinding::errorNo() const
{
    return QString::number(kind == ErrorKind::Xml ? code : int(kind));
}

QString ValidationFinding::path() const
{
    if (!pointer.isEmpty() || member.isEmpty())
        return pointer.isEmpty() ? root : QString();
    return root.isEmpty() ? member : root + u'.' + member;
}

#include "StateNames.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace StateNames
{

QString current(const QString &name)
{
    static const QList<QPair<QStringList, QString>> renames{
        {{QStringLiteral("TamilNadu")}, QStringLiteral("Tamil Nadu")},
        {{QStringLiteral("Jammu & Kashmir")}, QStringLiteral("Jammu and Kashmir")},
        {{QStringLiteral("DAMAN & DIU")}, QStringLiteral("Daman and Diu")},
        {{QStringLiteral("LAKHSWADEEP"), QStringLiteral("LAKSHADWEEP")}, QStringLiteral("Lakshadweep")},
        {{QStringLiteral("ORISSA")}, QStringLiteral("Odisha")},
        {{QStringLiteral("PONDICHERRY")}, QStringLiteral("Puducherry")},
        {{QStringLiteral("CHHATISHGARH"), QStringLiteral("CHHATTISGARH"), QStringLiteral("CHHATISGARH")},
         QStringLiteral("Chhattisgarh")},
        {{QStringLiteral("UTTARANCHAL")}, QStringLiteral("Uttarakhand")},
    };
    const QString n = name.trimmed();
    for (const auto &rename : renames) {
        for (const QString &old : rename.first) {
            if (n.compare(old, Qt::CaseInsensitive) == 0)
                return rename.second;
        }
    }
    return n;
}

} // namespace StateNames

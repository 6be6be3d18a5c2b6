#include "AssesseeStatuses.h"

#include <QHash>

namespace AssesseeStatuses
{

const QStringList &entries()
{
    static const QStringList list{QStringLiteral("Individual"),
                                  QStringLiteral("Hindu Undivided Family"),
                                  QStringLiteral("Firm"),
                                  QStringLiteral("Limited Liability Partnership"),
                                  QStringLiteral("Association of Persons"),
                                  QStringLiteral("Body of Individuals"),
                                  QStringLiteral("Private Limited Company"),
                                  QStringLiteral("Public Limited Company"),
                                  QStringLiteral("Foreign Company"),
                                  QStringLiteral("Trust"),
                                  QStringLiteral("Co-operative Society"),
                                  QStringLiteral("Co-operative Bank"),
                                  QStringLiteral("Local Authority"),
                                  QStringLiteral("Artificial Juridical Person")};
    return list;
}

int fromHost(const QString &hostStatus)
{
    // The host's status texts, by the entry they fall under. A company "in which the
    // public are not substantially interested" (PUB NOT INT) is a closely held one.
    static const QHash<QString, int> positions{{QStringLiteral("INDIVIDUAL"), 1},
                                               {QStringLiteral("PROPRIETOR"), 1},
                                               {QStringLiteral("PROPRIETORSHIP"), 1},
                                               {QStringLiteral("HUF"), 2},
                                               {QStringLiteral("PARTNERSHIP FIRM"), 3},
                                               {QStringLiteral("FIRM"), 3},
                                               {QStringLiteral("FIRM (LIMITED LIABILITY)"), 4},
                                               {QStringLiteral("AOP(MRR)"), 5},
                                               {QStringLiteral("AOP(MMR)"), 5},
                                               {QStringLiteral("BOI(MMR)"), 6},
                                               {QStringLiteral("PRIVATE LTD."), 7},
                                               {QStringLiteral("PRIVATE"), 7},
                                               {QStringLiteral("PUB NOT INT"), 7},
                                               {QStringLiteral("PUBLIC LTD."), 8},
                                               {QStringLiteral("FOREIGN COMPANY"), 9},
                                               {QStringLiteral("AOP (TRUST)"), 10},
                                               {QStringLiteral("CO-OPERATIVE SOCIETY"), 11},
                                               {QStringLiteral("CO-OPERATIVE"), 11},
                                               {QStringLiteral("CO-OPERATIVE BANK"), 12},
                                               {QStringLiteral("LOCAL AUTHORITY"), 13},
                                               {QStringLiteral("ARTIFICIAL JURIDICAL PERSON"), 14}};
    return positions.value(hostStatus.trimmed().toUpper(), 0);
}

bool isIndividual(const QString &hostStatus)
{
    return fromHost(hostStatus) == 1;
}

} // namespace AssesseeStatuses

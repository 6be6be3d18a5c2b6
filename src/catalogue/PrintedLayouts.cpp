#include "PrintedLayouts.h"

#include <QHash>

namespace PrintedLayouts
{

QString form3cebClause(const QString &clause)
{
    // The widths of the published Annexure's tables, joined where a column of the pages holds
    // two of the form's; the enterprise's identification type and number take a tenth of the
    // line each, so that "PAN/TAN/Other" and "Identification" are not broken.
    static const QHash<QString, QString> widths{
        {QStringLiteral("10"), QStringLiteral("3,20,40,25,12")},
        {QStringLiteral("11A"), QStringLiteral("3,8,9,10,10,7,10,8,6,6,6,7,10")},
        {QStringLiteral("11B"), QStringLiteral("3,8,9,10,10,7,10,8,6,6,6,7,10")},
        {QStringLiteral("11C"), QStringLiteral("3,8,9,10,10,8,7,7,6,7,7,8,10")},
        {QStringLiteral("12"), QStringLiteral("3,8,9,10,10,10,7,7,8,8,10,10")},
        {QStringLiteral("13"), QStringLiteral("3,8,9,10,10,7,10,7,8,8,10,10")},
        {QStringLiteral("14"), QStringLiteral("3,7,8,10,10,7,6,6,5,6,6,6,10,10")},
        {QStringLiteral("15"), QStringLiteral("3,10,10,10,10,9,8,8,8,11,13")},
        {QStringLiteral("16"), QStringLiteral("3,10,10,10,10,9,8,8,8,11,13")},
        {QStringLiteral("17"), QStringLiteral("3,10,10,10,10,9,8,8,8,11,13")},
        {QStringLiteral("18"), QStringLiteral("3,11,11,10,10,12,11,10,10,12")},
        {QStringLiteral("19"), QStringLiteral("3,10,10,10,10,9,8,8,8,11,13")},
        {QStringLiteral("20"), QStringLiteral("3,10,10,10,10,9,8,8,8,11,13")},
        // Specified domestic transactions: the State column shares the description's width.
        {QStringLiteral("21"), QStringLiteral("3,13,13,13,13,22,8,15")},
        {QStringLiteral("22A"), QStringLiteral("3,13,13,13,15,15,14,14")},
        {QStringLiteral("22B"), QStringLiteral("3,13,13,13,15,15,14,14")},
        {QStringLiteral("23"), QStringLiteral("3,16,24,10,10,10,13,14")},
        {QStringLiteral("24"), QStringLiteral("3,10,16,14,8,10,10,13,16")},
        {QStringLiteral("25"), QStringLiteral("3,13,13,13,15,15,14,14")},
        {QStringLiteral("25New"), QStringLiteral("3,16,24,13,13,16,15")},
    };
    return widths.value(clause);
}

const QList<QStringList> &form3cdGroups()
{
    static const QList<QStringList> groups = [] {
        QList<QStringList> all;
        for (const char *group :
             {"9a,9aShare,9b",
              "10a,10b",
              "11a,11b,11c",
              "12",
              "13a,13b,13c,13d,13f",
              "14a,14b",
              "15",
              "16a,16b,16c,16d,16e",
              "17",
              "18",
              "19",
              "20a,20b",
              "21a1,21a2,21a3,21a4,21a5,21a6,21a7,21a9,21a8,21bia,21bib,21biia,21biib,21biiia,21biiib,21biii,"
              "21biv,21bv,21bvi,21bvii,21bviii,21c,21da,21db,21e,21f,21g,21h,21i",
              "22,22b",
              "23",
              "24",
              "25",
              "26iAa,26iAb,26iBa,26iBb,26",
              "27a,27B",
              "28",
              "29,29A,29B",
              "30,30A,30B,30C",
              "31a,31b,31ba,31bb,31bc,31bd,31c,31d,31e",
              "32a,32b,32c,32d,32e",
              "33",
              "34a,34b,34c",
              "35a,35Ba,35bBFP,35bBBP",
              "36A",
              "37",
              "38",
              "39",
              "40",
              "41",
              "42",
              "43",
              "44"})
            all << QString::fromLatin1(group).split(u',');
        return all;
    }();
    return groups;
}

QStringList form3cdGroupOf(const QString &point)
{
    for (const QStringList &group : form3cdGroups()) {
        if (group.contains(point))
            return group;
    }
    return {point};
}

} // namespace PrintedLayouts

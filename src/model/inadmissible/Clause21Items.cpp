#include "Clause21Items.h"

namespace Clause21
{

const QStringList &tabs()
{
    static const QStringList list{QStringLiteral("21(a)"),           QStringLiteral("21(b)(i)"),
                                  QStringLiteral("21(b)(ii)"),       QStringLiteral("21(b)(iii)-(vi)"),
                                  QStringLiteral("21(b)(vii)-(ix)"), QStringLiteral("21(c)"),
                                  QStringLiteral("21(d)"),           QStringLiteral("21(e)-(i)")};
    return list;
}

const QList<Item> &items()
{
    // PAN, Aadhaar, address line 2, post office and locality of a payee may stay empty.
    const QString payee = QStringLiteral("4,5,8,10,11");
    const QString salary = QStringLiteral("3,4,7,9,10"); // the same without the nature of payment
    static const QList<Item> list{
        {QStringLiteral("21a1"), 0, QString(), false},    {QStringLiteral("21a2"), 0, QString(), false},
        {QStringLiteral("21a3"), 0, QString(), false},    {QStringLiteral("21a4"), 0, QString(), false},
        {QStringLiteral("21a5"), 0, QString(), false},    {QStringLiteral("21a6"), 0, QString(), false},
        {QStringLiteral("21a7"), 0, QString(), false},    {QStringLiteral("21a9"), 0, QString(), false},
        {QStringLiteral("21a8"), 0, QString(), false},    {QStringLiteral("21bia"), 1, payee, true},
        {QStringLiteral("21bib"), 1, payee, true},        {QStringLiteral("21biia"), 2, payee, true},
        {QStringLiteral("21biib"), 2, payee, true},       {QStringLiteral("21biiia"), 3, payee, true},
        {QStringLiteral("21biiib"), 3, payee, true},      {QStringLiteral("21biii"), 3, QString(), false},
        {QStringLiteral("21biv"), 3, QString(), false},   {QStringLiteral("21bv"), 3, QString(), false},
        {QStringLiteral("21bvi"), 4, salary, true},       {QStringLiteral("21bvii"), 4, QString(), false},
        {QStringLiteral("21bviii"), 4, QString(), false}, {QStringLiteral("21c"), 5, QString(), false},
        {QStringLiteral("21da"), 6, QString(), false},    {QStringLiteral("21db"), 6, QString(), false},
        {QStringLiteral("21e"), 7, QString(), false},     {QStringLiteral("21f"), 7, QString(), false},
        {QStringLiteral("21g"), 7, QString(), false},     {QStringLiteral("21h"), 7, QString(), false},
        {QStringLiteral("21i"), 7, QString(), false},
    };
    return list;
}

const Item *item(const QString &point)
{
    for (const Item &i : items()) {
        if (i.point == point)
            return &i;
    }
    return nullptr;
}

} // namespace Clause21

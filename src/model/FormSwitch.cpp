#include "FormSwitch.h"

#include "catalogue/Form3caPointOne.h"

#include "base/Prompt.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/PartAPoints.h"
#include "host/HostContext.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ModuleState.h"

#include <QHash>

namespace FormSwitch
{

namespace
{

using ClauseStore::ClauseRow;

struct PartA {
    QHash<QString, QList<ClauseRow>> rows;
    QStringList first(const QString &point) const
    {
        const auto list = rows.value(point);
        return list.isEmpty() ? QStringList() : list.first().cols;
    }
};

bool isI(const QString &iwe)
{
    return iwe.trimmed().compare(QLatin1String("I"), Qt::CaseInsensitive) == 0;
}
// The words of the report's drop-downs that follow from its I/We choice.
QString myOur(const QString &iwe)
{
    return isI(iwe) ? QStringLiteral("My") : QStringLiteral("Our");
}
QString meUs(const QString &iwe)
{
    return isI(iwe) ? QStringLiteral("Me") : QStringLiteral("Us");
}

QStringList padded(QStringList cols, int n)
{
    while (cols.size() < n)
        cols << QString();
    return cols;
}

// The year-end date of a year given as "2024" or a date ending in it.
QString yearEnd(const QString &yearOrDate)
{
    const QString y = yearOrDate.trimmed().right(4);
    return y.size() == 4 ? QStringLiteral("31/03/") + y : QString();
}

struct Target {
    int page;
    QString formName;
    QString point;
    QList<QStringList> rows;
};

// Points whose columns mean the same on both forms: (Form 3CB point, Form 3CA point).
QList<QPair<QString, QString>> samePoints(bool fromForm3CB)
{
    static const QList<QPair<QString, QString>> pairs{{AssesseeRow::placeOn(QStringLiteral("3CB")).point,
                                                       AssesseeRow::placeOn(QStringLiteral("3CA")).point},
                                                      {QStringLiteral("3CBPT5"), QStringLiteral("3CA3")},
                                                      {QStringLiteral("3CBOTH"), QStringLiteral("3CAOTH")},
                                                      {QStringLiteral("Qual"), QStringLiteral("3CAQual")}};
    QList<QPair<QString, QString>> result;
    for (const auto &[cb, ca] : pairs)
        result << (fromForm3CB ? qMakePair(cb, ca) : qMakePair(ca, cb));
    return result;
}

// The tick "use the name as in the client master", which both forms keep under PageNo 1.
QList<QPair<QString, QString>> masterTick()
{
    return {{QStringLiteral("MasterName"), QStringLiteral("MasterName")}};
}

QList<Target> copied(const PartA &src, int page, const QString &formName,
                     const QList<QPair<QString, QString>> &points)
{
    QList<Target> out;
    for (const auto &[from, to] : points) {
        QList<QStringList> rows;
        for (const ClauseRow &r : src.rows.value(from))
            rows << r.cols;
        if (!rows.isEmpty())
            out << Target{page, formName, to, rows};
    }
    return out;
}

QList<Target> toForm3CA(const PartA &src)
{
    const QStringList pt1 = padded(src.first(PartAPoints::Form3cbPointOne), 5);
    const QStringList pt2 = padded(src.first(QStringLiteral("3CBPT2")), 4);
    const QString iwe = pt1.at(0);
    const QString iwe2 = pt2.at(0).isEmpty() ? iwe : pt2.at(0);
    const QString accountType2 = pt2.at(1).isEmpty() ? pt1.at(2) : pt2.at(1);
    const QString year = (pt1.at(1).isEmpty() ? pt1.at(4) : pt1.at(1)).right(4);
    QList<Target> out;
    if (src.rows.contains(PartAPoints::Form3cbPointOne)) {
        // Form 3CB names no statutory audit: its firm, Act and report date stay blank.
        QStringList one(Form3caPointOne::ColumnCount);
        const auto set = [&one](Form3caPointOne::Column column, const QString &value) {
            one[Form3caPointOne::index(column)] = value;
        };
        set(Form3caPointOne::IWe, iwe);
        set(Form3caPointOne::MeUs, meUs(iwe));
        set(Form3caPointOne::IWe2, iwe2);
        set(Form3caPointOne::MyOurTheir, myOur(iwe2));
        set(Form3caPointOne::Accounts, pt1.at(2));
        set(Form3caPointOne::PeriodFrom, pt1.at(3));
        set(Form3caPointOne::PeriodTo, pt1.at(4));
        set(Form3caPointOne::Year, year);
        set(Form3caPointOne::Accounts2, accountType2);
        out << Target{1, QStringLiteral("3CA"), Form3caPointOne::Point, {one}};
    }
    out << copied(src, 1, QStringLiteral("3CA"), samePoints(true));
    out << copied(src, 1, QStringLiteral("3CA"), masterTick());
    return out;
}

QList<Target> toForm3CB(const PartA &src)
{
    const QStringList a1 = padded(src.first(Form3caPointOne::Point), Form3caPointOne::ColumnCount);
    const auto at = [&a1](Form3caPointOne::Column column) { return a1.at(Form3caPointOne::index(column)); };
    const QString iwe = at(Form3caPointOne::IWe);
    const QString iwe2 = at(Form3caPointOne::IWe2).isEmpty() ? iwe : at(Form3caPointOne::IWe2);
    QList<Target> out;
    if (src.rows.contains(Form3caPointOne::Point)) {
        const QString balanceSheetDate = yearEnd(
            at(Form3caPointOne::Year).isEmpty() ? at(Form3caPointOne::PeriodTo) : at(Form3caPointOne::Year));
        out << Target{101,
                      QStringLiteral("3CB"),
                      PartAPoints::Form3cbPointOne,
                      {{iwe, balanceSheetDate, at(Form3caPointOne::Accounts), at(Form3caPointOne::PeriodFrom),
                        at(Form3caPointOne::PeriodTo)}}};
        out << Target{101,
                      QStringLiteral("3CB"),
                      QStringLiteral("3CBPT2"),
                      {{iwe2, at(Form3caPointOne::Accounts2), QString(), QString()}}};
        // Paragraph 3 of Form 3CB: its opinion follows the I/We choice, the balance sheet
        // is that of the year end, and the account is the one the Form 3CA report names.
        out << Target{101,
                      QStringLiteral("3CB"),
                      QStringLiteral("3CBPT3"),
                      {{iwe, QString(), iwe, myOur(iwe), myOur(iwe), myOur(iwe), myOur(iwe), myOur(iwe),
                        meUs(iwe), balanceSheetDate, at(Form3caPointOne::Accounts), QString()}}};
    }
    out << copied(src, 101, QStringLiteral("3CB"), samePoints(false));
    out << copied(src, 1, QStringLiteral("3CB"), masterTick());
    return out;
}

} // namespace

bool transfer()
{
    ModuleState &m = moduleState();
    if (!m.isForm3CD())
        return true;
    HostContext &h = host();
    Database &db = h.DBObj();
    const bool opening3CA = m.formKind == FormKind::F3CA;
    const QString other = opening3CA ? QStringLiteral("3CB") : QStringLiteral("3CA");
    const QString self = m.formCode;

    Recordset rs =
        db.Execute(QStringLiteral("select PageNo, PointNo from %1 WHERE Code_No=? AND FYr=? AND FormName=?")
                       .arg(m.clauseTable),
                   {h.Temp_Code(), h.yearKey(), other});
    if (rs.Eof())
        return true;

    const QString question =
        QStringLiteral("You have already filled data in [Form %1-3CD].\n"
                       "Do you want to use this form [Form %2-3CD] and Transfer data to this form?")
            .arg(other, self);
    if (!prompts().askYesNo(question))
        return false;

    PartA source;
    for (const ClauseRow &row : ClauseStore::readAll()) {
        if (row.formName == other)
            source.rows[row.point] << row;
    }
    const QList<Target> targets = opening3CA ? toForm3CA(source) : toForm3CB(source);

    Transaction tx(db);
    for (const Target &t : targets) {
        db.Execute(QStringLiteral("DELETE FROM %1 WHERE Code_No=? AND FYr=? AND FormName=? AND PointNo=?")
                       .arg(m.clauseTable),
                   {h.Temp_Code(), h.yearKey(), t.formName, t.point});
        // Rows keep their columns, the grid row numbers included.
        for (const QStringList &cols : t.rows)
            ClauseStore::insertRow(t.page, t.point, cols, t.formName);
    }
    db.Execute(QStringLiteral("Delete from %1 WHERE Code_No=? AND FYr=? AND FormName=?").arg(m.clauseTable),
               {h.Temp_Code(), h.yearKey(), other});
    tx.commit();
    return true;
}

} // namespace FormSwitch

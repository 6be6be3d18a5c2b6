#include "DeclarationReader.h"

#include "ImportedRows.h"
#include "StoredValues.h"
#include "efiling/json/JsonValue.h"
#include "host/HostContext.h"
#include "store/Database.h"

#include <QString>

namespace DeclarationReader
{

namespace
{

// Each observation: its qualification type's text in Col1, the observation in Col2.
void readObservations(const JsonValue &paragraph, int page, const QString &point, ImportedRows &rows,
                      const ClauseCatalogue &catalogue)
{
    const JsonValue &observations = paragraph.Item(QStringLiteral("Observations"));
    for (qsizetype i = 1; i <= observations.Count(); ++i) {
        const JsonValue &o = observations.Item(i);
        const int row = rows.append(page, point);
        rows.set(row, 1,
                 StoredValues::textOfCode(catalogue, QStringLiteral("observation"),
                                          StoredValues::text(o.Item(QStringLiteral("ObservationsCode")))));
        rows.set(row, 2, StoredValues::text(o.Item(QStringLiteral("ObservationsVal"))));
    }
}

const JsonValue &declaration(const JsonValue &formKey)
{
    return formKey.Item(QStringLiteral("Declaration"));
}

QString textOf(const JsonValue &object, const QString &member)
{
    return StoredValues::text(object.Item(member));
}

// The Act's name for its code: the code is the name's position in the list of Acts.
QString actName(const QString &code)
{
    const int position = code.toInt();
    if (position < 1)
        return {};
    Recordset rs = host().DBObj().Execute(
        QStringLiteral("SELECT Text FROM annex_3cd21combo WHERE Point=? ORDER BY convert(Id,signed)"),
        {QStringLiteral("1Act")});
    for (int at = 1; !rs.Eof(); rs.MoveNext(), ++at) {
        if (at == position)
            return rs.Fields(0);
    }
    return {};
}

// Stores the members of an object in the columns of one row, in order; "" skips a column.
void readColumns(const JsonValue &object, const QStringList &members, int page, const QString &point,
                 ImportedRows &rows)
{
    const int row = rows.single(page, point);
    for (int c = 0; c < members.size(); ++c) {
        if (!members.at(c).isEmpty())
            rows.set(row, c + 1, textOf(object, members.at(c)));
    }
}

// The date of signing the report goes to the signing page, which the writer reads it from.
void readSigningDate(const JsonValue &pointOne, ImportedRows &rows)
{
    const QString date = StoredValues::date(textOf(pointOne, QStringLiteral("DateofsigningTaxAuditReport")));
    if (!date.isEmpty())
        rows.set(rows.single(21, QStringLiteral("DSIGN")), 1, date);
}

} // namespace

void readForm3CA(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue)
{
    const JsonValue &pointOne = declaration(formKey).Item(QStringLiteral("Point1"));
    const JsonValue &pointThree = declaration(formKey).Item(QStringLiteral("Point3"));
    if (declaration(formKey).Exists(QStringLiteral("Point1"))) {
        // The words of paragraph 1 and the accounts annexed, in the columns of "3CA1".
        const int row = rows.single(1, QStringLiteral("3CA1"));
        readColumns(pointOne,
                    {QStringLiteral("I_We1"), QStringLiteral("Me_Us_Ms"), QStringLiteral("CA_FirmName"),
                     QString(), QStringLiteral("Other_Act"), QStringLiteral("I_We2"),
                     QStringLiteral("My_Our_Their")},
                    1, QStringLiteral("3CA1"), rows);
        rows.set(row, 4, actName(textOf(pointOne, QStringLiteral("Act"))));
        rows.set(row, 8, StoredValues::date(textOf(pointOne, QStringLiteral("AuditDated"))));
        const JsonValue &accounts = pointOne.Item(QStringLiteral("PointA"));
        rows.set(row, 9, textOf(accounts, QStringLiteral("TypeOfAccount")));
        rows.set(row, 10, StoredValues::date(textOf(accounts, QStringLiteral("AuditStartDate"))));
        rows.set(row, 11, StoredValues::date(textOf(accounts, QStringLiteral("AuditEndDate"))));
        rows.set(row, 12, textOf(accounts, QStringLiteral("AuditYearDate")).left(4));
        rows.set(row, 13, textOf(pointOne, QStringLiteral("PointC")));
        readSigningDate(pointOne, rows);
    }
    if (declaration(formKey).Exists(QStringLiteral("Point3")))
        readColumns(pointThree,
                    {QStringLiteral("My_Our1"), QStringLiteral("My_Our2"), QStringLiteral("Me_Us")}, 1,
                    QStringLiteral("3CA3"), rows);
    readObservations(pointThree, 1, QStringLiteral("3CAQual"), rows, catalogue);
}

void readForm3CB(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue)
{
    const JsonValue &decl = declaration(formKey);
    if (decl.Exists(QStringLiteral("Point1"))) {
        const JsonValue &pointOne = decl.Item(QStringLiteral("Point1"));
        const int row = rows.single(101, QStringLiteral("3CBPT1"));
        rows.set(row, 1, textOf(pointOne, QStringLiteral("I_We")));
        const QString year = textOf(pointOne, QStringLiteral("Year"));
        rows.set(row, 2, year.isEmpty() ? QString() : QStringLiteral("31/03/") + year);
        rows.set(row, 3, textOf(pointOne, QStringLiteral("TypeOfAccount")));
        rows.set(row, 4, StoredValues::date(textOf(pointOne, QStringLiteral("StartDate"))));
        rows.set(row, 5, StoredValues::date(textOf(pointOne, QStringLiteral("EndDate"))));
        readSigningDate(pointOne, rows);
    }
    if (decl.Exists(QStringLiteral("Point2")))
        readColumns(decl.Item(QStringLiteral("Point2")),
                    {QStringLiteral("I_We"), QStringLiteral("TypeOfAccount"),
                     QStringLiteral("HeadOfficeLocation"), QStringLiteral("NumberOfBrances")},
                    101, QStringLiteral("3CBPT2"), rows);
    if (decl.Exists(QStringLiteral("Point3"))) {
        // Paragraph 3's words by sub-paragraph, in the twelve columns of "3CBPT3".
        const JsonValue &three = decl.Item(QStringLiteral("Point3"));
        const int row = rows.single(101, QStringLiteral("3CBPT3"));
        const QList<QPair<QString, QString>> members{
            {QStringLiteral("PointA"), QStringLiteral("I_We")},
            {QStringLiteral("PointA"), QStringLiteral("OCDI_Description")},
            {QStringLiteral("PointB_A"), QStringLiteral("I_We")},
            {QStringLiteral("PointB_A"), QStringLiteral("My_Our")},
            {QStringLiteral("PointB_B"), QStringLiteral("My_Our1")},
            {QStringLiteral("PointB_B"), QStringLiteral("My_Our2")},
            {QStringLiteral("PointB_C"), QStringLiteral("My_Our1")},
            {QStringLiteral("PointB_C"), QStringLiteral("My_Our2")},
            {QStringLiteral("PointB_C"), QStringLiteral("Me_Us")},
            {QString(), QStringLiteral("PointFirst")},
            {QStringLiteral("PointSecond"), QStringLiteral("typeOfAccount")},
            {QStringLiteral("PointSecond"), QStringLiteral("PLSD")}};
        for (int c = 0; c < members.size(); ++c) {
            const auto &[part, member] = members.at(c);
            rows.set(row, c + 1, textOf(part.isEmpty() ? three : three.Item(part), member));
        }
    }
    if (decl.Exists(QStringLiteral("Point5")))
        readColumns(decl.Item(QStringLiteral("Point5")),
                    {QStringLiteral("My_Our1"), QStringLiteral("My_Our2"), QStringLiteral("Me_Us")}, 101,
                    QStringLiteral("3CBPT5"), rows);
    readObservations(decl.Item(QStringLiteral("Point5")), 101, QStringLiteral("Qual"), rows, catalogue);
}

} // namespace DeclarationReader

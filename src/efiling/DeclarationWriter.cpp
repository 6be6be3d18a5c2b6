#include "DeclarationWriter.h"

#include "AddressRule.h"
#include "CodeLookups.h"
#include "EfilingValues.h"
#include "JsonLineWriter.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/ClauseCatalogue.h"
#include "model/ReportModel.h"

namespace DeclarationWriter
{

namespace
{

using EfilingValues::date;
using Row = ClauseStore::ClauseRow;

Row firstRow(const ReportModel &rows, int page, const QString &point, const QString &formName)
{
    const QList<Row> list = rows.rows(page, point, formName);
    return list.isEmpty() ? Row{} : list.first();
}

// The date of signing the tax audit report, from the signing page.
QString signingDate(const ReportModel &rows)
{
    return rows.value(21, QStringLiteral("DSIGN")).trimmed();
}

void writeAssesseeName(JsonLineWriter &w, const Row &assessee)
{
    w.openObject(QStringLiteral("AssesseeName"));
    w.text(QStringLiteral("FirstName"), assessee.col(AssesseeRow::FirstName));
    w.text(QStringLiteral("MiddleName"), assessee.col(AssesseeRow::MiddleName));
    w.text(QStringLiteral("LastName"), assessee.col(AssesseeRow::LastName));
    w.close();
}

void writeAadhaarIfAny(JsonLineWriter &w, const Row &assessee)
{
    if (!assessee.col(AssesseeRow::Aadhaar).trimmed().isEmpty())
        w.text(QStringLiteral("AadhaarCardNo"), assessee.col(AssesseeRow::Aadhaar));
}

// The qualifications of the report, in grid order; left out when the first is blank.
void writeObservations(JsonLineWriter &w, const ReportModel &rows, int page, const QString &point,
                       const QString &formName)
{
    const QList<Row> list = rows.rows(page, point, formName);
    if (list.isEmpty() || list.first().col(1).trimmed().isEmpty())
        return;
    const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
    w.openArray(QStringLiteral("Observations"));
    for (const Row &row : list) {
        w.openObject();
        // A type typed in by hand is none of the listed ones: it is an "Others".
        const QString code = catalogue.codeOf(QStringLiteral("observation"), row.col(1).trimmed());
        w.text(QStringLiteral("ObservationsCode"), code.isEmpty() ? QStringLiteral("17") : code);
        w.text(QStringLiteral("ObservationsVal"), row.col(2));
        w.close();
    }
    w.close();
}

void writeChoices(JsonLineWriter &w, const Row &row, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        w.text(names.at(i), row.col(i + 1));
}

// The closing paragraph of either report: its my/our and me/us words, then the
// qualifications stored with the report page.
void writeClosingParagraph(JsonLineWriter &w, const QString &member, const Row &paragraph,
                           const ReportModel &rows, int page, const QString &qualificationPoint,
                           const QString &formName)
{
    w.openObject(member);
    writeChoices(w, paragraph,
                 {QStringLiteral("My_Our1"), QStringLiteral("My_Our2"), QStringLiteral("Me_Us")});
    writeObservations(w, rows, page, qualificationPoint, formName);
    w.close();
}

} // namespace

void writeForm3CA(JsonLineWriter &w, const ReportModel &rows)
{
    const QString form = QStringLiteral("3CA");
    const Row report = firstRow(rows, 1, QStringLiteral("3CA1"), form);
    const Row assessee = firstRow(rows, 1, AssesseeRow::Form3CAPoint, form);
    const Row paragraph3 = firstRow(rows, 1, QStringLiteral("3CA3"), form);

    w.openObject(QStringLiteral("Declaration"));
    w.openObject(QStringLiteral("Point1"));
    w.text(QStringLiteral("I_We1"), report.col(1));
    writeAssesseeName(w, assessee);
    AddressRule::write(w, QStringLiteral("AddressDetail"),
                       StoredAddress::fromRow(assessee, StoredAddress::assesseeColumns()));
    w.text(QStringLiteral("PAN"), assessee.col(AssesseeRow::PAN));
    writeAadhaarIfAny(w, assessee);
    w.text(QStringLiteral("Me_Us_Ms"), report.col(2));
    w.text(QStringLiteral("CA_FirmName"), report.col(3));
    w.text(QStringLiteral("Act"), CodeLookups::actCode(report.col(4)));
    w.text(QStringLiteral("Other_Act"), report.col(5));
    w.text(QStringLiteral("I_We2"), report.col(6));
    w.text(QStringLiteral("My_Our_Their"), report.col(7));
    w.text(QStringLiteral("AuditDated"), date(report.col(8)));
    w.text(QStringLiteral("DateofsigningTaxAuditReport"), date(signingDate(rows)));
    w.openObject(QStringLiteral("PointA"));
    w.text(QStringLiteral("TypeOfAccount"), report.col(9));
    w.text(QStringLiteral("AuditStartDate"), date(report.col(10)));
    w.text(QStringLiteral("AuditEndDate"), date(report.col(11)));
    const QString year = report.col(12).trimmed();
    w.text(QStringLiteral("AuditYearDate"),
           year.isEmpty() ? QString() : year.right(4) + QStringLiteral("-03-31"));
    w.close();
    w.text(QStringLiteral("PointC"), report.col(13));
    w.close();

    writeClosingParagraph(w, QStringLiteral("Point3"), paragraph3, rows, 1, QStringLiteral("3CAQual"), form);
    w.close();
}

void writeForm3CB(JsonLineWriter &w, const ReportModel &rows)
{
    const QString form = QStringLiteral("3CB");
    const Row paragraph1 = firstRow(rows, 101, QStringLiteral("3CBPT1"), form);
    const Row assessee = firstRow(rows, 101, AssesseeRow::Form3CBPoint, form);
    const Row paragraph2 = firstRow(rows, 101, QStringLiteral("3CBPT2"), form);
    const Row paragraph3 = firstRow(rows, 101, QStringLiteral("3CBPT3"), form);
    const Row paragraph5 = firstRow(rows, 101, QStringLiteral("3CBPT5"), form);

    w.openObject(QStringLiteral("Declaration"));
    w.openObject(QStringLiteral("Point1"));
    w.text(QStringLiteral("I_We"), paragraph1.col(1));
    // Form 3CB may be filed before it is signed: no date, no member.
    if (!signingDate(rows).isEmpty())
        w.text(QStringLiteral("DateofsigningTaxAuditReport"), date(signingDate(rows)));
    w.number(QStringLiteral("Year"), paragraph1.col(2).trimmed().right(4));
    w.text(QStringLiteral("TypeOfAccount"), paragraph1.col(3));
    w.text(QStringLiteral("StartDate"), date(paragraph1.col(4)));
    w.text(QStringLiteral("EndDate"), date(paragraph1.col(5)));
    writeAssesseeName(w, assessee);
    AddressRule::write(w, QStringLiteral("AddressDetail"),
                       StoredAddress::fromRow(assessee, StoredAddress::assesseeColumns()));
    writeAadhaarIfAny(w, assessee);
    w.text(QStringLiteral("PAN"), assessee.col(AssesseeRow::PAN));
    w.close();

    w.openObject(QStringLiteral("Point2"));
    w.text(QStringLiteral("I_We"), paragraph2.col(1));
    w.text(QStringLiteral("TypeOfAccount"), paragraph2.col(2));
    w.text(QStringLiteral("HeadOfficeLocation"), paragraph2.col(3));
    w.number(QStringLiteral("NumberOfBrances"), paragraph2.col(4));
    w.close();

    w.openObject(QStringLiteral("Point3"));
    w.openObject(QStringLiteral("PointA"));
    w.text(QStringLiteral("I_We"), paragraph3.col(1));
    w.text(QStringLiteral("OCDI_Description"), paragraph3.col(2));
    w.close();
    w.openObject(QStringLiteral("PointB_A"));
    w.text(QStringLiteral("I_We"), paragraph3.col(3));
    w.text(QStringLiteral("My_Our"), paragraph3.col(4));
    w.close();
    w.openObject(QStringLiteral("PointB_B"));
    w.text(QStringLiteral("My_Our1"), paragraph3.col(5));
    w.text(QStringLiteral("My_Our2"), paragraph3.col(6));
    w.close();
    w.openObject(QStringLiteral("PointB_C"));
    w.text(QStringLiteral("My_Our1"), paragraph3.col(7));
    w.text(QStringLiteral("My_Our2"), paragraph3.col(8));
    w.text(QStringLiteral("Me_Us"), paragraph3.col(9));
    w.close();
    w.text(QStringLiteral("PointFirst"), paragraph3.col(10));
    w.openObject(QStringLiteral("PointSecond"));
    w.text(QStringLiteral("typeOfAccount"), paragraph3.col(11));
    w.text(QStringLiteral("PLSD"), paragraph3.col(12));
    w.close();
    w.close();

    writeClosingParagraph(w, QStringLiteral("Point5"), paragraph5, rows, 101, QStringLiteral("Qual"), form);
    w.close();
}

} // namespace DeclarationWriter

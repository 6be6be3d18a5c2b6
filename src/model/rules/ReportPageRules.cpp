#include "ReportPageRules.h"

#include "ReportDates.h"
#include "ReportWords.h"
#include "base/DateService.h"
#include "base/IdentityChecks.h"
#include "catalogue/AssesseeRow.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/PartAPoints.h"
#include "model/ReportModel.h"

#include <QDate>

namespace ReportPageRules
{

namespace
{

constexpr int kForm3caPage = 1;
constexpr int kForm3cbPage = 101;

// Columns of the report's own rows, from 0: the signing row ("3CAOTH", "3CBOTH") and the
// rows of the report's wording.
constexpr int kPlaceColumn = 3;
constexpr int kSignDateColumn = 4;
constexpr int kIWeColumn = 0;
constexpr int kHeadOfficeColumn = 2;
constexpr int kBranchesColumn = 3;
// A value of the page: its point and its place in the point's row.
struct Field {
    int page;
    QString point;
    int column;
};

QString valueAt(const ReportModel &model, const Field &field)
{
    return model.value(field.page, field.point, field.column + 1).trimmed();
}

ReportFinding refusal(const Field &field, const QString &message,
                      ReportFinding::Kind kind = ReportFinding::Kind::Value)
{
    return {kind, field.page, {}, field.point, 0, field.column, {}, message};
}

bool isDate(const QString &text)
{
    return DateService::MyDateSerial(text).isValid();
}

// The assessee's name, address and PAN, each message in the page's words.
struct AssesseeMessages {
    QString name, address, postOffice, area, district, pan;
};

std::optional<ReportFinding> assessee(const ReportModel &model, const QString &formCode,
                                      const AssesseeMessages &messages)
{
    const Catalogue::PointRef place = AssesseeRow::placeOn(formCode);
    const auto field = [&](const AssesseeRow::Column &column) {
        return Field{place.page, place.point, AssesseeRow::index(column)};
    };
    if (valueAt(model, field(AssesseeRow::FirstName)).isEmpty() &&
        valueAt(model, field(AssesseeRow::MiddleName)).isEmpty() &&
        valueAt(model, field(AssesseeRow::LastName)).isEmpty())
        return refusal(field(AssesseeRow::FirstName), messages.name);
    const QList<QPair<const AssesseeRow::Column *, QString>> required{
        {&AssesseeRow::AddressLine1, messages.address},
        {&AssesseeRow::PostOffice, messages.postOffice},
        {&AssesseeRow::Area, messages.area},
        {&AssesseeRow::District, messages.district}};
    for (const auto &[column, message] : required) {
        if (valueAt(model, field(*column)).isEmpty())
            return refusal(field(*column), message);
    }
    if (!IdentityChecks::ValidPan(valueAt(model, field(AssesseeRow::PAN))))
        return refusal(field(AssesseeRow::PAN), messages.pan);
    return std::nullopt;
}

// The date of signing, once a date, after the year's balance-sheet date.
std::optional<ReportFinding> signedAfterYear(const ReportModel &model, const Field &signDate)
{
    const QString yearKey = model.key().yearKey;
    if (DateService::MyDateSerial(valueAt(model, signDate)) <= QDate(yearKey.toInt(), 3, 31))
        return refusal(signDate, QStringLiteral("Date should be greater than 31/03/") + yearKey,
                       ReportFinding::Kind::Date);
    return std::nullopt;
}

} // namespace

std::optional<ReportFinding> form3ca(const ReportModel &model)
{
    using namespace Form3caPointOne;
    const auto one = [](Column column) { return Field{kForm3caPage, Point, index(column)}; };
    const auto three = [](int column) { return Field{kForm3caPage, QStringLiteral("3CA3"), column}; };
    const Field place{kForm3caPage, QStringLiteral("3CAOTH"), kPlaceColumn};
    const Field signDate{kForm3caPage, QStringLiteral("3CAOTH"), kSignDateColumn};

    if (valueAt(model, one(IWe)).isEmpty())
        return refusal(one(IWe), QStringLiteral("Please select an option I/We from the list."));
    if (auto found = assessee(
            model, QStringLiteral("3CA"),
            {QStringLiteral("Please enter Name of the Assessee"),
             QStringLiteral("Please enter Address of Assessee"), QStringLiteral("Please enter post office"),
             QStringLiteral("Please enter area/locality"), QStringLiteral("Please enter district"),
             QStringLiteral("Please enter Valid PAN of Assessee")}))
        return found;
    if (valueAt(model, one(Firm)).isEmpty())
        return refusal(one(Firm),
                       QStringLiteral("Please enter the name of the CA/Partnership firm who audited"));
    const QString act = valueAt(model, one(Act));
    if (act.isEmpty())
        return refusal(one(Act), QStringLiteral("Please select the Name of the Act."));
    if (act == ReportWords::otherAct() && valueAt(model, one(OtherAct)).isEmpty())
        return refusal(one(OtherAct), QStringLiteral("Please enter the Name of the other Act."));
    const QString reportedOn = valueAt(model, one(ReportedOn));
    if (!isDate(reportedOn))
        return refusal(one(ReportedOn),
                       QStringLiteral("Please enter the valid date of signing of the report"),
                       ReportFinding::Kind::Date);
    for (const Field &choice : {one(MeUs), one(IWe2), one(MyOurTheir), one(Accounts), one(Year),
                                one(Accounts2), three(0), three(1), three(2)}) {
        if (valueAt(model, choice).isEmpty())
            return refusal(choice, QStringLiteral("Please select an option from the dropdown."));
    }
    if (valueAt(model, place).isEmpty())
        return refusal(place, QStringLiteral("Please enter the place of signing the report"));
    const QString signedOn = valueAt(model, signDate);
    if (!isDate(signedOn))
        return refusal(signDate, QStringLiteral("Please enter the  valid date of Signing the report"),
                       ReportFinding::Kind::Date);
    const QString before = ReportDates::signedBeforeAuditReportMessage(signedOn, reportedOn);
    if (!before.isEmpty())
        return refusal(signDate, before, ReportFinding::Kind::Date);
    return signedAfterYear(model, signDate);
}

std::optional<ReportFinding> form3cb(const ReportModel &model)
{
    const Field iWe{kForm3cbPage, PartAPoints::Form3cbPointOne, kIWeColumn};
    const Field headOffice{kForm3cbPage, QStringLiteral("3CBPT2"), kHeadOfficeColumn};
    const Field branches{kForm3cbPage, QStringLiteral("3CBPT2"), kBranchesColumn};
    const Field place{kForm3cbPage, QStringLiteral("3CBOTH"), kPlaceColumn};
    const Field signDate{kForm3cbPage, QStringLiteral("3CBOTH"), kSignDateColumn};

    if (valueAt(model, iWe).isEmpty())
        return refusal(iWe, QStringLiteral("Please select an option i/We from the list."));
    if (auto found = assessee(
            model, QStringLiteral("3CB"),
            {QStringLiteral("Please enter Name of the Assessee."),
             QStringLiteral("Please enter Address of Assessee."), QStringLiteral("Please enter post office."),
             QStringLiteral("Please enter area/locality."), QStringLiteral("Please enter district."),
             QStringLiteral("Please enter Valid PAN of Assessee.")}))
        return found;
    if (valueAt(model, headOffice).isEmpty())
        return refusal(headOffice, QStringLiteral("Please enter head office address."));
    if (valueAt(model, branches).isEmpty())
        return refusal(branches, QStringLiteral("Please enter number of branches."));
    if (valueAt(model, place).isEmpty())
        return refusal(place, QStringLiteral("Please enter place."));
    if (!isDate(valueAt(model, signDate)))
        return refusal(signDate, QStringLiteral("Please enter date."), ReportFinding::Kind::Date);
    return signedAfterYear(model, signDate);
}

std::optional<ReportFinding> reportPage(const ReportModel &model)
{
    switch (model.key().form.formKind) {
    case FormKind::F3CA:
        return form3ca(model);
    case FormKind::F3CB:
        return form3cb(model);
    default:
        return std::nullopt;
    }
}

} // namespace ReportPageRules

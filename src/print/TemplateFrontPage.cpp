#include "TemplateFrontPage.h"

#include "Accountant.h"
#include "AssesseeParticulars.h"
#include "MasterFile.h"
#include "PageValues.h"
#include "PrintedValues.h"
#include "TemplateMarkers.h"
#include "catalogue/Form3caPointOne.h"
#include "catalogue/PartAPoints.h"
#include "model/ReportModel.h"

namespace TemplateFrontPage
{

namespace
{

using TemplateMarkers::setInOrder;

class Values : public PageValues
{
public:
    using PageValues::PageValues;

    QStringList lowerWords(const QString &point, const QList<int> &cols) const
    {
        QStringList words;
        for (int col : cols)
            words << word(point, col, true);
        return words;
    }
};

// The table holding "$#$SN$#$" gets one row per qualification in place of the marker row.
void qualifications(MasterFile &file, const ReportModel &model, int page, const QString &point, bool blank)
{
    int markerRow = 0;
    const int table = file.FindTextInTable(TemplateMarkers::QualificationSerial, &markerRow);
    if (!table)
        return;
    file.CurrentTbId = table;
    QList<QStringList> lines;
    if (!blank) {
        for (const ReportModel::Row &row : PrintedValues::inSerialOrder(model.rows(page, point))) {
            if (PrintedValues::isMarkerRow(row.cols) || row.cols.value(1).trimmed().isEmpty())
                continue;
            lines << QStringList{QString::number(lines.size() + 1), row.cols.value(0), row.cols.value(1)};
        }
    }
    if (lines.isEmpty())
        lines << QStringList{QString(), blank ? PrintedValues::BlankValue : QStringLiteral("Nil"), QString()};
    file.insertrows(int(lines.size()), markerRow + 1);
    for (int i = 0; i < lines.size(); ++i) {
        for (int c = 1; c <= file.tbcols(); ++c) {
            file.setTextMatrix(markerRow + 1 + i, c, lines.at(i).value(c - 1));
            file.CellBorder(markerRow + 1 + i, c, QStringLiteral("1111"));
        }
    }
    file.DeleteRow(markerRow);
}

void fill3CA(MasterFile &file, const Values &v, const AssesseeParticulars &a)
{
    using namespace Form3caPointOne;
    const QString one = Point;
    const QString three = QStringLiteral("3CA3");
    setInOrder(file, TemplateMarkers::IWe, {v.word(one, IWe), v.word(one, IWe2)});
    setInOrder(file, TemplateMarkers::Name, {a.name});
    setInOrder(file, TemplateMarkers::Address, {a.address});
    setInOrder(file, TemplateMarkers::Pan, {a.pan});
    setInOrder(file, TemplateMarkers::MeUsMs, {v.word(one, MeUs)});
    setInOrder(file, TemplateMarkers::AuditorNames,
               {PrintedValues::joined({v.value(one, Firm), v.value(one, OtherAct)}, QStringLiteral(" "))});
    setInOrder(file, TemplateMarkers::Act, {v.value(one, Act)});
    setInOrder(file, TemplateMarkers::MyOurTheir, {v.word(one, MyOurTheir, true)});
    setInOrder(file, TemplateMarkers::ReportDate, {v.value(one, ReportedOn)});
    setInOrder(file, TemplateMarkers::AccountsType, {v.word(one, Accounts), v.word(one, Accounts2)});
    setInOrder(file, TemplateMarkers::PeriodStart, {v.value(one, PeriodFrom)});
    setInOrder(file, TemplateMarkers::PeriodEnd, {v.value(one, PeriodTo)});
    setInOrder(file, TemplateMarkers::BalanceSheetYear, {PageValues::balanceSheetDate(v.value(one, Year))});
    setInOrder(file, TemplateMarkers::MyOur, v.lowerWords(three, {1, 2}));
    setInOrder(file, TemplateMarkers::MeUs, v.lowerWords(three, {3}));
}

void fill3CB(MasterFile &file, const Values &v, const AssesseeParticulars &a)
{
    const QString one = PartAPoints::Form3cbPointOne;
    const QString two = QStringLiteral("3CBPT2");
    const QString three = QStringLiteral("3CBPT3");
    const QString five = QStringLiteral("3CBPT5");
    setInOrder(file, TemplateMarkers::IWe,
               {v.word(one, 1), v.word(two, 1), v.word(three, 1), v.word(three, 3)});
    setInOrder(file, TemplateMarkers::BalanceSheetDate, {v.value(one, 2)});
    setInOrder(file, TemplateMarkers::AccountsType, {v.word(one, 3), v.word(two, 2), v.word(three, 11)});
    setInOrder(file, TemplateMarkers::PeriodStart, {v.value(one, 4)});
    setInOrder(file, TemplateMarkers::PeriodEnd, {v.value(one, 5)});
    setInOrder(file, TemplateMarkers::Name, {a.name});
    setInOrder(file, TemplateMarkers::Address, {a.address});
    setInOrder(file, TemplateMarkers::Pan, {a.pan});
    setInOrder(file, TemplateMarkers::HeadOffice, {v.value(two, 3)});
    setInOrder(file, TemplateMarkers::Branches, {v.value(two, 4)});
    setInOrder(file, TemplateMarkers::Observations, {v.value(three, 2)});
    setInOrder(file, TemplateMarkers::MyOur,
               v.lowerWords(three, {4, 5, 6, 7, 8}) + v.lowerWords(five, {1, 2}));
    setInOrder(file, TemplateMarkers::MeUs, {v.word(three, 9, true), v.word(five, 3, true)});
    setInOrder(file, TemplateMarkers::BalanceSheetYear, {v.value(three, 10)});
    setInOrder(file, TemplateMarkers::ProfitLoss, {v.word(three, 12)});
}

} // namespace

void fill(MasterFile &file, const ReportModel &model, const PrintSetup &setup, const Accountant &accountant,
          bool blank)
{
    const bool form3CB = model.formCode() == QLatin1String("3CB");
    const int page = form3CB ? 101 : 1;
    const Values values(model, blank, page);
    const AssesseeParticulars assessee =
        blank ? AssesseeParticulars::blank() : AssesseeParticulars::of(model);
    setInOrder(file, TemplateMarkers::Udin, {TemplateMarkers::udinLine(model, blank)});
    if (form3CB)
        fill3CB(file, values, assessee);
    else
        fill3CA(file, values, assessee);
    qualifications(file, model, page, form3CB ? QStringLiteral("Qual") : QStringLiteral("3CAQual"), blank);
    TemplateMarkers::setAccountant(file, accountant, setup, blank, PrintedValues::signingDate(model),
                                   PrintedValues::signingPlace(model));
    TemplateMarkers::clearLeftovers(file);
}

} // namespace TemplateFrontPage

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
    const int table = file.FindTextInTable(QStringLiteral("$#$SN$#$"), &markerRow);
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
    setInOrder(file, QStringLiteral("$#$IWe$#$"), {v.word(one, IWe), v.word(one, IWe2)});
    setInOrder(file, QStringLiteral("$#$Name$#$"), {a.name});
    setInOrder(file, QStringLiteral("$#$Address$#$"), {a.address});
    setInOrder(file, QStringLiteral("$#$PAN$#$"), {a.pan});
    setInOrder(file, QStringLiteral("$#$MeUsMs$#$"), {v.word(one, MeUs)});
    setInOrder(file, QStringLiteral("$#$AudName$#$"),
               {PrintedValues::joined({v.value(one, Firm), v.value(one, OtherAct)}, QStringLiteral(" "))});
    setInOrder(file, QStringLiteral("$#$Act#$"), {v.value(one, Act)});
    setInOrder(file, QStringLiteral("$#$MyOurTheir$#$"), {v.word(one, MyOurTheir, true)});
    setInOrder(file, QStringLiteral("$#$AudRptDt$#$"), {v.value(one, ReportedOn)});
    setInOrder(file, QStringLiteral("$#$PLType$#$"), {v.word(one, Accounts), v.word(one, Accounts2)});
    setInOrder(file, QStringLiteral("$#$PStart Date$#$"), {v.value(one, PeriodFrom)});
    setInOrder(file, QStringLiteral("$#$PEnd Date$#$"), {v.value(one, PeriodTo)});
    setInOrder(file, QStringLiteral("$#$BSYear$#$"), {PageValues::balanceSheetDate(v.value(one, Year))});
    setInOrder(file, QStringLiteral("$#$MyOur$#$"), v.lowerWords(three, {1, 2}));
    setInOrder(file, QStringLiteral("$#$MeUs$#$"), v.lowerWords(three, {3}));
}

void fill3CB(MasterFile &file, const Values &v, const AssesseeParticulars &a)
{
    const QString one = PartAPoints::Form3cbPointOne;
    const QString two = QStringLiteral("3CBPT2");
    const QString three = QStringLiteral("3CBPT3");
    const QString five = QStringLiteral("3CBPT5");
    setInOrder(file, QStringLiteral("$#$IWe$#$"),
               {v.word(one, 1), v.word(two, 1), v.word(three, 1), v.word(three, 3)});
    setInOrder(file, QStringLiteral("$#$BSDate$#$"), {v.value(one, 2)});
    setInOrder(file, QStringLiteral("$#$PLType$#$"), {v.word(one, 3), v.word(two, 2), v.word(three, 11)});
    setInOrder(file, QStringLiteral("$#$PStart Date$#$"), {v.value(one, 4)});
    setInOrder(file, QStringLiteral("$#$PEnd Date$#$"), {v.value(one, 5)});
    setInOrder(file, QStringLiteral("$#$Name$#$"), {a.name});
    setInOrder(file, QStringLiteral("$#$Address$#$"), {a.address});
    setInOrder(file, QStringLiteral("$#$PAN$#$"), {a.pan});
    setInOrder(file, QStringLiteral("$#$HOAdd$#$"), {v.value(two, 3)});
    setInOrder(file, QStringLiteral("$#$NoBranch$#$"), {v.value(two, 4)});
    setInOrder(file, QStringLiteral("$#$ObsComDisInc$#$"), {v.value(three, 2)});
    setInOrder(file, QStringLiteral("$#$MyOur$#$"),
               v.lowerWords(three, {4, 5, 6, 7, 8}) + v.lowerWords(five, {1, 2}));
    setInOrder(file, QStringLiteral("$#$MeUs$#$"), {v.word(three, 9, true), v.word(five, 3, true)});
    setInOrder(file, QStringLiteral("$#$BSYear$#$"), {v.value(three, 10)});
    setInOrder(file, QStringLiteral("$#$ProLos$#$"), {v.word(three, 12)});
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
    setInOrder(file, QStringLiteral("$#$UDIN$#$"), {TemplateMarkers::udinLine(model, blank)});
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

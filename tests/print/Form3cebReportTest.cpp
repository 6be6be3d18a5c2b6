#include "PdfText.h"
#include "TestHost.h"

#include "model/ReportModel.h"
#include "print/Form3cebReport.h"
#include "print/PrintSetup.h"
#include "print/ReportEngine.h"
#include "store/Database.h"
#include "store/ModuleState.h"

#include <QRegularExpression>

namespace
{

// The demo client's Form 3CEB (C004) printed into a PDF and read back.
class Form3cebPrint : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        env->openForm(FormKind::F3CEB, QStringLiteral("C004"));
        model = ReportModel::load();
    }

    QString printed(bool layout = false)
    {
        ReportEngine engine;
        EXPECT_TRUE(Form3cebReport::build(engine, *model));
        const QString pdf = env->dir() + QStringLiteral("/3ceb.pdf");
        EXPECT_TRUE(engine.saveAsPdf(pdf));
        return pdfText(pdf, layout);
    }

    // The text from a clause label at the start of a line to the next label given.
    static QString between(const QString &text, const QString &from, const QString &to)
    {
        const qsizetype start =
            text.indexOf(QRegularExpression(QStringLiteral("\n *") + from + QStringLiteral(" ")));
        const qsizetype end =
            text.indexOf(QRegularExpression(QStringLiteral("\n *") + to + QStringLiteral(" ")), start + 1);
        EXPECT_GE(start, 0) << from.toStdString();
        EXPECT_GT(end, start) << to.toStdString();
        return text.mid(start, end - start);
    }

    std::unique_ptr<ReportModel> model;
};

} // namespace

// The report, its three paragraphs with the words the accountant chose, the signature, then
// the Annexure's three parts in order with every clause from 10 to 25New (at the start of a
// line, or of a page after the form feed).
TEST_P(Form3cebPrint, PrintsTheReportAndEveryClauseOfTheAnnexure)
{
    const QString text = printed();
    const QString flat =
        QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    EXPECT_TRUE(flat.contains(QStringLiteral("Form No 3CEB [See rule 10E]")));
    EXPECT_TRUE(flat.contains(QStringLiteral("UDIN : 26204060BKCXQR7316")));
    EXPECT_TRUE(flat.contains(QStringLiteral("1. We have examined the accounts and records of Sanjay O'Brien "
                                             "Trading Co.")));
    EXPECT_TRUE(flat.contains(QStringLiteral("PAN- AAECS9876Q")));
    EXPECT_TRUE(flat.contains(QStringLiteral("previous year ending on 31st March, 2026.")));
    EXPECT_TRUE(flat.contains(QStringLiteral("2. In our opinion proper information and documents as are "
                                             "prescribed have been kept by the assessee")));
    EXPECT_TRUE(flat.contains(QStringLiteral("explanations given to us, the particulars")));
    EXPECT_TRUE(flat.contains(QStringLiteral("Chartered Accountants")));
    EXPECT_TRUE(flat.contains(QStringLiteral("M. No. : 204060")));

    const qsizetype annexure = text.indexOf(QStringLiteral("ANNEXURE TO FORM NO. 3CEB"));
    const qsizetype partA = text.indexOf(QStringLiteral("PART A"));
    const qsizetype partB = text.indexOf(QStringLiteral("PART B (International Transactions)"));
    const qsizetype partC = text.indexOf(QStringLiteral("PART C (Specified domestic transaction)"));
    EXPECT_GT(annexure, 0);
    EXPECT_LT(annexure, partA);
    EXPECT_LT(partA, partB);
    EXPECT_LT(partB, partC);
    EXPECT_TRUE(text.mid(partA, partB - partA).contains(QStringLiteral("Wholesale of other")));
    qsizetype last = partB;
    for (const char *clause :
         {"10", "11A", "11B", "11C", "12", "13", "14", "15", "16", "17", "18", "19", "20"}) {
        const qsizetype at =
            text.indexOf(QRegularExpression(QStringLiteral("[\n\f]%1\\s").arg(QLatin1String(clause))), last);
        EXPECT_GT(at, last) << clause;
        EXPECT_LT(at, partC) << clause;
        last = at;
    }
    for (const char *clause : {"21", "22A", "22B", "23", "24", "25", "25New"}) {
        const qsizetype at =
            text.indexOf(QRegularExpression(QStringLiteral("[\n\f]%1\\s").arg(QLatin1String(clause))), last);
        EXPECT_GT(at, partC) << clause;
        last = at;
    }
}

// A clause answered Yes prints its grid, rows in the numeric order of their serial numbers;
// one answered No prints its question and "No" without a table.
TEST_P(Form3cebPrint, PrintsGridsOnlyForClausesAnsweredYesInSerialOrder)
{
    QString text = printed(true);
    const QString raw = between(text, QStringLiteral("11A"), QStringLiteral("11B"));
    EXPECT_TRUE(raw.contains(QStringLiteral("Yes")));
    EXPECT_LT(raw.indexOf(QStringLiteral("Raw silk")), raw.indexOf(QStringLiteral("Merino")));
    const QString other = between(text, QStringLiteral("11C"), QStringLiteral("12"));
    EXPECT_TRUE(other.contains(QStringLiteral("No")));
    EXPECT_FALSE(other.contains(QStringLiteral("associated")));

    // Serial "10" comes after "9", not before it as text would sort.
    const QList<ReportModel::Row> &rows = model->rows(3, QStringLiteral("11A"));
    ASSERT_EQ(rows.size(), 2);
    const int silk = rows.at(0).col(4).contains(QStringLiteral("silk")) ? 0 : 1;
    ASSERT_TRUE(model->setCell(3, QStringLiteral("11A"), silk, 15, QStringLiteral("10")));
    ASSERT_TRUE(model->setCell(3, QStringLiteral("11A"), 1 - silk, 15, QStringLiteral("9")));
    text = printed(true);
    const QString swapped = between(text, QStringLiteral("11A"), QStringLiteral("11B"));
    EXPECT_GT(swapped.indexOf(QStringLiteral("Raw silk")), swapped.indexOf(QStringLiteral("Merino")));
}

// Part A's sections under "Sector", "Sub Sector" and "Code" and the aggregate values of the
// transactions; the Annexure's headings over the columns; the remarks of the clauses after
// each clause or at the end; and the closing signatures: the assessee's signatories in
// their order with their DIN beside the accountant.
TEST_P(Form3cebPrint, AnnexureHeadingsRemarksAndClosingSignatures)
{
    Database &db = env->host().DBObj();
    db.Execute(QStringLiteral("DELETE FROM signatory1 WHERE Code_No=?"), {QStringLiteral("C004")});
    db.Execute(QStringLiteral("INSERT INTO signatory1 (Code_No, SrNo, Name, Designation, DIN, PAN) VALUES "
                              "(?,?,?,?,?,?),(?,?,?,?,?,?)"),
               {QStringLiteral("C004"), 2, QStringLiteral("MEERA O'BRIEN"), QStringLiteral("Partner"),
                QStringLiteral("07654321"), QString(), QStringLiteral("C004"), 1,
                QStringLiteral("SANJAY O'BRIEN"), QStringLiteral("Managing Partner"),
                QStringLiteral("01234567"), QString()});
    model->setRows(301, QStringLiteral("R11A"), {{QStringLiteral("Prices compared with the CUP method.")}});
    model->setRows(10, QStringLiteral("Opt22A"), {{QStringLiteral("True")}});

    QString text = printed();
    QString flat = QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    for (const char *heading :
         {"Sector Sub Sector Code", "Aggregate value of international transactions as per books of accounts",
          "Aggregate value of specified domestic transactions as per books of accounts",
          "Type Of Unique Identifier", "PAN/TAN/Other", "Identification Number",
          "Observations/Remarks if any", "Aadhar",
          "Name of the person with whom the specified domestic transaction has been entered into"})
        EXPECT_TRUE(flat.contains(QLatin1String(heading))) << heading;

    // The headings of a table's cells come line by line across the row.
    const QString layout = printed(true);
    const qsizetype from = layout.indexOf(QStringLiteral("22A "));
    const QString transferred = layout.mid(from, layout.indexOf(QStringLiteral("22B "), from) - from);
    for (const char *word : {"Details", "Description of", "transferred", "books"})
        EXPECT_TRUE(transferred.contains(QLatin1String(word))) << word;

    const qsizetype remark =
        flat.indexOf(QStringLiteral("Remarks Clause 11A Prices compared with the CUP method."));
    EXPECT_GT(remark, flat.indexOf(QStringLiteral("Raw silk")));
    EXPECT_LT(remark, flat.indexOf(QStringLiteral("11B ")));

    const qsizetype first = flat.indexOf(QStringLiteral("Managing Partner (DIN : 01234567)"));
    const qsizetype second = flat.indexOf(QStringLiteral("Partner (DIN : 07654321)"));
    EXPECT_GT(first, flat.indexOf(QStringLiteral("25New")));
    EXPECT_GT(second, first);
    EXPECT_GT(flat.lastIndexOf(QStringLiteral("Chartered Accountants")),
              flat.indexOf(QStringLiteral("25New")));

    PrintSetup setup;
    setup.remarksPlace = PrintSetup::AtTheEnd;
    model->setRows(PrintSetup::Page, PrintSetup::Point, {setup.columns()});
    text = printed();
    flat = QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    const qsizetype atEnd = flat.indexOf(QStringLiteral("Remarks Clause 11A"));
    EXPECT_GT(atEnd, flat.indexOf(QStringLiteral("25New")));
    EXPECT_LT(atEnd, flat.indexOf(QStringLiteral("(DIN : 01234567)")));
}

// A client whose Form 3CEB was never filled gets the message and no report.
TEST_P(Form3cebPrint, RefusesAReportNeverFilled)
{
    env->openForm(FormKind::F3CEB, QStringLiteral("C001"));
    ReportEngine engine;
    EXPECT_FALSE(Form3cebReport::build(engine, *ReportModel::load()));
    EXPECT_EQ(env->prompt().lastText(), QStringLiteral("Form is not filled please fill the form"));
}

TALVEX_BOTH_ENGINES(Form3cebPrint);

#pragma once

#include "TestHost.h"

#include "host/DemoClauses.h"
#include "model/ReportModel.h"
#include "store/Database.h"

#include <QRegularExpression>

// The demo client's Form 3CA report with every clause filled, as the program creates it.
class FilledReportTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        env->openFilledReport();
    }

    // The printed report names every clause from 1 to 44 at the start of a line (a clause
    // that opens a page follows the form feed pdftotext puts between pages) and carries the
    // values the accountant entered (a value may wrap in its cell), the UDIN line, the
    // signature and the footer.
    static void expectWholeReport(const QString &text)
    {
        const QString flat = text.simplified();
        for (int clause = 1; clause <= 44; ++clause) {
            const QRegularExpression label(QStringLiteral("(^|\\n|\\f)%1(\\(|[A-Za-z]|\\n|\\s)").arg(clause));
            EXPECT_TRUE(label.match(text).hasMatch()) << "clause " << clause;
        }
        for (const char *value :
             {"FORM NO. 3CA", "FORM NO. 3CD", "PART - A", "PART - B", "Sharma Textiles Private Limited",
              "AABCS1234K", "27AABCS1234K1Z5", "MANUFACTURING", "Cash Book", "217500.00", "Provident Fund",
              "Hartley Textile Design Ltd", "MERCANTILE SYSTEM", "UDIN : 26204060ABCDE12345",
              "For RAGHAVAN IYER & CO.", "Chartered Accountants", "Remarks : - Depreciation is computed",
              "AY - 2026-27"})
            EXPECT_TRUE(flat.contains(QString::fromUtf8(value))) << value;
    }

    // Clause 34(a) payments with every column filled: "Work N" paid 10000 + N rupees.
    static QList<QStringList> payments(int count)
    {
        QList<QStringList> rows;
        for (int i = 1; i <= count; ++i) {
            QStringList row(ReportModel::kSequenceColumn);
            const QStringList cells{
                QStringLiteral("MUMS12345A"),     QStringLiteral("194C"),
                QStringLiteral("Work %1").arg(i), QString::number(10000 + i) + QStringLiteral(".00"),
                QStringLiteral("10000.00"),       QStringLiteral("10000.00"),
                QStringLiteral("200.00"),         QStringLiteral("0.00"),
                QStringLiteral("0.00"),           QStringLiteral("0.00")};
            for (int c = 0; c < cells.size(); ++c)
                row[c] = cells.at(c);
            row[ReportModel::kSequenceColumn - 1] = QString::number(i);
            rows << row;
        }
        return rows;
    }

    // The lines of a layout text that hold a payment's serial, TAN, section, nature and
    // amount in columns, one line for one payment.
    static int paymentLines(const QString &layoutText, int count)
    {
        int found = 0;
        for (int i = 1; i <= count; ++i) {
            const QRegularExpression line(
                QStringLiteral("(^|\\n|\\f)\\s*%1\\s+MUMS12345A\\s+194C\\s+Work %1\\s+%2\\.00\\s+10000\\.00")
                    .arg(i)
                    .arg(10000 + i));
            found += line.match(layoutText).hasMatch() ? 1 : 0;
        }
        return found;
    }

    // Twelve books of clause 11(a) stored out of order, "10" ahead of "9": "Ledger book N kept".
    static QList<QStringList> booksOutOfOrder()
    {
        QList<QStringList> books;
        for (int serial : {10, 9, 11, 2, 1, 3, 4, 5, 6, 7, 8, 12}) {
            QStringList row(ReportModel::kSequenceColumn);
            row[0] = QStringLiteral("Ledger book %1 kept").arg(serial);
            row[ReportModel::kSequenceColumn - 1] = QString::number(serial);
            books << row;
        }
        return books;
    }
};

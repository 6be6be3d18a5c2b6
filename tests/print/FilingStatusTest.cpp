#include "PdfText.h"
#include "TestHost.h"
#include "ToolRun.h"

#include "host/AuditFiling.h"
#include "host/TalvexBase.h"
#include "print/FilingStatusReport.h"
#include "print/ReportEngine.h"

#include <QTemporaryDir>

namespace
{

class FilingStatus : public EngineTest
{
protected:
    QStringList listed(AuditFiling::Listed which = AuditFiling::Listed::All)
    {
        QStringList lines;
        for (const AuditFiling::Entry &e :
             AuditFiling::list(env->host().DBObj(), QStringLiteral("2026"), which))
            lines << QStringList{e.code, e.status, e.dueDate, e.filingDate}.join(u'|');
        return lines;
    }
};

} // namespace

// Every client of the year is listed with its status; one never recorded is pending. The
// report is due on 30 September, or 31 October for a client who also reports under
// section 92E; a filing date shows only for a filed report, and a new record replaces the old.
TEST_P(FilingStatus, ListsEachClientWithItsStatusAndDueDate)
{
    EXPECT_EQ(listed(), (QStringList{"C001|Filed|30/09/2026|26/09/2026", "C002|Pending|30/09/2026|",
                                     "C003|Pending|30/09/2026|", "C004|Pending for Approval|31/10/2026|"}));
    EXPECT_EQ(listed(AuditFiling::listedOf(QStringLiteral("a"))),
              QStringList{"C004|Pending for Approval|31/10/2026|"});
    EXPECT_EQ(listed(AuditFiling::listedOf(QStringLiteral("P"))).size(), 2);

    Database &db = env->host().DBObj();
    AuditFiling::record(db, QStringLiteral("C004"), QStringLiteral("2026"), AuditFiling::Filed,
                        QStringLiteral("30/10/2026"));
    AuditFiling::record(db, QStringLiteral("C001"), QStringLiteral("2026"), AuditFiling::PendingForApproval,
                        QStringLiteral("01/10/2026"));
    EXPECT_EQ(listed(AuditFiling::Listed::Filed), QStringList{"C004|Filed|31/10/2026|30/10/2026"});
    EXPECT_EQ(listed(AuditFiling::Listed::PendingForApproval),
              QStringList{"C001|Pending for Approval|30/09/2026|"});
    // Another year has its own records.
    EXPECT_EQ(AuditFiling::list(db, QStringLiteral("2025"), AuditFiling::Listed::Filed).size(), 0);
}

// The printed report carries the title of the state asked for and only those clients.
TEST_P(FilingStatus, PrintsTheClientsOfTheStateAskedFor)
{
    const AuditFiling::Listed which = AuditFiling::listedOf(QStringLiteral("A"));
    ReportEngine engine;
    FilingStatusReport::build(engine, AuditFiling::titleOf(which), QStringLiteral("2026"),
                              AuditFiling::list(env->host().DBObj(), QStringLiteral("2026"), which));
    const QString pdf = env->dir() + QStringLiteral("/status.pdf");
    ASSERT_TRUE(engine.saveAsPdf(pdf));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("3CD Pending for Approval Filing Status")));
    for (const char *heading : {"Code No.", "Name", "Status", "Due Date", "Filing Date"})
        EXPECT_TRUE(text.contains(QLatin1String(heading))) << heading;
    EXPECT_TRUE(text.contains(QStringLiteral("Sanjay O'Brien Trading Co.")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sharma Textiles")));
}

TALVEX_BOTH_ENGINES(FilingStatus);

// taxaudit notes a filing and refuses what it cannot record.
TEST(FilingStatusCommand, RecordsAFilingAndRefusesBadInput)
{
    QTemporaryDir home;
    const QString db = QStringLiteral("sqlite:") + home.filePath(QStringLiteral("t.db"));
    auto taxaudit = [&](const QStringList &args) {
        return runTaxaudit(home.path(), QStringList{"--db", db} + args);
    };
    ASSERT_EQ(taxaudit({"demo"}).status, 0);
    const QStringList c2{"record-filing", "--client", "C002", "--year", "2026"};
    EXPECT_EQ(taxaudit(c2 + QStringList{"--status", "filed"}).status, 2);
    EXPECT_EQ(taxaudit(c2 + QStringList{"--status", "filed", "--date", "31/02/2026"}).status, 2);
    EXPECT_EQ(taxaudit(c2 + QStringList{"--status", "sent"}).status, 2);
    EXPECT_EQ(taxaudit({"record-filing", "--client", "C009", "--year", "2026", "--status", "pending"}).status,
              2);
    ASSERT_EQ(taxaudit(c2 + QStringList{"--status", "filed", "--date", "1/10/26"}).status, 0);
    const ToolRun filed = taxaudit({"filing-status", "--year", "2026", "--flag", "F"});
    EXPECT_EQ(filed.out,
              QStringLiteral("C001\tSharma Textiles Private Limited\tFiled\t30/09/2026\t26/09/2026\n"
                             "C002\tMehta & Sons\tFiled\t30/09/2026\t01/10/2026\n"));
}

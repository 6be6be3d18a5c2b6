#include "ModelTestSupport.h"

#include "model/ClauseGridModel.h"
#include "model/ReportModel.h"
#include "pages/annex/frmAnnex.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>

// A workbook saved by an older Excel (.xls) comes into the annexure window as the .xlsx
// it was made from does. LibreOffice makes the .xls from the window's own export.
class LegacyWorkbookTest : public ModelTest
{
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        if (!env)
            return;
        office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty())
            GTEST_SKIP() << "LibreOffice is not installed";
        report = ReportModel::load();
    }
    // The clause's rows as the window exports them (.xlsx).
    QString exported(ClauseGridModel &grid, const QString &clause)
    {
        const QString xlsx = file("Annexure_" + clause + ".xlsx");
        frmAnnex window(grid, clause, QString(), clause + ". Details", file("Annex3CD"));
        env->prompt().queueText(xlsx);
        window.exportToExcel();
        return xlsx;
    }
    // The workbooks saved again as .xls by LibreOffice, in one run; false when that failed.
    bool saveAsXls(const QStringList &workbooks)
    {
        // A profile of its own: another LibreOffice running on the machine does not interfere.
        QProcess convert;
        convert.start(office,
                      QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(file("office")).toString(),
                                  "--headless", "--convert-to", "xls", "--outdir", home.path()} +
                          workbooks);
        return convert.waitForFinished(180000) && convert.exitCode() == 0;
    }
    // Imports the workbook into a window whose rows were all deleted; the window's rows after.
    QList<QStringList> imported(ClauseGridModel &grid, const QString &clause, const QString &path)
    {
        frmAnnex window(grid, clause, QString(), clause + ". Details", file("Annex3CD"));
        while (window.table()->rowCount() > 0) {
            window.table()->setCurrentCell(0, 0);
            window.deleteRow();
        }
        env->prompt().queueText(path);
        window.importFromExcel();
        EXPECT_EQ(env->prompt().lastText(), "Import Successfully.");
        QList<QStringList> rows;
        for (const QStringList &row : window.sheet().rows)
            rows << row.mid(0, grid.columnCount());
        return rows;
    }
    static QList<QStringList> rowsOf(const ClauseGridModel &grid)
    {
        QList<QStringList> rows;
        for (int r = 0; r < grid.rowCount(); ++r)
            rows << grid.rowCells(r);
        return rows;
    }

    QString office;
    std::unique_ptr<ReportModel> report;
};
// The reader is the file's, not the database's: one engine is enough.
INSTANTIATE_TEST_SUITE_P(Engines, LegacyWorkbookTest, testing::Values(TestEngine::SQLite), engineName);

TEST_P(LegacyWorkbookTest, AnXlsWorkbookImportsTheRowsItWasSavedWith)
{
    ClauseGridModel payments(*report, 17, QStringLiteral("34a"));
    ClauseGridModel blocks(*report, 7, QStringLiteral("18"));
    ASSERT_GE(payments.rowCount(), 1);
    ASSERT_TRUE(saveAsXls({exported(payments, "34a"), exported(blocks, "18")}));
    const QString xls = file("Annexure_34a.xls");
    QFile head(xls);
    ASSERT_TRUE(head.open(QIODevice::ReadOnly));
    EXPECT_TRUE(head.read(4).startsWith("\xD0\xCF\x11\xE0")) << "a compound document, as Excel 97-2003 saves";
    head.close();
    EXPECT_EQ(imported(payments, "34a", xls), rowsOf(payments));

    // Clause 18's workbook of blocks, with the dates of additions and sales: the .xls gives
    // the blocks the .xlsx gives.
    const QList<QStringList> fromXls = imported(blocks, "18", file("Annexure_18.xls"));
    EXPECT_EQ(fromXls.size(), blocks.rowCount());
    EXPECT_EQ(fromXls, imported(blocks, "18", file("Annexure_18.xlsx")));
}

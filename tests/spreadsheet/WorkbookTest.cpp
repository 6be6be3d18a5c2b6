#include "ModelTestSupport.h"

#include "catalogue/DepreciationBlocks.h"
#include "spreadsheet/AnnexureClause.h"
#include "spreadsheet/AnnexureLayout.h"
#include "spreadsheet/AnnexureWorkbook.h"
#include "spreadsheet/WorkbookReader.h"

#include "SourceDataDir.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <zip.h>

namespace
{

// One part of an .xlsx archive as text, to look at what the spreadsheet will show.
QString partOf(const QString &path, const char *name)
{
    int status = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &status);
    if (!archive)
        return {};
    zip_stat_t stat;
    QByteArray data;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        zip_file_t *file = zip_fopen(archive, name, 0);
        data.resize(qsizetype(stat.size));
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
    }
    zip_discard(archive);
    return QString::fromUtf8(data);
}

} // namespace

using WorkbookTest = ModelTest;
TALVEX_BOTH_ENGINES(WorkbookTest);

TEST_P(WorkbookTest, AClauseGridGoesOutInItsLayoutAndReadsBack)
{
    const std::optional<AnnexureClause> clause = AnnexureClause::find(QStringLiteral("34a"));
    ASSERT_TRUE(clause);
    EXPECT_EQ(clause->page, 17);
    const AnnexureLayout layout = AnnexureLayout::ofGrid(clause->columns);
    const QList<QStringList> rows{
        {"MUMS12345A", "194C", "Payment to contractors", "1500000.50", "1500000.00", "1500000.00", "30000.00",
         "0.00", "0.00", "0.00"},
        {"MUMS12345A", "194J", "Fees for professional services", "NA", "", "1.25", "0.10", "0", "0", "7"}};
    const QString path = file("34a.xlsx");
    ASSERT_TRUE(AnnexureWorkbook::write(path, layout, rows));

    const std::optional<QList<WorkbookSheet>> sheets = WorkbookReader::read(path);
    ASSERT_TRUE(sheets);
    ASSERT_EQ(sheets->size(), 2);
    const WorkbookSheet &sheet = sheets->first();
    EXPECT_EQ(sheet.name, "Sheet1");
    EXPECT_EQ(sheet.cell(0, 0), AnnexureLayout::instruction());
    EXPECT_EQ(sheet.rows.at(1), layout.headings());
    // Amounts as the sheet shows them ("0.00"), markers and texts as written.
    EXPECT_EQ(sheet.rows.at(2), rows.at(0));
    EXPECT_EQ(sheet.rows.at(3), (QStringList{"MUMS12345A", "194J", "Fees for professional services", "NA", "",
                                             "1.25", "0.10", "0.00", "0.00", "7.00"}));
    EXPECT_EQ(sheet.rows.size(), 4);
    // The section list comes from a hidden sheet of its own.
    EXPECT_EQ(sheets->at(1).name, "Lists");
    EXPECT_TRUE(sheets->at(1).rows.contains(QStringList{"194C"}));

    const QString xml = partOf(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(xml.contains(R"(<mergeCell ref="A1:J1"/>)")) << xml.toStdString();
    EXPECT_TRUE(xml.contains(R"(ySplit="2")") && xml.contains(R"(state="frozen")"));
    EXPECT_TRUE(xml.contains(R"(<dataValidation type="list")"));
    EXPECT_TRUE(xml.contains("<formula1>Lists!$A$1:$A$"));
    EXPECT_TRUE(xml.contains(R"(<c r="D3" s=")") && xml.contains("<v>1500000.5</v>"));
    const QString styles = partOf(path, "xl/styles.xml");
    EXPECT_TRUE(styles.contains(R"(formatCode="0.00")"));
    EXPECT_TRUE(styles.contains("<u/>"));
    EXPECT_TRUE(styles.contains(R"(wrapText="1")"));
    EXPECT_TRUE(styles.contains(R"(<left style="thin">)"));
}

TEST_P(WorkbookTest, HiddenGridColumnsAreHiddenAndTheShippedTemplateIsTheEmptyClause18Workbook)
{
    const std::optional<AnnexureClause> clause = AnnexureClause::find(QStringLiteral("18"));
    ASSERT_TRUE(clause);
    const QString path = file("18grid.xlsx");
    ASSERT_TRUE(AnnexureWorkbook::write(path, AnnexureLayout::ofGrid(clause->columns), {}));
    const QString xml = partOf(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(xml.contains(QRegularExpression(R"(<col min="20" max="20" [^>]*hidden="1")")))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains(QRegularExpression(R"(<col min="21" max="21" [^>]*hidden="1")")));
    EXPECT_FALSE(xml.contains(QRegularExpression(R"(<col min="19" max="19" [^>]*hidden="1")")));

    ASSERT_EQ(taxaudit({"export-annexure", "--client", "C002", "--year", "2026", "--clause", "18", "--out",
                        file("empty18.xlsx")})
                  .status,
              0);
    const auto written = WorkbookReader::read(file("empty18.xlsx"));
    const auto shipped =
        WorkbookReader::read(QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/Annexure_18.xlsx"));
    ASSERT_TRUE(written && shipped);
    EXPECT_EQ(written->first().rows, shipped->first().rows);
    EXPECT_EQ(shipped->first().rows.size(), 2 + DepreciationBlocks::all().size());
    EXPECT_EQ(shipped->first().cell(2, 0), "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");
}

TEST_P(WorkbookTest, AFileThatIsNoWorkbookIsRefusedWithAReason)
{
    QFile broken(file("broken.xlsx"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("PK\x03\x04 not really a zip");
    broken.close();
    QString error;
    EXPECT_FALSE(WorkbookReader::read(broken.fileName(), &error));
    EXPECT_EQ(error, "The file is not an Excel workbook.");
    QFile text(file("notes.xls"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Name,Amount\n");
    text.close();
    EXPECT_FALSE(WorkbookReader::read(text.fileName(), &error));
    EXPECT_FALSE(WorkbookReader::read(file("missing.xlsx"), &error));
}

// LibreOffice, where it is installed, opens the workbook and sees the same cells.
TEST_P(WorkbookTest, LibreOfficeReadsTheExportedWorkbook)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    ASSERT_EQ(taxaudit({"export-annexure", "--client", "C001", "--year", "2026", "--clause", "34a", "--out",
                        file("lo.xlsx")})
                  .status,
              0);
    QProcess convert;
    convert.start(office, {"--headless", "--convert-to", "csv", "--outdir", home.path(), file("lo.xlsx")});
    ASSERT_TRUE(convert.waitForFinished(120000));
    QFile csv(file("lo.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.contains("Tax deduction and collection Account Number (TAN)"));
    EXPECT_TRUE(text.contains("MUMS12345A,194C,"));
}

#include "ModelTestSupport.h"

#include "catalogue/DepreciationBlocks.h"
#include "efiling/ZipLibrary.h"
#include "spreadsheet/AnnexureClause.h"
#include "spreadsheet/AnnexureLayout.h"
#include "spreadsheet/AnnexureWorkbook.h"
#include "spreadsheet/Clause18Workbook.h"
#include "spreadsheet/WorkbookReader.h"
#include "spreadsheet/XlsProcess.h"
#include "spreadsheet/XlsxReader.h"
#include "spreadsheet/XlsxWriterLibrary.h"

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

const char kSheet[] = "xl/worksheets/sheet1.xml";

// The workbook with one part replaced, as a damaged or hand-made file has it.
bool replacePart(const QString &path, const char *name, const QByteArray &data)
{
    int status = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), 0, &status);
    if (!archive)
        return false;
    zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
    const bool added = source && zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) >= 0;
    return zip_close(archive) == 0 && added;
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

    // The shipped format is the empty clause 18 workbook as the program writes it, and a clause
    // without blocks is handed out as shipped.
    ASSERT_TRUE(AnnexureWorkbook::write(file("written18.xlsx"), Clause18Workbook::layout(),
                                        Clause18Workbook::sheetRows({})));
    const QString shippedPath = QStringLiteral(TALVEX_SOURCE_DATA_DIR "/3CDFiles/Annexure_18.xlsx");
    const auto written = WorkbookReader::read(file("written18.xlsx"));
    const auto shipped = WorkbookReader::read(shippedPath);
    ASSERT_TRUE(written && shipped);
    EXPECT_EQ(written->first().rows, shipped->first().rows);
    EXPECT_EQ(shipped->first().rows.size(), 3 + DepreciationBlocks::all().size());
    EXPECT_EQ(shipped->first().cell(3, 0), "(18a) Plant & Machinery @ 15%- Sec 32(1)(ii)");

    ASSERT_EQ(taxaudit({"export-annexure", "--client", "C003", "--year", "2026", "--clause", "18", "--out",
                        file("empty18.xlsx")})
                  .status,
              0);
    QFile handedOut(file("empty18.xlsx"));
    QFile format(shippedPath);
    ASSERT_TRUE(handedOut.open(QIODevice::ReadOnly) && format.open(QIODevice::ReadOnly));
    EXPECT_EQ(handedOut.readAll(), format.readAll());
}

// The clause 18 format: the additions and the deductions columns under their band headings
// merged across them, every other heading merged down over both heading rows. Reading the
// workbook gives the heading rows and the rows back; written again from what was read, it
// holds the same rows.
TEST_P(WorkbookTest, TheClause18FormatHasMergedHeadingRowsThatReadBack)
{
    const AnnexureLayout layout = Clause18Workbook::layout();
    ASSERT_EQ(layout.headingRows(), 2);
    const QList<QStringList> rows = Clause18Workbook::sheetRows({});
    const QString path = file("18.xlsx");
    ASSERT_TRUE(AnnexureWorkbook::write(path, layout, rows));
    const QString xml = partOf(path, kSheet);
    for (const char *merged : {"A1:P1", "A2:A3", "B2:B3", "E2:J2", "K2:M2", "N2:N3", "P2:P3"})
        EXPECT_TRUE(xml.contains(QStringLiteral(R"(<mergeCell ref="%1"/>)").arg(QLatin1String(merged))))
            << merged;
    EXPECT_TRUE(xml.contains(R"(ySplit="3")"));

    const auto sheets = WorkbookReader::read(path);
    ASSERT_TRUE(sheets);
    const WorkbookSheet &sheet = sheets->first();
    EXPECT_EQ(sheet.cell(1, 0), "Description of block / Particulars of asset");
    EXPECT_EQ(sheet.cell(2, 0), "");
    EXPECT_EQ(sheet.cell(1, 4), "Additions");
    EXPECT_EQ(sheet.cell(1, 5), "");
    EXPECT_EQ(sheet.cell(2, 6), "Purchase value");
    EXPECT_EQ(sheet.cell(1, 10), "Deductions");
    EXPECT_EQ(sheet.cell(2, 11), "Amount of deduction");
    EXPECT_TRUE(layout.matchesHeadings(sheet.rows));
    EXPECT_EQ(sheet.rows.mid(layout.firstDataRow()), rows);

    const QString again = file("18again.xlsx");
    ASSERT_TRUE(AnnexureWorkbook::write(again, layout, sheet.rows.mid(layout.firstDataRow())));
    EXPECT_EQ(WorkbookReader::read(again)->first().rows, sheet.rows);

    // A band renamed in the workbook is not the format any more.
    QList<QStringList> edited = sheet.rows;
    edited[1][4] = QStringLiteral("Purchases");
    EXPECT_FALSE(layout.matchesHeadings(edited));
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

// Workbooks cut off, damaged or made to take all the memory: each is refused whole, with its
// reason, and an import from it stores nothing.
class DamagedWorkbookTest : public ModelTest
{
protected:
    // A clause 34(a) workbook of `count` rows, as the export writes it.
    QString workbook(const QString &name, int count)
    {
        const AnnexureLayout layout = AnnexureLayout::ofGrid(AnnexureClause::find("34a")->columns);
        QList<QStringList> rows;
        for (int i = 0; i < count; ++i)
            rows << QStringList{"MUMS12345A", "194C",    "Payment to contractor " + QString::number(i),
                                "1000.00",    "1000.00", "1000.00",
                                "20.00",      "0.00",    "0.00",
                                "0.00"};
        EXPECT_TRUE(AnnexureWorkbook::write(file(name), layout, rows));
        return file(name);
    }
    // The workbook's first sheet with `from` replaced by `to`.
    QString withSheet(const QString &name, const QByteArray &from, const QByteArray &to)
    {
        const QString path = workbook(name, 50);
        QByteArray xml = partOf(path, kSheet).toUtf8();
        EXPECT_TRUE(xml.contains(from)) << from.toStdString();
        xml.replace(from, to);
        EXPECT_TRUE(replacePart(path, kSheet, xml));
        return path;
    }
    QString refusal(const QString &path)
    {
        QString error;
        EXPECT_FALSE(WorkbookReader::read(path, &error));
        return error;
    }
    QString rows() const { return taxaudit({"rows", "--client", "C001", "--year", "2026"}).out; }
};
TALVEX_BOTH_ENGINES(DamagedWorkbookTest);

TEST_P(DamagedWorkbookTest, ASheetCutOffOrWithABadCharacterImportsNothing)
{
    const QString path = workbook("cut.xlsx", 50);
    const QByteArray xml = partOf(path, kSheet).toUtf8();
    ASSERT_TRUE(replacePart(path, kSheet, xml.left(xml.size() / 2)));
    const QString bad = withSheet("bad.xlsx", "<row r=\"20\"", "\x01<row r=\"20\"");

    const QString before = rows();
    for (const QString &damaged : {path, bad}) {
        const ToolRun run = taxaudit(
            {"import-annexure", "--client", "C001", "--year", "2026", "--clause", "34a", damaged, "--yes"});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("Invalid File.")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("The sheet \"Sheet1\" of the workbook is damaged at line"))
            << run.err.toStdString();
        EXPECT_EQ(rows(), before);
    }
}

TEST_P(DamagedWorkbookTest, ReferencesPastTheLastRowOrColumnAreRefused)
{
    EXPECT_EQ(
        refusal(withSheet("column.xlsx", "r=\"A3\"", "r=\"ZZZZZZ52\"")),
        "The sheet \"Sheet1\" refers to cell ZZZZZZ52, past the last a workbook can have; it is not read.");
    EXPECT_EQ(
        refusal(withSheet("row.xlsx", "<row r=\"3\"", "<row r=\"2000000000\"")),
        "The sheet \"Sheet1\" refers to row 2000000000, past the last a workbook can have; it is not read.");
    EXPECT_TRUE(
        refusal(withSheet("doctype.xlsx", "<worksheet", "<!DOCTYPE worksheet [<!ENTITY a \"b\">]><worksheet"))
            .contains("document type"));
}

TEST_P(DamagedWorkbookTest, APartThatUnpacksPastTheLimitIsNotUnpacked)
{
    const QString path = workbook("bomb.xlsx", 1);
    QByteArray xml = partOf(path, kSheet).toUtf8();
    xml.insert(xml.indexOf("<sheetData"), QByteArray(XlsxReader::kMaxPartBytes, ' '));
    ASSERT_TRUE(replacePart(path, kSheet, xml));
    ASSERT_LT(QFile(path).size(), 1 << 20);
    EXPECT_EQ(
        refusal(path),
        "The part [xl/worksheets/sheet1.xml] of the workbook unpacks to more than 64 MiB; it is not read.");
}

TEST_P(DamagedWorkbookTest, SharedTextsPastTheLimitAreRefused)
{
    const QString path = workbook("strings.xlsx", 1);
    QByteArray xml =
        "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (int i = 0; i <= XlsxReader::kMaxSharedStrings; ++i)
        xml += "<si><t/></si>";
    xml += "</sst>";
    ASSERT_TRUE(replacePart(path, "xl/sharedStrings.xml", xml));
    EXPECT_EQ(refusal(path), "The workbook holds more than 1048576 shared texts; it is not read.");
}

// A fault inside the .xls library ends its helper process; the program goes on and says so.
TEST_P(DamagedWorkbookTest, AnXlsReaderThatCrashesLeavesTheProgramStanding)
{
    const QString helper = file("crashing-helper");
    QFile script(helper);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nkill -SEGV $$\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile xls(file("old.xls"));
    ASSERT_TRUE(xls.open(QIODevice::WriteOnly));
    xls.write("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    xls.close();

    QString error;
    EXPECT_FALSE(XlsProcess::read(xls.fileName(), &error, helper));
    EXPECT_EQ(error,
              "The workbook could not be read: the .xls reader stopped on a fault in the file, which may "
              "be damaged. Save it as an .xlsx workbook and import that.");

    // The real helper refuses a file that is no workbook with the library's answer.
    EXPECT_FALSE(WorkbookReader::read(xls.fileName(), &error));
    EXPECT_EQ(error, "The file is not an Excel workbook.");
}

// libzip and libxlsxwriter are loaded only when an archive is read or a workbook written; one
// that cannot be found is a message, not a fault.
TEST(WorkbookLibraries, AMissingLibraryIsAMessage)
{
    const ZipLibrary noZip = ZipLibrary::load(QStringLiteral("talvex-no-such-zip"), 4);
    EXPECT_TRUE(noZip.failure.startsWith(QLatin1String("The zip library could not be loaded: ")))
        << qPrintable(noZip.failure);
    EXPECT_EQ(noZip.open, nullptr);
    const XlsxWriterLibrary noWriter =
        XlsxWriterLibrary::load(QStringLiteral("talvex-no-such-xlsxwriter"), 4);
    EXPECT_TRUE(noWriter.failure.startsWith(QLatin1String("The workbook library could not be loaded: ")))
        << qPrintable(noWriter.failure);
    EXPECT_EQ(noWriter.workbookNew, nullptr);

    EXPECT_TRUE(ZipLibrary::load(QStringLiteral("zip"), 4).failure.isEmpty());
    EXPECT_TRUE(XlsxWriterLibrary::load(QStringLiteral("xlsxwriter"), 4).failure.isEmpty());
}

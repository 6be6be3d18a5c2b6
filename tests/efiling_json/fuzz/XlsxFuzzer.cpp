// The workbook reader on a workbook made of the input: its first sheet, then after a zero
// byte its shared texts, after another its cell styles. Read whole or refused with a
// reason, within its limits.
#include "spreadsheet/XlsxReader.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>
#include <zip.h>

namespace
{

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The data stays the caller's until the archive is closed.
void add(zip_t *archive, const char *name, const QByteArray &data)
{
    zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
    require(source && zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path = QDir::temp().filePath(QStringLiteral("xlsx_fuzz_%1.xlsx").arg(getpid()));
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    int status = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &status);
    require(archive);
    static const QByteArray workbook =
        "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
        "<sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    static const QByteArray relationships =
        "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    add(archive, "xl/workbook.xml", workbook);
    add(archive, "xl/_rels/workbook.xml.rels", relationships);
    add(archive, "xl/worksheets/sheet1.xml", parts.at(0));
    if (parts.size() > 1)
        add(archive, "xl/sharedStrings.xml", parts.at(1));
    if (parts.size() > 2)
        add(archive, "xl/styles.xml", parts.at(2));
    require(zip_close(archive) == 0);

    QString error;
    const std::optional<QList<WorkbookSheet>> sheets = XlsxReader(path).read(&error);
    require(sheets || !error.isEmpty());
    if (!sheets)
        return 0;
    require(sheets->size() == 1);
    qint64 cells = 0;
    for (const QStringList &row : sheets->first().rows)
        cells += 1 + row.size();
    require(sheets->first().rows.size() <= XlsxReader::kMaxRows);
    require(cells <= 2 * XlsxReader::kMaxCells);
    return 0;
}

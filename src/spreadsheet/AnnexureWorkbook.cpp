#include "AnnexureWorkbook.h"

#include "WorkbookReader.h"
#include "XlsxWriterLibrary.h"
#include "base/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace AnnexureWorkbook
{

namespace
{

constexpr double kPixelsPerCharacter = 7.0;
constexpr double kPointsPerLine = 15.0;
// Validation lists reach this far below the headings, far past any annexure.
constexpr lxw_row_t kValidatedRows = 65535;

const XlsxWriterLibrary &xlsx()
{
    return XlsxWriterLibrary::instance();
}

struct Formats {
    lxw_format *instruction;
    lxw_format *heading;
    lxw_format *text;
    lxw_format *amount;
    lxw_format *whole;

    explicit Formats(lxw_workbook *book)
    {
        instruction = xlsx().workbookAddFormat(book);
        xlsx().formatSetUnderline(instruction, LXW_UNDERLINE_SINGLE);
        xlsx().formatSetBold(instruction);
        xlsx().formatSetTextWrap(instruction);
        xlsx().formatSetAlign(instruction, LXW_ALIGN_VERTICAL_CENTER);

        heading = xlsx().workbookAddFormat(book);
        xlsx().formatSetBold(heading);
        xlsx().formatSetTextWrap(heading);
        xlsx().formatSetAlign(heading, LXW_ALIGN_CENTER);
        xlsx().formatSetAlign(heading, LXW_ALIGN_VERTICAL_CENTER);
        xlsx().formatSetBorder(heading, LXW_BORDER_THIN);

        text = xlsx().workbookAddFormat(book);
        xlsx().formatSetBorder(text, LXW_BORDER_THIN);
        xlsx().formatSetNumFormat(text, "@");
        amount = xlsx().workbookAddFormat(book);
        xlsx().formatSetBorder(amount, LXW_BORDER_THIN);
        xlsx().formatSetNumFormat(amount, "0.00");
        whole = xlsx().workbookAddFormat(book);
        xlsx().formatSetBorder(whole, LXW_BORDER_THIN);
        xlsx().formatSetNumFormat(whole, "0");
    }

    lxw_format *of(Catalogue::Kind kind) const
    {
        switch (kind) {
        case Catalogue::Kind::Amount:
            return amount;
        case Catalogue::Kind::Whole:
            return whole;
        default:
            return text;
        }
    }
};

// An Excel column name: 0 is "A", 26 "AA".
QByteArray columnName(int column)
{
    QByteArray name;
    for (++column; column > 0; column = (column - 1) / 26)
        name.prepend(char('A' + (column - 1) % 26));
    return name;
}

int linesOf(const QString &heading, int widthPixels)
{
    const int perLine = qMax(1, int(widthPixels / kPixelsPerCharacter) - 1);
    return qMax(1, int(std::ceil(double(heading.size()) / perLine)));
}

void writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const AnnexureColumn &column,
               const QString &value, const Formats &formats)
{
    lxw_format *format = formats.of(column.kind);
    if (value.isEmpty()) {
        xlsx().worksheetWriteBlank(sheet, row, col, format);
        return;
    }
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    // Amounts go in as numbers so that the spreadsheet adds them; markers ("Nil", "NA") as text.
    if (isNumber && (column.kind == Catalogue::Kind::Amount || column.kind == Catalogue::Kind::Whole))
        xlsx().worksheetWriteNumber(sheet, row, col, number, format);
    else
        xlsx().worksheetWriteString(sheet, row, col, value.toUtf8().constData(), format);
}

void addList(lxw_worksheet *lists, int listColumn, lxw_worksheet *sheet, int firstDataRow, lxw_col_t col,
             const AnnexureColumn &column)
{
    for (int i = 0; i < column.listItems.size(); ++i)
        xlsx().worksheetWriteString(lists, lxw_row_t(i), lxw_col_t(listColumn),
                                    column.listItems.at(i).toUtf8().constData(), nullptr);
    const QByteArray name = columnName(listColumn);
    QByteArray formula =
        "=Lists!$" + name + "$1:$" + name + "$" + QByteArray::number(column.listItems.size());
    lxw_data_validation validation{};
    validation.validate = LXW_VALIDATION_TYPE_LIST_FORMULA;
    validation.value_formula = formula.data();
    validation.ignore_blank = LXW_VALIDATION_ON;
    validation.error_type =
        column.listIsStrict ? LXW_VALIDATION_ERROR_TYPE_STOP : LXW_VALIDATION_ERROR_TYPE_WARNING;
    xlsx().worksheetDataValidationRange(sheet, lxw_row_t(firstDataRow), col, kValidatedRows, col,
                                        &validation);
}

bool hasLists(const Page &page)
{
    return std::any_of(page.layout.columns.begin(), page.layout.columns.end(),
                       [](const AnnexureColumn &c) { return !c.listItems.isEmpty(); });
}

void writePage(lxw_worksheet *sheet, lxw_worksheet *lists, int &listColumn, const Formats &formats,
               const Page &page)
{
    const AnnexureLayout &layout = page.layout;
    const int lastColumn = int(layout.columns.size()) - 1;

    const QByteArray title = page.title.toUtf8();
    if (lastColumn > 0)
        xlsx().worksheetMergeRange(sheet, 0, 0, 0, lxw_col_t(lastColumn), title.constData(),
                                   formats.instruction);
    else
        xlsx().worksheetWriteString(sheet, 0, 0, title.constData(), formats.instruction);
    xlsx().worksheetSetRow(sheet, 0, 2 * kPointsPerLine, nullptr);

    // Row heights follow the longest heading; a heading merged down over both rows has room to spare.
    const int top = AnnexureLayout::kHeadingRow;
    const bool banded = layout.headingRows() == 2;
    int bandLines = 1;
    int headingLines = 1;
    for (int c = 0; c <= lastColumn; ++c) {
        const AnnexureColumn &column = layout.columns.at(c);
        lxw_row_col_options options{};
        options.hidden = column.hidden ? 1 : 0;
        xlsx().worksheetSetColumnOpt(sheet, lxw_col_t(c), lxw_col_t(c), column.width / kPixelsPerCharacter,
                                     nullptr, &options);
        const QByteArray heading = column.heading.toUtf8();
        if (!banded) {
            xlsx().worksheetWriteString(sheet, top, lxw_col_t(c), heading.constData(), formats.heading);
        } else if (column.band.isEmpty()) {
            xlsx().worksheetMergeRange(sheet, top, lxw_col_t(c), top + 1, lxw_col_t(c), heading.constData(),
                                       formats.heading);
        } else {
            xlsx().worksheetWriteString(sheet, top + 1, lxw_col_t(c), heading.constData(), formats.heading);
            if (c == 0 || layout.columns.at(c - 1).band != column.band) {
                int last = c;
                int bandWidth = 0;
                while (last <= lastColumn && layout.columns.at(last).band == column.band)
                    bandWidth += layout.columns.at(last++).width;
                const QByteArray band = column.band.toUtf8();
                if (last - 1 > c)
                    xlsx().worksheetMergeRange(sheet, top, lxw_col_t(c), top, lxw_col_t(last - 1),
                                               band.constData(), formats.heading);
                else
                    xlsx().worksheetWriteString(sheet, top, lxw_col_t(c), band.constData(), formats.heading);
                bandLines = qMax(bandLines, linesOf(column.band, bandWidth));
            }
        }
        if (!column.hidden)
            headingLines = qMax(headingLines, linesOf(column.heading, column.width));
        if (!column.listItems.isEmpty())
            addList(lists, listColumn++, sheet, layout.firstDataRow(), lxw_col_t(c), column);
    }
    if (banded) {
        xlsx().worksheetSetRow(sheet, top, bandLines * kPointsPerLine, nullptr);
        xlsx().worksheetSetRow(sheet, top + 1, headingLines * kPointsPerLine, nullptr);
    } else {
        xlsx().worksheetSetRow(sheet, top, headingLines * kPointsPerLine, nullptr);
    }
    xlsx().worksheetFreezePanes(sheet, lxw_row_t(layout.firstDataRow()), 0);

    for (int r = 0; r < page.rows.size(); ++r)
        for (int c = 0; c <= lastColumn; ++c)
            writeCell(sheet, lxw_row_t(layout.firstDataRow() + r), lxw_col_t(c), layout.columns.at(c),
                      page.rows.at(r).value(c), formats);
}

} // namespace

bool writePages(const QString &path, const QList<Page> &pages, QString *error)
{
    if (!xlsx().failure.isEmpty()) {
        if (error)
            *error = xlsx().failure;
        return false;
    }
    OutputFile out(path);
    lxw_workbook *book =
        out.open() ? xlsx().workbookNew(QFile::encodeName(out.temporaryPath()).constData()) : nullptr;
    if (!book) {
        if (error)
            *error = out.errorString().isEmpty() ? QStringLiteral("The file cannot be written.")
                                                 : out.errorString();
        return false;
    }
    const Formats formats(book);
    // The hidden sheet of drop-down entries comes after the pages.
    QList<lxw_worksheet *> sheets;
    for (const Page &page : pages)
        sheets << xlsx().workbookAddWorksheet(book, page.name.toUtf8().constData());
    lxw_worksheet *lists = nullptr;
    if (std::any_of(pages.begin(), pages.end(), hasLists)) {
        lists = xlsx().workbookAddWorksheet(book, "Lists");
        xlsx().worksheetHide(lists);
    }
    int listColumn = 0;
    for (int p = 0; p < pages.size(); ++p)
        writePage(sheets.at(p), lists, listColumn, formats, pages.at(p));
    const lxw_error status = xlsx().workbookClose(book);
    if (status != LXW_NO_ERROR) {
        if (error)
            *error = OutputFile::writeFailure(QFileInfo(out.target()).absolutePath(),
                                              QString::fromUtf8(xlsx().lxwStrerror(status)));
        return false;
    }
    const bool written = out.commit([](const QString &file) {
        QString why;
        return WorkbookReader::read(file, &why)
                   ? QString()
                   : QStringLiteral("The workbook written does not read back: ") + why;
    });
    if (!written && error)
        *error = out.errorString();
    return written;
}

bool write(const QString &path, const AnnexureLayout &layout, const QList<QStringList> &rows, QString *error)
{
    return writePages(path, {Page{AnnexureLayout::sheetName(), AnnexureLayout::instruction(), layout, rows}},
                      error);
}

} // namespace AnnexureWorkbook

#include "AnnexureWorkbook.h"

#include "WorkbookReader.h"
#include "base/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <xlsxwriter.h>

namespace AnnexureWorkbook
{

namespace
{

constexpr double kPixelsPerCharacter = 7.0;
constexpr double kPointsPerLine = 15.0;
// Validation lists reach this far below the headings, far past any annexure.
constexpr lxw_row_t kValidatedRows = 65535;

struct Formats {
    lxw_format *instruction;
    lxw_format *heading;
    lxw_format *text;
    lxw_format *amount;
    lxw_format *whole;

    explicit Formats(lxw_workbook *book)
    {
        instruction = workbook_add_format(book);
        format_set_underline(instruction, LXW_UNDERLINE_SINGLE);
        format_set_bold(instruction);
        format_set_text_wrap(instruction);
        format_set_align(instruction, LXW_ALIGN_VERTICAL_CENTER);

        heading = workbook_add_format(book);
        format_set_bold(heading);
        format_set_text_wrap(heading);
        format_set_align(heading, LXW_ALIGN_CENTER);
        format_set_align(heading, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(heading, LXW_BORDER_THIN);

        text = workbook_add_format(book);
        format_set_border(text, LXW_BORDER_THIN);
        format_set_num_format(text, "@");
        amount = workbook_add_format(book);
        format_set_border(amount, LXW_BORDER_THIN);
        format_set_num_format(amount, "0.00");
        whole = workbook_add_format(book);
        format_set_border(whole, LXW_BORDER_THIN);
        format_set_num_format(whole, "0");
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
        worksheet_write_blank(sheet, row, col, format);
        return;
    }
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    // Amounts go in as numbers so that the spreadsheet adds them; markers ("Nil", "NA") as text.
    if (isNumber && (column.kind == Catalogue::Kind::Amount || column.kind == Catalogue::Kind::Whole))
        worksheet_write_number(sheet, row, col, number, format);
    else
        worksheet_write_string(sheet, row, col, value.toUtf8().constData(), format);
}

void addList(lxw_worksheet *lists, int listColumn, lxw_worksheet *sheet, int firstDataRow, lxw_col_t col,
             const AnnexureColumn &column)
{
    for (int i = 0; i < column.listItems.size(); ++i)
        worksheet_write_string(lists, lxw_row_t(i), lxw_col_t(listColumn),
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
    worksheet_data_validation_range(sheet, lxw_row_t(firstDataRow), col, kValidatedRows, col, &validation);
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
        worksheet_merge_range(sheet, 0, 0, 0, lxw_col_t(lastColumn), title.constData(), formats.instruction);
    else
        worksheet_write_string(sheet, 0, 0, title.constData(), formats.instruction);
    worksheet_set_row(sheet, 0, 2 * kPointsPerLine, nullptr);

    // Row heights follow the longest heading; a heading merged down over both rows has room to spare.
    const int top = AnnexureLayout::kHeadingRow;
    const bool banded = layout.headingRows() == 2;
    int bandLines = 1;
    int headingLines = 1;
    for (int c = 0; c <= lastColumn; ++c) {
        const AnnexureColumn &column = layout.columns.at(c);
        lxw_row_col_options options{};
        options.hidden = column.hidden ? 1 : 0;
        worksheet_set_column_opt(sheet, lxw_col_t(c), lxw_col_t(c), column.width / kPixelsPerCharacter,
                                 nullptr, &options);
        const QByteArray heading = column.heading.toUtf8();
        if (!banded) {
            worksheet_write_string(sheet, top, lxw_col_t(c), heading.constData(), formats.heading);
        } else if (column.band.isEmpty()) {
            worksheet_merge_range(sheet, top, lxw_col_t(c), top + 1, lxw_col_t(c), heading.constData(),
                                  formats.heading);
        } else {
            worksheet_write_string(sheet, top + 1, lxw_col_t(c), heading.constData(), formats.heading);
            if (c == 0 || layout.columns.at(c - 1).band != column.band) {
                int last = c;
                int bandWidth = 0;
                while (last <= lastColumn && layout.columns.at(last).band == column.band)
                    bandWidth += layout.columns.at(last++).width;
                const QByteArray band = column.band.toUtf8();
                if (last - 1 > c)
                    worksheet_merge_range(sheet, top, lxw_col_t(c), top, lxw_col_t(last - 1),
                                          band.constData(), formats.heading);
                else
                    worksheet_write_string(sheet, top, lxw_col_t(c), band.constData(), formats.heading);
                bandLines = qMax(bandLines, linesOf(column.band, bandWidth));
            }
        }
        if (!column.hidden)
            headingLines = qMax(headingLines, linesOf(column.heading, column.width));
        if (!column.listItems.isEmpty())
            addList(lists, listColumn++, sheet, layout.firstDataRow(), lxw_col_t(c), column);
    }
    if (banded) {
        worksheet_set_row(sheet, top, bandLines * kPointsPerLine, nullptr);
        worksheet_set_row(sheet, top + 1, headingLines * kPointsPerLine, nullptr);
    } else {
        worksheet_set_row(sheet, top, headingLines * kPointsPerLine, nullptr);
    }
    worksheet_freeze_panes(sheet, lxw_row_t(layout.firstDataRow()), 0);

    for (int r = 0; r < page.rows.size(); ++r)
        for (int c = 0; c <= lastColumn; ++c)
            writeCell(sheet, lxw_row_t(layout.firstDataRow() + r), lxw_col_t(c), layout.columns.at(c),
                      page.rows.at(r).value(c), formats);
}

} // namespace

bool writePages(const QString &path, const QList<Page> &pages, QString *error)
{
    OutputFile out(path);
    lxw_workbook *book =
        out.open() ? workbook_new(QFile::encodeName(out.temporaryPath()).constData()) : nullptr;
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
        sheets << workbook_add_worksheet(book, page.name.toUtf8().constData());
    lxw_worksheet *lists = nullptr;
    if (std::any_of(pages.begin(), pages.end(), hasLists)) {
        lists = workbook_add_worksheet(book, "Lists");
        worksheet_hide(lists);
    }
    int listColumn = 0;
    for (int p = 0; p < pages.size(); ++p)
        writePage(sheets.at(p), lists, listColumn, formats, pages.at(p));
    const lxw_error status = workbook_close(book);
    if (status != LXW_NO_ERROR) {
        if (error)
            *error = OutputFile::writeFailure(QFileInfo(out.target()).absolutePath(),
                                              QString::fromUtf8(lxw_strerror(status)));
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

#include "XlsxWriterLibrary.h"

#include "base/LoadedLibrary.h"

const XlsxWriterLibrary &XlsxWriterLibrary::instance()
{
    static const XlsxWriterLibrary xlsx = load(QStringLiteral("xlsxwriter"), 4);
    return xlsx;
}

XlsxWriterLibrary XlsxWriterLibrary::load(const QString &name, int version)
{
    XlsxWriterLibrary xlsx;
    LoadedLibrary library(name, version, QStringLiteral("workbook library"));
    library.resolve("format_set_align", xlsx.formatSetAlign);
    library.resolve("format_set_bold", xlsx.formatSetBold);
    library.resolve("format_set_border", xlsx.formatSetBorder);
    library.resolve("format_set_num_format", xlsx.formatSetNumFormat);
    library.resolve("format_set_text_wrap", xlsx.formatSetTextWrap);
    library.resolve("format_set_underline", xlsx.formatSetUnderline);
    library.resolve("lxw_strerror", xlsx.lxwStrerror);
    library.resolve("workbook_add_format", xlsx.workbookAddFormat);
    library.resolve("workbook_add_worksheet", xlsx.workbookAddWorksheet);
    library.resolve("workbook_close", xlsx.workbookClose);
    library.resolve("workbook_new", xlsx.workbookNew);
    library.resolve("worksheet_data_validation_range", xlsx.worksheetDataValidationRange);
    library.resolve("worksheet_freeze_panes", xlsx.worksheetFreezePanes);
    library.resolve("worksheet_hide", xlsx.worksheetHide);
    library.resolve("worksheet_merge_range", xlsx.worksheetMergeRange);
    library.resolve("worksheet_set_column_opt", xlsx.worksheetSetColumnOpt);
    library.resolve("worksheet_set_row", xlsx.worksheetSetRow);
    library.resolve("worksheet_write_blank", xlsx.worksheetWriteBlank);
    library.resolve("worksheet_write_number", xlsx.worksheetWriteNumber);
    library.resolve("worksheet_write_string", xlsx.worksheetWriteString);
    xlsx.failure = library.failure();
    return xlsx;
}

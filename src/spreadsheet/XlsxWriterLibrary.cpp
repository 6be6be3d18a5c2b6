#include "XlsxWriterLibrary.h"

#include <QLibrary>

namespace
{

template <typename Function> bool resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

const XlsxWriterLibrary &XlsxWriterLibrary::instance()
{
    static const XlsxWriterLibrary xlsx = load(QStringLiteral("xlsxwriter"), 4);
    return xlsx;
}

XlsxWriterLibrary XlsxWriterLibrary::load(const QString &name, int version)
{
    XlsxWriterLibrary xlsx;
    QLibrary library(name, version);
    if (!library.load()) {
        xlsx.failure =
            QStringLiteral("The workbook library could not be loaded: %1").arg(library.errorString());
        return xlsx;
    }
    bool found = true;
    found = resolve(library, "format_set_align", xlsx.formatSetAlign) && found;
    found = resolve(library, "format_set_bold", xlsx.formatSetBold) && found;
    found = resolve(library, "format_set_border", xlsx.formatSetBorder) && found;
    found = resolve(library, "format_set_num_format", xlsx.formatSetNumFormat) && found;
    found = resolve(library, "format_set_text_wrap", xlsx.formatSetTextWrap) && found;
    found = resolve(library, "format_set_underline", xlsx.formatSetUnderline) && found;
    found = resolve(library, "lxw_strerror", xlsx.lxwStrerror) && found;
    found = resolve(library, "workbook_add_format", xlsx.workbookAddFormat) && found;
    found = resolve(library, "workbook_add_worksheet", xlsx.workbookAddWorksheet) && found;
    found = resolve(library, "workbook_close", xlsx.workbookClose) && found;
    found = resolve(library, "workbook_new", xlsx.workbookNew) && found;
    found = resolve(library, "worksheet_data_validation_range", xlsx.worksheetDataValidationRange) && found;
    found = resolve(library, "worksheet_freeze_panes", xlsx.worksheetFreezePanes) && found;
    found = resolve(library, "worksheet_hide", xlsx.worksheetHide) && found;
    found = resolve(library, "worksheet_merge_range", xlsx.worksheetMergeRange) && found;
    found = resolve(library, "worksheet_set_column_opt", xlsx.worksheetSetColumnOpt) && found;
    found = resolve(library, "worksheet_set_row", xlsx.worksheetSetRow) && found;
    found = resolve(library, "worksheet_write_blank", xlsx.worksheetWriteBlank) && found;
    found = resolve(library, "worksheet_write_number", xlsx.worksheetWriteNumber) && found;
    found = resolve(library, "worksheet_write_string", xlsx.worksheetWriteString) && found;
    if (!found)
        xlsx.failure = QStringLiteral("The workbook library %1 lacks a function it should have.")
                           .arg(library.fileName());
    return xlsx;
}
